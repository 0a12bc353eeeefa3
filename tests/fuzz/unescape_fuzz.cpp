// Reply unescaping: what the sign escaped comes back as it was, and any received
// bytes unescape in place without touching the bytes beyond them.
#include <cstdint>
#include <vector>

#include "protocol/unescape.h"
#include "protocol/wire_frame.h"
#include "tests/fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::uint8_t> input(data, data + size);

    // Escaped behind a start byte, then unescaped: the same bytes.
    std::vector<std::uint8_t> wire{0x7E};
    const std::vector<std::uint8_t> escaped = protocol::EscapeBytes(input);
    wire.insert(wire.end(), escaped.begin(), escaped.end());
    const std::size_t back = protocol::UnescapeReply(wire.data(), wire.size());
    FUZZ_CHECK(back == size + 1);
    FUZZ_CHECK(std::equal(input.begin(), input.end(), wire.begin() + 1));

    // Raw bytes: a count no larger, byte 0 kept, the rest of the buffer untouched.
    std::vector<std::uint8_t> buffer = input;
    buffer.resize(size + 8, 0xA5);
    const std::size_t count = protocol::UnescapeReply(buffer.data(), size);
    FUZZ_CHECK(count <= size);
    if (size > 0) FUZZ_CHECK(buffer[0] == input[0]);
    for (std::size_t i = size; i < buffer.size(); ++i) FUZZ_CHECK(buffer[i] == 0xA5);
    std::size_t escapes = 0;
    for (std::size_t i = 1; i + 1 < size; ++i) {
        if (input[i] == 0x7D) {
            ++escapes;
            ++i;
        }
    }
    FUZZ_CHECK(count == size - escapes);
    return 0;
}

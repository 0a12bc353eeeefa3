// The frame text codec and hex numbers: bytes survive a round trip through their
// text, and any text converts exactly as the header describes it.
#include <cstdint>
#include <string>
#include <string_view>

#include "protocol/frame_text.h"
#include "protocol/hex_byte.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

int Nibble(unsigned char c) { return c <= '9' ? c - 0x30 : c - 0x37; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> bytes(data, size);
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    // Bytes -> text -> bytes.
    const std::string hex = protocol::HexText(bytes);
    FUZZ_CHECK(hex.size() == 3 * size);
    FUZZ_CHECK(protocol::FrameTextToBytes(hex) == std::vector<std::uint8_t>(bytes.begin(), bytes.end()));

    // Text -> bytes: whole triples up to the first whose third character is no blank.
    const std::vector<std::uint8_t> converted = protocol::FrameTextToBytes(text);
    std::size_t triples = 0;
    while (3 * triples + 3 <= text.size() && text[3 * triples + 2] == ' ') ++triples;
    FUZZ_CHECK(converted.size() == triples);
    for (std::size_t k = 0; k < triples; ++k) {
        const int value = Nibble(static_cast<unsigned char>(text[3 * k])) * 16 +
                          Nibble(static_cast<unsigned char>(text[3 * k + 1]));
        FUZZ_CHECK(converted[k] == static_cast<std::uint8_t>(value & 0xFF));
    }

    // Escaped bytes: two triples for a marker, one for anything else.
    for (const std::uint8_t b : bytes.first(std::min<std::size_t>(size, 16))) {
        const protocol::HexByteText escaped = protocol::HexByte(b, false);
        const bool marker = b == 0x7D || b == 0x7E;
        FUZZ_CHECK(escaped.count == (marker ? 2 : 1));
        FUZZ_CHECK(escaped.text.size() == 3u * static_cast<std::size_t>(escaped.count));
        FUZZ_CHECK(protocol::HexByte(b, true).text == protocol::HexPair(b));
    }

    // 32-bit numbers: eight digits back to the same value, whatever the case.
    if (size >= 4) {
        const std::uint32_t value = static_cast<std::uint32_t>(data[0]) << 24 |
                                    static_cast<std::uint32_t>(data[1]) << 16 |
                                    static_cast<std::uint32_t>(data[2]) << 8 | data[3];
        std::string digits = protocol::HexText32(value);
        FUZZ_CHECK(digits.size() == 8);
        FUZZ_CHECK(protocol::HexTextToInt(digits) == value);
        for (char& c : digits) c = static_cast<char>(c >= 'A' && c <= 'F' ? c - 'A' + 'a' : c);
        FUZZ_CHECK(protocol::HexTextToInt(digits) == value);
    }
    // Any text: only the first eight characters count.
    FUZZ_CHECK(protocol::HexTextToInt(text) == protocol::HexTextToInt(text.substr(0, 8)));
    return 0;
}

// The library's reply acceptance and its data text: a reply is accepted exactly when
// it is framed and its check holds, and what is stored is its unescaped body; frame
// data text converts as documented and bytes survive their text.
#include <cstdint>
#include <string>
#include <vector>

#include "library/frame_input.h"
#include "library/reply_check.h"
#include "protocol/check_sum.h"
#include "protocol/frame_text.h"
#include "protocol/unescape.h"
#include "protocol/wire_frame.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

bool Framed(std::span<const std::uint8_t> raw)
{
    return raw.size() >= 4 && raw[0] == 0x7E && raw[1] <= 0x0F && raw[raw.size() - 2] == 0x7E &&
           raw.back() == 0x00;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> raw(data, size);
    const signlink::ReplyVerdict verdict = signlink::AcceptReply(raw);
    FUZZ_CHECK(verdict.code == 0 || verdict.code == -5 || verdict.code == -6 || verdict.code == -7);
    FUZZ_CHECK((verdict.code == -5) == (size == 0));
    if (size > 0 && !Framed(raw)) FUZZ_CHECK(verdict.code == -7);
    if (verdict.code == 0) {
        FUZZ_CHECK(Framed(raw));
        FUZZ_CHECK(signlink::IsCompleteReply(raw));
        // The stored bytes are the body between the markers, unescaped, less its check.
        std::vector<std::uint8_t> body(raw.begin() + 1, raw.end() - 2);
        body[0] = 0x7E;  // a stand-in start byte that UnescapeReply keeps
        body.resize(protocol::UnescapeReply(body.data(), body.size()));
        FUZZ_CHECK(body.size() >= 3);
        const std::vector<std::uint8_t> stored(body.begin() + 1, body.end() - 2);
        FUZZ_CHECK(verdict.stored == stored);
        const std::uint16_t sum = protocol::FrameCheckSum(stored);
        const std::uint8_t high = body[body.size() - 2];
        const std::uint8_t low = body[body.size() - 1];
        FUZZ_CHECK(high == 0xFF || high == (sum >> 8));
        FUZZ_CHECK(low == 0xFF || low == (sum & 0xFF));
    } else {
        FUZZ_CHECK(verdict.stored.empty());
    }

    // Any content framed by the sign is accepted and stored as it was sent.
    if (size >= 2) {
        const auto id = static_cast<std::uint16_t>(data[0] << 8 | data[1]);
        const std::vector<std::uint8_t> content(data + 2, data + size);
        const signlink::ReplyVerdict sound = signlink::AcceptReply(protocol::WireFrame(id, content));
        if (content.size() <= 0xFFFF) {
            FUZZ_CHECK(sound.code == 0);
            FUZZ_CHECK(sound.stored.size() == content.size() + 4);
            FUZZ_CHECK(std::equal(content.begin(), content.end(), sound.stored.begin() + 4));
        }
    }

    // Data text: never more than asked, and bytes written as text come back.
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::size_t limit = size % 700;
    if (const auto bytes = signlink::DataTextToBytes(text, limit)) FUZZ_CHECK(bytes->size() <= limit);
    const std::vector<std::uint8_t> content(data, data + std::min<std::size_t>(size, 640));
    const auto back = signlink::DataTextToBytes(protocol::HexText(content), content.size());
    FUZZ_CHECK(back && *back == content);
    return 0;
}

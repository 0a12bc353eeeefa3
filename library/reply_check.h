#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace signlink {

// The judgement of one raw reply: code 0 and the stored bytes (sign id, length,
// command and data, without markers and check), or -5, -6 or -7.
struct ReplyVerdict {
    int code = 0;
    std::vector<std::uint8_t> stored;
};

// No byte: -5. Not 7E, 00..0F at the start and 7E 00 at the end, or too short to
// hold a check field: -7. Check bytes that differ from FrameCheckSum and are not
// FF: -6.
ReplyVerdict AcceptReply(std::span<const std::uint8_t> raw);

// True when the bytes so far form a whole reply: 7E, a byte 00..0F, ..., 7E 00
// (7E 00 alone included, which the acceptance then refuses).
bool IsCompleteReply(std::span<const std::uint8_t> raw);

}  // namespace signlink

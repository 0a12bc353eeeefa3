#include "bench/content/reply_fields.h"

#include <algorithm>

namespace content {

ReplyView::ReplyView(std::span<const std::uint8_t> buffer, int result) : bytes_(buffer)
{
    if (result <= 0 || buffer.empty() || buffer[0] != 0x7E) return;
    present_ = true;
    const std::size_t received = std::min<std::size_t>(static_cast<std::size_t>(result), buffer.size());
    // The length field counts command and data; the data end at 6 + length, and
    // never beyond what was received (less the check and end marker).
    std::size_t end = received >= 4 ? received - 4 : 0;
    if (received >= 6) {
        const std::size_t length = static_cast<std::size_t>(buffer[4]) << 8 | buffer[5];
        end = std::min(end, 6 + length);
    }
    end_ = end;
}

ReplyState ReplyView::State() const
{
    if (!present_) return ReplyState::NoReply;
    return end_ > 10 && bytes_[10] == 0x00 ? ReplyState::Ok : ReplyState::BadStatus;
}

}  // namespace content

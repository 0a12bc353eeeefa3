#pragma once

#include <cstdint>
#include <span>

namespace content {

// What the bench finds in ReplyBuffer after an exchange with result r.
enum class ReplyState { NoReply, BadStatus, Ok };

// The reply's bytes as far as its data go: a result of 0 or less, or a first byte
// other than 7E, is no reply. Fields beyond the reply's data read as 00, never as
// bytes left from an earlier reply.
class ReplyView {
public:
    ReplyView(std::span<const std::uint8_t> buffer, int result);

    ReplyState State() const;
    std::uint8_t At(std::size_t offset) const { return offset < end_ ? bytes_[offset] : 0; }
    std::uint16_t WordAt(std::size_t offset) const
    {
        return static_cast<std::uint16_t>(At(offset) << 8 | At(offset + 1));
    }
    // Offset just past the last data byte (the check follows).
    std::size_t DataEnd() const { return end_; }

private:
    std::span<const std::uint8_t> bytes_;
    bool present_ = false;
    std::size_t end_ = 0;
};

}  // namespace content

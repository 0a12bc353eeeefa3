#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace content {

// A built frame as FrameText, or the reason it cannot be sent. A frame whose
// content would not fit its length byte is refused here and never reaches the wire.
struct FrameBuild {
    std::string frameText;
    std::string error;  // empty when the frame is good
    bool ok() const { return error.empty(); }
};

// The sign id of EditSignEdit: its decimal number, high byte first on the wire
// (the number is taken modulo 65536).
std::optional<std::uint16_t> ParseSignId(std::string_view text);

}  // namespace content

#pragma once

#include <array>
#include <cstdint>

namespace links {

// The last reply, unescaped, from its leading 7E through the 00 the bench appends.
// Bytes beyond the last result are left from earlier replies.
struct ReplyBuffer {
    static constexpr std::size_t kSize = 1024;
    std::array<std::uint8_t, kSize> bytes{};
};

}  // namespace links

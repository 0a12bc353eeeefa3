#include "bench/content/frame_build.h"

#include <limits>

namespace content {

std::optional<std::int32_t> ParseInteger(std::string_view text)
{
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size()) return std::nullopt;
    long long value = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > std::numeric_limits<std::int32_t>::max() + 1LL) return std::nullopt;
    }
    if (negative) value = -value;
    if (value > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::string NotIntegerMessage(std::string_view text)
{
    return "'" + std::string(text) + "' is not a valid integer value";
}

std::optional<std::uint16_t> ParseSignId(std::string_view text)
{
    const auto value = ParseInteger(text);
    if (!value) return std::nullopt;
    return static_cast<std::uint16_t>(static_cast<std::uint32_t>(*value) & 0xFFFF);
}

}  // namespace content

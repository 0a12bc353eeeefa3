#include "bench/content/frame_build.h"

#include "bench/fields/integer_field.h"

namespace content {

std::optional<std::uint16_t> ParseSignId(std::string_view text)
{
    const auto value = fields::ParseIntegerField(text, fields::LeadingBlanks::Skip).value;
    if (!value) return std::nullopt;
    return static_cast<std::uint16_t>(static_cast<std::uint32_t>(*value) & 0xFFFF);
}

}  // namespace content

#include "bench/fields/font_codes.h"

#include <string>

namespace fields {

std::uint16_t FontCode(const platform::Profile& settings, FontKind kind, int position)
{
    const bool asian = kind == FontKind::Asian;
    const long long code = settings.ReadInt(asian ? kAsianFontSection : kAsciiFontSection,
                                            kFontValueKey + std::to_string(position),
                                            asian ? kDefaultAsianFont : kDefaultAsciiFont);
    return static_cast<std::uint16_t>(code & 0xFFFF);
}

}  // namespace fields

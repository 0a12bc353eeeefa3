#pragma once

#include <cstdint>

#include "platform/profile.h"

namespace fields {

// The font codes that text frames carry, from setup.cfg: [FONTENG] FONT_VALUE_<i>
// for the ASCII font box at position i (default 256) and [FONTCHN] FONT_VALUE_<i>
// for the Asian one (default 528). Read at each send, so a hand edit counts at once.
inline constexpr char kAsciiFontSection[] = "FONTENG";
inline constexpr char kAsianFontSection[] = "FONTCHN";
inline constexpr char kFontValueKey[] = "FONT_VALUE_";
inline constexpr std::uint16_t kDefaultAsciiFont = 256;
inline constexpr std::uint16_t kDefaultAsianFont = 528;

enum class FontKind { Ascii, Asian };

// The code of the font box's entry at position; a value beyond 16 bits keeps its
// low 16 bits, as the frame's word holds them.
std::uint16_t FontCode(const platform::Profile& settings, FontKind kind, int position);

}  // namespace fields

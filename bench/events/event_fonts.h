#pragma once

#include <cstdint>

#include "platform/profile.h"

namespace events {

// The font codes of "06: Send Text", read from setup.cfg each time the frame is
// built: FONTENG/FONT_VALUE_<ascii position> (default 256) and, when "Font Asian"
// is ticked, FONTCHN/FONT_VALUE_<asian position> (default 528); unticked, the
// Asian code repeats the ASCII one.
struct EventFontCodes {
    std::uint16_t ascii = 0x0100;
    std::uint16_t asian = 0x0210;
};

EventFontCodes ReadEventFontCodes(const platform::Profile& settings, int asciiPosition, int asianPosition,
                                  bool asianTicked);

}  // namespace events

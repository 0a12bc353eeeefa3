#include "bench/events/event_fonts.h"

#include <string>

namespace events {

EventFontCodes ReadEventFontCodes(const platform::Profile& settings, int asciiPosition, int asianPosition,
                                  bool asianTicked)
{
    EventFontCodes codes;
    codes.ascii = static_cast<std::uint16_t>(
        settings.ReadInt("FONTENG", "FONT_VALUE_" + std::to_string(asciiPosition), 256));
    codes.asian = asianTicked ? static_cast<std::uint16_t>(settings.ReadInt(
                                    "FONTCHN", "FONT_VALUE_" + std::to_string(asianPosition), 528))
                              : codes.ascii;
    return codes;
}

}  // namespace events

#include "bench/events/event_fonts.h"

#include "bench/fields/font_codes.h"

namespace events {

EventFontCodes ReadEventFontCodes(const platform::Profile& settings, int asciiPosition, int asianPosition,
                                  bool asianTicked)
{
    EventFontCodes codes;
    codes.ascii = fields::FontCode(settings, fields::FontKind::Ascii, asciiPosition);
    codes.asian = asianTicked ? fields::FontCode(settings, fields::FontKind::Asian, asianPosition) : codes.ascii;
    return codes;
}

}  // namespace events

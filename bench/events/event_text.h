#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace events {

// The event text as the sign takes it, from the GBK bytes of the typed text:
// "{n}" becomes two bytes in tens and units, 0x80 + n / 10 and 0x10 + n % 10
// ({12} -> 81 12), "{{" gives a single "{", a group still open at the end gives
// nothing. Digits count by their low four bits; from the eleventh on they are
// ignored. A group whose digits do not form a number (a low nibble above 9) is an
// error with the standard conversion message. A number above 1279 is refused too:
// its tens would wrap past FF and the sign would read another code.
inline constexpr long long kMaxEventBraceCode = 1279;
struct EventText {
    std::vector<std::uint8_t> bytes;
    std::string error;      // empty when the text converted
    bool tooLarge = false;  // the error names a number beyond its byte, not a non-number
};

EventText ConvertEventText(std::string_view gbk);

}  // namespace events

#pragma once

#include <cstdint>
#include <string>

namespace device {

// A local date and time as the bench reads it when "Send Time" is pressed. The
// caller supplies it, so the moment is chosen by whoever builds the frame.
struct ClockTime {
    int year = 2000;  // four digits; the frame carries the last two
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int weekday = 6;  // 0 Sunday ... 6 Saturday

    // The weekday is worked out from the date (proleptic Gregorian calendar).
    static ClockTime FromDate(int year, int month, int day, int hour, int minute, int second);
};

// Packed BCD of 0..99: the two decimal digits as the two hex digits (59 -> 0x59).
std::uint8_t Bcd(int value);

// TIME: "7E 01 " id "00 0E 54 49 4D 45 01 08 " yy mm dd hh nn ss 0w "00 FF FF 7E 00 ".
std::string TimeFrameText(std::uint16_t signId, const ClockTime& clock);

// The countdown modes of TCNT, in the order of the byte sent.
enum class CountdownMode : std::uint8_t { Load = 0, Start = 1, Pause = 2, Stop = 3 };

// TCNT: the mode, then the hours, minutes and seconds in BCD for Load and 00 00 00
// for the other modes (the time is then ignored).
std::string CountdownFrameText(std::uint16_t signId, CountdownMode mode, int hours, int minutes, int seconds);

}  // namespace device

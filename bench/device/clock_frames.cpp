#include "bench/device/clock_frames.h"

#include <array>

#include "protocol/wire_frame.h"

namespace device {

ClockTime ClockTime::FromDate(int year, int month, int day, int hour, int minute, int second)
{
    // Sakamoto's method: 0 = Sunday.
    static constexpr std::array<int, 12> kMonthOffset{0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    int y = year;
    if (month < 3) --y;
    const int weekday = (y + y / 4 - y / 100 + y / 400 + kMonthOffset[(month - 1) % 12] + day) % 7;
    return {year, month, day, hour, minute, second, weekday};
}

std::uint8_t Bcd(int value) { return static_cast<std::uint8_t>(((value / 10) % 10) * 16 + value % 10); }

std::string TimeFrameText(std::uint16_t signId, const ClockTime& clock)
{
    const std::array<std::uint8_t, 10> data{0x01,
                                            0x08,
                                            Bcd(clock.year % 100),
                                            Bcd(clock.month),
                                            Bcd(clock.day),
                                            Bcd(clock.hour),
                                            Bcd(clock.minute),
                                            Bcd(clock.second),
                                            static_cast<std::uint8_t>(clock.weekday),
                                            0x00};
    return *protocol::BenchFrameText(signId, "TIME", data);
}

std::string CountdownFrameText(std::uint16_t signId, CountdownMode mode, int hours, int minutes, int seconds)
{
    std::array<std::uint8_t, 4> data{static_cast<std::uint8_t>(mode), 0, 0, 0};
    if (mode == CountdownMode::Load) {
        data[1] = Bcd(hours);
        data[2] = Bcd(minutes);
        data[3] = Bcd(seconds);
    }
    return *protocol::BenchFrameText(signId, "TCNT", data);
}

}  // namespace device

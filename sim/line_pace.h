#pragma once

#include <chrono>
#include <cstddef>

namespace sim {

// The timing of one direction of a serial line. Every byte occupies the line for
// ten bit times (start bit, eight data bits, stop bit), and bytes follow one
// another without overlapping, so a byte has crossed only once the line carried
// all the bytes before it and then this one. A line without a speed carries
// everything at once.
class LinePace {
public:
    using Clock = std::chrono::steady_clock;

    explicit LinePace(long baud = 0);

    bool Paced() const { return byteTime_.count() > 0; }
    Clock::duration ByteTime() const { return byteTime_; }

    // How many of `waiting` bytes, ready to go since readyAt, have crossed by now.
    // The line counts them as carried; call again with what is left.
    std::size_t Take(Clock::time_point readyAt, Clock::time_point now, std::size_t waiting);
    // Gives back the last `count` bytes of a Take that could not be passed on, so the
    // line carries them again later.
    void GiveBack(std::size_t count);
    // When the next byte ready since readyAt will have crossed.
    Clock::time_point NextDone(Clock::time_point readyAt) const;
    // The far end took nothing for a while: the line was idle until now, and the
    // next byte starts from here instead of catching up in a burst.
    void Stall(Clock::time_point now);

private:
    Clock::duration byteTime_{};
    Clock::time_point busyUntil_{};  // when the last byte carried so far has crossed
};

}  // namespace sim

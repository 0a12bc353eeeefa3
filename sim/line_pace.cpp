#include "sim/line_pace.h"

#include <algorithm>

namespace sim {

LinePace::LinePace(long baud)
{
    if (baud > 0)
        byteTime_ =
            std::chrono::duration_cast<Clock::duration>(std::chrono::nanoseconds(10'000'000'000LL / baud));
}

std::size_t LinePace::Take(Clock::time_point readyAt, Clock::time_point now, std::size_t waiting)
{
    if (!Paced()) return waiting;
    const Clock::time_point start = std::max(readyAt, busyUntil_);
    if (now < start) return 0;
    const auto crossed = static_cast<std::size_t>((now - start) / byteTime_);
    const std::size_t count = std::min(waiting, crossed);
    busyUntil_ = start + byteTime_ * static_cast<long long>(count);
    return count;
}

void LinePace::GiveBack(std::size_t count)
{
    if (Paced()) busyUntil_ -= byteTime_ * static_cast<long long>(count);
}

LinePace::Clock::time_point LinePace::NextDone(Clock::time_point readyAt) const
{
    if (!Paced()) return readyAt;
    return std::max(readyAt, busyUntil_) + byteTime_;
}

void LinePace::Stall(Clock::time_point now) { busyUntil_ = std::max(busyUntil_, now); }

}  // namespace sim

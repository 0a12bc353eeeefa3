#pragma once

#include <chrono>

namespace platform {

// A point in time that a blocking step must not pass, counted on the steady clock.
class Deadline {
public:
    explicit Deadline(int timeoutMs)
        : end_(std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs < 0 ? 0 : timeoutMs))
    {
    }
    // Milliseconds left, rounded up so a poll never wakes just before the end; 0 when past.
    int RemainingMs() const;

private:
    std::chrono::steady_clock::time_point end_;
};

enum class PollResult { Ready, TimedOut, Failed };

// Waits until fd reports one of the events, or the deadline passes. Hang-up and
// errors count as Ready for POLLIN (the read that follows tells what happened) and
// as Failed for POLLOUT.
PollResult PollFor(int fd, short events, const Deadline& deadline);

}  // namespace platform

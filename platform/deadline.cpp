#include "platform/deadline.h"

#include <poll.h>

#include <cerrno>

namespace platform {

int Deadline::RemainingMs() const
{
    auto left = end_ - std::chrono::steady_clock::now();
    if (left <= std::chrono::steady_clock::duration::zero()) return 0;
    return static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(left).count());
}

PollResult PollFor(int fd, short events, const Deadline& deadline)
{
    for (;;) {
        pollfd entry{fd, events, 0};
        int n = ::poll(&entry, 1, deadline.RemainingMs());
        if (n < 0) {
            if (errno == EINTR) continue;
            return PollResult::Failed;
        }
        if (n == 0) return PollResult::TimedOut;
        if (entry.revents & POLLNVAL) return PollResult::Failed;
        if (entry.revents & events) return PollResult::Ready;
        if (entry.revents & (POLLHUP | POLLERR))
            return (events & POLLIN) ? PollResult::Ready : PollResult::Failed;
    }
}

}  // namespace platform

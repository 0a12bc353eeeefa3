#include "bench/links/link_session.h"

#include <chrono>
#include <future>
#include <mutex>
#include <string>
#include <vector>

namespace links {
namespace {

// Lines written on the worker thread, handed to the real monitor on the caller's.
class RelayMonitor : public Monitor {
public:
    void AppendLine(const std::string& line) override
    {
        const std::lock_guard lock(mutex_);
        lines_.push_back(line);
    }
    void ForwardTo(Monitor& monitor)
    {
        std::vector<std::string> lines;
        {
            const std::lock_guard lock(mutex_);
            lines.swap(lines_);
        }
        for (const std::string& line : lines) monitor.AppendLine(line);
    }

private:
    std::mutex mutex_;
    std::vector<std::string> lines_;
};

// How long one poll waits for the exchange: short enough for smooth painting.
constexpr auto kPollWait = std::chrono::milliseconds(2);

}  // namespace

LinkSession::LinkSession(Monitor& monitor, Waiter waiter) : monitor_(monitor), waiter_(std::move(waiter)) {}

int LinkSession::SendFrameText(const SendRequest& request)
{
    return Run([&request](ReplyBuffer& reply, Monitor& monitor) {
        return links::SendFrameText(request, reply, monitor);
    });
}

int LinkSession::ExchangeBytes(const SendRequest& request, std::span<const std::uint8_t> wire, bool log)
{
    return Run([&request, wire, log](ReplyBuffer& reply, Monitor& monitor) {
        return links::ExchangeBytes(request, wire, log, reply, monitor);
    });
}

int LinkSession::Run(const std::function<int(ReplyBuffer&, Monitor&)>& exchange)
{
    if (busy_) return 0;
    busy_ = true;
    struct Idle {
        bool& busy;
        ~Idle() { busy = false; }
    } idle{busy_};
    RelayMonitor relay;
    // The worker owns the reply buffer until it ends; the caller reads it after.
    std::future<int> result =
        std::async(std::launch::async, [&exchange, &relay, this] { return exchange(reply_, relay); });
    const auto poll = [&] {
        const bool done = result.wait_for(kPollWait) == std::future_status::ready;
        relay.ForwardTo(monitor_);
        return done;
    };
    if (waiter_) {
        waiter_(poll);
    }
    while (!poll()) {
    }
    return result.get();
}

}  // namespace links

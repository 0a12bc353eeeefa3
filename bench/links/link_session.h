#pragma once

#include <cstdint>
#include <functional>
#include <span>

#include "bench/links/monitor.h"
#include "bench/links/reply_buffer.h"
#include "bench/links/send_path.h"

namespace links {

// The bench's exchanges, one at a time: each runs on a worker thread while the
// caller waits, so a window can keep painting through a long time-out. The caller
// still sees the exchange as one blocking call: its monitor lines arrive in order
// on the caller's thread, and the reply is in Reply() when the call returns.
class LinkSession {
public:
    // Called on the caller's thread while an exchange runs. It must call poll until
    // poll returns true; poll forwards the monitor lines written so far and waits a
    // moment for the exchange. A window processes its paint events in between.
    using Waiter = std::function<void(const std::function<bool()>& poll)>;

    explicit LinkSession(Monitor& monitor, Waiter waiter = {});

    // As links::SendFrameText and links::ExchangeBytes. While an exchange runs, a
    // second one (started from the window's own events) is refused with 0 and sends
    // nothing.
    int SendFrameText(const SendRequest& request);
    int ExchangeBytes(const SendRequest& request, std::span<const std::uint8_t> wire, bool log);

    const ReplyBuffer& Reply() const { return reply_; }
    bool Busy() const { return busy_; }

private:
    int Run(const std::function<int(ReplyBuffer&, Monitor&)>& exchange);

    Monitor& monitor_;
    Waiter waiter_;
    ReplyBuffer reply_;
    bool busy_ = false;
};

}  // namespace links

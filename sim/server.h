#pragma once

#include <chrono>
#include <deque>
#include <list>
#include <optional>
#include <vector>

#include "sim/fault.h"
#include "sim/frame_reader.h"
#include "sim/line_pace.h"
#include "sim/pty_link.h"
#include "sim/reply_plan.h"
#include "sim/sign.h"
#include "sim/sim_log.h"
#include "sim/tcp_listener.h"
#include "sim/unique_fd.h"

namespace sim {

// The sign's one thread: a poll loop over the TCP listener, every connected client
// and the pty master. Replies that are due later (late or piecewise faults) wait in
// a queue per source, so one slow answer never holds up another client.
class Server {
public:
    using Clock = std::chrono::steady_clock;

    struct Settings {
        int quietGapMs = 30;  // bytes outside frames are reported after this much silence
        // While no client holds the pty open the sign looks again after a wait that
        // starts at ptyFirstRetryUs and doubles up to ptyRetryMs: a client that closes
        // and reopens the line at once (the bench does for every exchange) loses
        // almost nothing, an idle line costs few wake-ups.
        int ptyFirstRetryUs = 100;
        int ptyRetryMs = 10;
        long ptyBaud = 0;     // paces the pty like a serial line at this speed; 0: no pacing
        std::size_t maxUnsent = 64 * 1024;  // stop reading a source while more replies than this wait
    };

    Server(Sign& sign, SimLog& log, const Faults& faults, std::optional<long long> faultCount, Settings settings);

    // Serves until stopFd becomes readable (a signalfd for SIGTERM and SIGINT).
    // listener and pty may be null. Returns an error message, empty after a stop.
    std::string Run(TcpListener* listener, PtyLink* pty, int stopFd);

private:
    struct Pending {
        Clock::time_point due;
        std::vector<std::uint8_t> bytes;
        std::size_t written = 0;
        bool closeAfter = false;
    };
    struct Source {
        FrameReader reader;
        Clock::time_point lastByte;
        std::deque<Pending> out;
        std::size_t unsent = 0;  // bytes in out not yet written
        bool blocked = false;  // the last write would have blocked: wait for POLLOUT
        LinePace txLine;       // replies leave no faster than this line carries them
    };
    // Bytes read from the pty that are still crossing the line.
    struct Inbound {
        std::vector<std::uint8_t> bytes;
        std::size_t fed = 0;
        Clock::time_point readAt;
        LinePace line;
    };
    struct Client {
        UniqueFd fd;
        Source source;
        bool peerDone = false;  // the client closed its side; finish writing, then close
        bool dead = false;
    };
    enum class WriteResult { Ok, Gone };

    void Handle(std::vector<ReaderEvent> events, Source& source, bool canClose, Clock::time_point now);
    void Received(Source& source, std::span<const std::uint8_t> bytes, bool canClose, Clock::time_point now);
    WriteResult WriteDue(int fd, Source& source, bool isSocket, bool& closeNow, Clock::time_point now);
    void ServeClient(Client& client, short revents, Clock::time_point now);
    void ServePty(PtyLink& pty, short revents, Clock::time_point now);
    void PtyGone(Clock::time_point now);
    void FeedPtyInbound(Clock::time_point now, bool all);
    void Accept(TcpListener& listener);
    bool NextFaulted();

    Sign& sign_;
    SimLog& log_;
    Faults faults_;
    std::optional<long long> faultsLeft_;
    Settings settings_;
    std::list<Client> clients_;
    Source pty_;
    Inbound ptyIn_;
    Clock::time_point ptyRetryAt_{};
    Clock::duration ptyRetry_{};  // the next wait after the pty was found closed
};

}  // namespace sim

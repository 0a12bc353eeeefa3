#include "sim/server.h"

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace sim {
namespace {

using Clock = Server::Clock;

constexpr std::size_t kReadChunk = 4096;

const char* AnomalyTag(ReaderEvent::Kind kind)
{
    switch (kind) {
    case ReaderEvent::Kind::BadLength: return "BAD LENGTH";
    case ReaderEvent::Kind::BadEscape: return "BAD ESCAPE";
    case ReaderEvent::Kind::BadCheck: return "BAD CHECK";
    case ReaderEvent::Kind::BadEnd: return "BAD END";
    case ReaderEvent::Kind::Unframed: return "UNFRAMED";
    case ReaderEvent::Kind::Frame: return "RX";
    }
    return "?";
}

// The end marker crosses the line as one: a client stops reading at the closing 7E
// and closes the port at once, so the marker's 00 must already be there; written
// after that 7E it could land in the client's next exchange.
template <typename Pending>
bool OnlyEndMarkerLeft(const Pending& pending)
{
    return pending.bytes.size() - pending.written == 2 && pending.bytes[pending.written] == 0x7E;
}

void Earliest(std::optional<Clock::time_point>& wake, Clock::time_point at)
{
    if (!wake || at < *wake) wake = at;
}

}  // namespace

Server::Server(Sign& sign, SimLog& log, const Faults& faults, std::optional<long long> faultCount,
               Settings settings)
    : sign_(sign), log_(log), faults_(faults), faultsLeft_(faultCount), settings_(settings)
{
    pty_.txLine = LinePace(settings.ptyBaud);
    ptyIn_.line = LinePace(settings.ptyBaud);
}

bool Server::NextFaulted()
{
    if (!faults_.Any()) return false;
    if (!faultsLeft_) return true;
    if (*faultsLeft_ <= 0) return false;
    --*faultsLeft_;
    return true;
}

void Server::Handle(std::vector<ReaderEvent> events, Source& source, bool canClose, Clock::time_point now)
{
    static const Faults kNoFaults;
    for (ReaderEvent& event : events) {
        log_.Write(AnomalyTag(event.kind), event.raw);
        if (event.kind == ReaderEvent::Kind::Unframed) {
            sign_.Unframed(event.raw);
            continue;
        }
        if (event.kind != ReaderEvent::Kind::Frame) continue;

        const Reply reply = sign_.Answer(event.request);
        const ReplyPlan plan = PlanReply(event.request, reply, NextFaulted() ? faults_ : kNoFaults);
        // Pieces follow whatever is still queued for this source, in order.
        Clock::time_point at = source.out.empty() ? now : std::max(now, source.out.back().due);
        for (const ReplyPiece& piece : plan.pieces) {
            at += std::chrono::milliseconds(piece.delayMs);
            source.out.push_back({at, piece.bytes, 0, false});
            source.unsent += piece.bytes.size();
        }
        if (plan.closeAfter && canClose) {
            if (source.out.empty()) source.out.push_back({at, {}, 0, false});
            source.out.back().closeAfter = true;
        }
    }
}

void Server::Received(Source& source, std::span<const std::uint8_t> bytes, bool canClose, Clock::time_point now)
{
    source.lastByte = now;
    Handle(source.reader.Feed(bytes), source, canClose, now);
}

Server::WriteResult Server::WriteDue(int fd, Source& source, bool isSocket, bool& closeNow, Clock::time_point now)
{
    source.blocked = false;
    while (!source.out.empty() && source.out.front().due <= now) {
        Pending& head = source.out.front();
        while (head.written < head.bytes.size()) {
            const std::uint8_t* at = head.bytes.data() + head.written;
            const std::size_t waiting = head.bytes.size() - head.written;
            std::size_t left = source.txLine.Take(head.due, now, waiting);
            if (left + 1 == waiting && head.bytes[head.bytes.size() - 2] == 0x7E) {
                source.txLine.GiveBack(1);  // the closing 7E waits for its 00, see OnlyEndMarkerLeft
                --left;
            }
            if (left == 0) return WriteResult::Ok;  // the next byte is still on the line
            const ssize_t n = isSocket ? send(fd, at, left, MSG_NOSIGNAL | MSG_DONTWAIT) : write(fd, at, left);
            if (n < static_cast<ssize_t>(left))
                source.txLine.GiveBack(left - static_cast<std::size_t>(std::max<ssize_t>(n, 0)));
            if (n < 0 && errno == EINTR) continue;
            if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
                source.blocked = true;
                source.txLine.Stall(now);
                return WriteResult::Ok;
            }
            if (n <= 0) return WriteResult::Gone;
            head.written += static_cast<std::size_t>(n);
            source.unsent -= static_cast<std::size_t>(n);
        }
        const bool close = head.closeAfter;
        source.out.pop_front();
        if (close) {
            closeNow = true;
            return WriteResult::Ok;
        }
    }
    return WriteResult::Ok;
}

void Server::Accept(TcpListener& listener)
{
    while (true) {
        const int fd = accept4(listener.Fd(), nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0) {
            if (errno == EINTR || errno == ECONNABORTED) continue;
            return;  // EAGAIN: every waiting connection is taken
        }
        clients_.emplace_back();
        clients_.back().fd.Reset(fd);
    }
}

void Server::ServeClient(Client& client, short revents, Clock::time_point now)
{
    if (revents & POLLIN) {
        std::uint8_t buffer[kReadChunk];
        const ssize_t n = recv(client.fd.Get(), buffer, sizeof buffer, MSG_DONTWAIT);
        if (n > 0) {
            Received(client.source, std::span(buffer, static_cast<std::size_t>(n)), true, now);
        } else if (n == 0) {
            client.peerDone = true;
            Handle(client.source.reader.Finish(), client.source, true, now);
        } else if (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) {
            client.dead = true;
        }
    } else if (revents & (POLLERR | POLLHUP | POLLNVAL)) {
        client.dead = true;
    }
}

void Server::PtyGone(Clock::time_point now)
{
    // The client closed the slave: what it did not read is gone with it, and so is
    // any reply still queued for it.
    FeedPtyInbound(now, true);
    Handle(pty_.reader.Finish(), pty_, false, now);
    pty_.out.clear();
    pty_.unsent = 0;
    pty_.blocked = false;
    if (ptyRetry_ == Clock::duration::zero()) ptyRetry_ = std::chrono::microseconds(settings_.ptyFirstRetryUs);
    ptyRetryAt_ = now + ptyRetry_;
    ptyRetry_ = std::min<Clock::duration>(ptyRetry_ * 2, std::chrono::milliseconds(settings_.ptyRetryMs));
}

void Server::FeedPtyInbound(Clock::time_point now, bool all)
{
    std::size_t left = ptyIn_.bytes.size() - ptyIn_.fed;
    if (!all) left = ptyIn_.line.Take(ptyIn_.readAt, now, left);
    if (left == 0) return;
    const std::span<const std::uint8_t> arrived(ptyIn_.bytes.data() + ptyIn_.fed, left);
    ptyIn_.fed += left;
    Received(pty_, arrived, false, now);
    if (ptyIn_.fed == ptyIn_.bytes.size()) {
        ptyIn_.bytes.clear();
        ptyIn_.fed = 0;
    }
}

void Server::ServePty(PtyLink& pty, short revents, Clock::time_point now)
{
    if (revents & POLLIN) {
        // One chunk at a time: the next is read once this one has crossed the line.
        ptyIn_.bytes.resize(kReadChunk);
        const ssize_t n = read(pty.MasterFd(), ptyIn_.bytes.data(), kReadChunk);
        ptyIn_.bytes.resize(std::max<ssize_t>(n, 0));
        if (n > 0) {
            ptyRetry_ = Clock::duration::zero();
            ptyIn_.readAt = now;
            FeedPtyInbound(now, false);
            return;
        }
        if (n < 0 && (errno == EAGAIN || errno == EINTR)) return;
        PtyGone(now);  // EIO: no slave is open
    } else if (revents & (POLLHUP | POLLERR)) {
        PtyGone(now);
    }
}

std::string Server::Run(TcpListener* listener, PtyLink* pty, int stopFd)
{
    std::vector<pollfd> fds;
    std::vector<Client*> polled;
    while (true) {
        const Clock::time_point now = Clock::now();
        const auto gap = std::chrono::milliseconds(settings_.quietGapMs);
        std::optional<Clock::time_point> wake;

        // Bytes outside frames are reported once their source has been quiet a while.
        auto flushQuiet = [&](Source& source, bool canClose) {
            if (!source.reader.HasPendingUnframed()) return;
            if (now - source.lastByte >= gap)
                Handle(source.reader.FlushUnframed(), source, canClose, now);
            else
                Earliest(wake, source.lastByte + gap);
        };

        for (Client& client : clients_) {
            if (client.dead) continue;
            flushQuiet(client.source, true);
            bool closeNow = false;
            if (WriteDue(client.fd.Get(), client.source, true, closeNow, now) == WriteResult::Gone || closeNow ||
                (client.peerDone && client.source.out.empty()))
                client.dead = true;
        }
        clients_.remove_if([](const Client& c) { return c.dead; });

        if (pty) {
            FeedPtyInbound(now, false);
            if (!ptyIn_.bytes.empty()) Earliest(wake, ptyIn_.line.NextDone(ptyIn_.readAt));
            flushQuiet(pty_, false);
            bool ignored = false;
            if (now >= ptyRetryAt_ && WriteDue(pty->MasterFd(), pty_, false, ignored, now) == WriteResult::Gone) PtyGone(now);
            if (now < ptyRetryAt_) Earliest(wake, ptyRetryAt_);
        }

        fds.clear();
        polled.clear();
        fds.push_back({stopFd, POLLIN, 0});
        if (listener) fds.push_back({listener->Fd(), POLLIN, 0});
        const std::size_t ptyIndex = fds.size();
        if (pty && now >= ptyRetryAt_) {
            const short in = ptyIn_.bytes.empty() && pty_.unsent <= settings_.maxUnsent ? POLLIN : 0;
            fds.push_back({pty->MasterFd(), static_cast<short>(in | (pty_.blocked ? POLLOUT : 0)), 0});
            if (!pty_.blocked && !pty_.out.empty()) {
                const Pending& next = pty_.out.front();
                const Clock::duration hold =
                    OnlyEndMarkerLeft(next) ? pty_.txLine.ByteTime() : Clock::duration{};
                Earliest(wake, pty_.txLine.NextDone(next.due) + hold);
            }
        }
        const std::size_t firstClient = fds.size();
        for (Client& client : clients_) {
            // A client that does not read its replies is not read either, until they drain.
            short events = client.peerDone || client.source.unsent > settings_.maxUnsent ? 0 : POLLIN;
            if (client.source.blocked) events |= POLLOUT;
            else if (!client.source.out.empty()) Earliest(wake, client.source.out.front().due);
            fds.push_back({client.fd.Get(), events, 0});
            polled.push_back(&client);
        }

        // Waits below a millisecond matter to the pacing and the pty retry.
        timespec timeout{};
        const timespec* timeoutAt = nullptr;
        if (wake) {
            const long long left = std::clamp<long long>(
                std::chrono::ceil<std::chrono::microseconds>(*wake - Clock::now()).count(), 0, 60'000'000);
            timeout.tv_sec = static_cast<time_t>(left / 1'000'000);
            timeout.tv_nsec = static_cast<long>(left % 1'000'000) * 1000;
            timeoutAt = &timeout;
        }
        if (ppoll(fds.data(), fds.size(), timeoutAt, nullptr) < 0) {
            if (errno == EINTR) continue;
            return std::string("poll: ") + std::strerror(errno);
        }
        if (fds[0].revents) return {};
        const Clock::time_point after = Clock::now();
        if (listener && (fds[1].revents & POLLIN)) Accept(*listener);
        if (ptyIndex < firstClient) ServePty(*pty, fds[ptyIndex].revents, after);
        for (std::size_t i = 0; i < polled.size(); ++i) ServeClient(*polled[i], fds[firstClient + i].revents, after);
    }
}

}  // namespace sim

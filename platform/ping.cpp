#include "platform/ping.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/ip_icmp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <random>

#include "platform/deadline.h"

namespace platform {
namespace {

constexpr std::size_t kPayloadSize = 32;

class Socket {
public:
    explicit Socket(int fd) : fd_(fd) {}
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;
    ~Socket()
    {
        if (fd_ >= 0) ::close(fd_);
    }
    int Fd() const { return fd_; }

private:
    int fd_;
};

std::uint16_t InternetChecksum(const std::uint8_t* data, std::size_t size)
{
    std::uint32_t sum = 0;
    for (std::size_t i = 0; i + 1 < size; i += 2)
        sum += static_cast<std::uint32_t>(data[i] << 8 | data[i + 1]);
    if (size % 2) sum += static_cast<std::uint32_t>(data[size - 1] << 8);
    while (sum >> 16) sum = (sum & 0xFFFF) + (sum >> 16);
    return static_cast<std::uint16_t>(~sum);
}

PingOutcome Failure(std::string error) { return {PingOutcome::Kind::Failed, {}, std::move(error)}; }

}  // namespace

std::optional<std::uint32_t> ParseDottedAddress(std::string_view text)
{
    std::uint32_t address = 0;
    int parts = 0;
    std::size_t at = 0;
    while (parts < 4) {
        std::size_t end = at;
        while (end < text.size() && text[end] >= '0' && text[end] <= '9') ++end;
        if (end == at || end - at > 3) return std::nullopt;
        int value = 0;
        for (std::size_t i = at; i < end; ++i) value = value * 10 + (text[i] - '0');
        if (value > 255) return std::nullopt;
        address = address << 8 | static_cast<std::uint32_t>(value);
        ++parts;
        if (parts < 4) {
            if (end >= text.size() || text[end] != '.') return std::nullopt;
            at = end + 1;
        } else if (end != text.size()) {
            return std::nullopt;
        }
    }
    return htonl(address);
}

PingOutcome Ping(const std::string& host, int timeoutMs)
{
    const auto address = ParseDottedAddress(host);
    if (!address) return Failure("\"" + host + "\" is not a dotted IPv4 address");

    // The datagram socket needs no privilege where ping_group_range admits the user;
    // the kernel then sets the identifier and hands over only our replies, without
    // their IP header. A raw socket sees every ICMP message, so it checks the identifier.
    bool raw = false;
    int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, IPPROTO_ICMP);
    if (fd < 0) {
        const int datagramError = errno;
        fd = ::socket(AF_INET, SOCK_RAW | SOCK_CLOEXEC, IPPROTO_ICMP);
        if (fd < 0) {
            return Failure(std::string("no ICMP socket: ") + std::strerror(datagramError) +
                           "; raw socket: " + std::strerror(errno));
        }
        raw = true;
    }
    const Socket socket(fd);

    std::random_device random;
    const auto identifier = static_cast<std::uint16_t>(random());
    const auto sequence = static_cast<std::uint16_t>(random());
    std::array<std::uint8_t, 8 + kPayloadSize> request{};
    request[0] = ICMP_ECHO;
    request[4] = static_cast<std::uint8_t>(identifier >> 8);
    request[5] = static_cast<std::uint8_t>(identifier);
    request[6] = static_cast<std::uint8_t>(sequence >> 8);
    request[7] = static_cast<std::uint8_t>(sequence);
    for (std::size_t i = 0; i < kPayloadSize; ++i) request[8 + i] = static_cast<std::uint8_t>('a' + i % 26);
    const std::uint16_t check = InternetChecksum(request.data(), request.size());
    request[2] = static_cast<std::uint8_t>(check >> 8);
    request[3] = static_cast<std::uint8_t>(check);

    sockaddr_in target{};
    target.sin_family = AF_INET;
    target.sin_addr.s_addr = *address;
    const Deadline deadline(timeoutMs);
    if (::sendto(fd, request.data(), request.size(), 0, reinterpret_cast<const sockaddr*>(&target),
                 sizeof target) != static_cast<ssize_t>(request.size())) {
        return Failure(std::string("cannot send the echo: ") + std::strerror(errno));
    }

    std::array<std::uint8_t, 1500> reply{};
    for (;;) {
        const PollResult ready = PollFor(fd, POLLIN, deadline);
        if (ready == PollResult::TimedOut) return {PingOutcome::Kind::Unanswered, {}, {}};
        if (ready == PollResult::Failed)
            return Failure(std::string("waiting for the reply: ") + std::strerror(errno));
        sockaddr_in from{};
        socklen_t fromSize = sizeof from;
        const ssize_t got = ::recvfrom(fd, reply.data(), reply.size(), MSG_DONTWAIT,
                                       reinterpret_cast<sockaddr*>(&from), &fromSize);
        if (got < 0) {
            if (errno == EINTR || errno == EAGAIN) continue;
            // An ICMP error came back (host or network unreachable): the echo went
            // out, and no reply will come.
            return {PingOutcome::Kind::Unanswered, {}, std::strerror(errno)};
        }
        std::size_t at = 0;
        if (raw) {
            if (got < 1) continue;
            at = static_cast<std::size_t>(reply[0] & 0x0F) * 4;  // past the IP header
        }
        if (static_cast<std::size_t>(got) < at + request.size()) continue;
        const std::uint8_t* icmp = reply.data() + at;
        const bool ours = icmp[0] == ICMP_ECHOREPLY && icmp[6] == request[6] && icmp[7] == request[7] &&
                          (!raw || (icmp[4] == request[4] && icmp[5] == request[5])) &&
                          std::memcmp(icmp + 8, request.data() + 8, kPayloadSize) == 0;
        if (!ours) continue;
        char text[INET_ADDRSTRLEN] = {};
        ::inet_ntop(AF_INET, &from.sin_addr, text, sizeof text);
        return {PingOutcome::Kind::Replied, text, {}};
    }
}

}  // namespace platform

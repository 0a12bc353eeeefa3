#include "platform/tcp_client.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "platform/deadline.h"

namespace platform {

bool IsDottedIpv4(const std::string& address)
{
    in_addr parsed{};
    return ::inet_pton(AF_INET, address.c_str(), &parsed) == 1;
}

std::optional<TcpClient> TcpClient::Connect(const std::string& address, std::uint16_t port, int timeoutMs)
{
    sockaddr_in peer{};
    peer.sin_family = AF_INET;
    peer.sin_port = htons(port);
    if (::inet_pton(AF_INET, address.c_str(), &peer.sin_addr) != 1) return std::nullopt;

    Deadline deadline(timeoutMs);
    TcpClient client(::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    if (client.fd_ < 0) return std::nullopt;
    int one = 1;
    ::setsockopt(client.fd_, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);  // frames are small and waited for

    if (::connect(client.fd_, reinterpret_cast<const sockaddr*>(&peer), sizeof peer) == 0) return client;
    if (errno != EINPROGRESS && errno != EINTR) return std::nullopt;
    if (PollFor(client.fd_, POLLOUT, deadline) != PollResult::Ready) return std::nullopt;
    int error = 0;
    socklen_t length = sizeof error;
    if (::getsockopt(client.fd_, SOL_SOCKET, SO_ERROR, &error, &length) != 0 || error != 0)
        return std::nullopt;
    return client;
}

TcpClient::TcpClient(TcpClient&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), shut_(std::exchange(other.shut_, false))
{
}

TcpClient& TcpClient::operator=(TcpClient&& other) noexcept
{
    if (this != &other) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = std::exchange(other.fd_, -1);
        shut_ = std::exchange(other.shut_, false);
    }
    return *this;
}

TcpClient::~TcpClient()
{
    if (fd_ >= 0) ::close(fd_);
}

std::size_t TcpClient::Write(std::span<const std::uint8_t> bytes, int timeoutMs)
{
    if (!IsOpen()) return 0;
    Deadline deadline(timeoutMs);
    std::size_t written = 0;
    while (written < bytes.size()) {
        ssize_t n = ::send(fd_, bytes.data() + written, bytes.size() - written, MSG_NOSIGNAL);
        if (n > 0) {
            written += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) break;
        if (PollFor(fd_, POLLOUT, deadline) != PollResult::Ready) break;
    }
    return written;
}

bool TcpClient::WaitReadable(int timeoutMs)
{
    if (!IsOpen()) return false;
    return PollFor(fd_, POLLIN, Deadline(timeoutMs)) == PollResult::Ready;
}

std::optional<std::uint8_t> TcpClient::ReadByte(int timeoutMs)
{
    std::uint8_t byte = 0;
    if (Read(std::span<std::uint8_t>(&byte, 1), timeoutMs) != 1) return std::nullopt;
    return byte;
}

std::size_t TcpClient::Read(std::span<std::uint8_t> buffer, int timeoutMs)
{
    if (!IsOpen() || buffer.empty()) return 0;
    Deadline deadline(timeoutMs);
    for (;;) {
        ssize_t n = ::recv(fd_, buffer.data(), buffer.size(), 0);
        if (n > 0) return static_cast<std::size_t>(n);
        if (n == 0) return 0;  // the peer closed
        if (errno == EINTR) continue;
        if (errno != EAGAIN && errno != EWOULDBLOCK) return 0;
        if (PollFor(fd_, POLLIN, deadline) != PollResult::Ready) return 0;
    }
}

void TcpClient::Shutdown()
{
    if (fd_ >= 0 && !shut_) ::shutdown(fd_, SHUT_RDWR);
    shut_ = true;
}

}  // namespace platform

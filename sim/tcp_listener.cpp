#include "sim/tcp_listener.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <cerrno>
#include <cstring>

namespace sim {

std::optional<TcpListener> TcpListener::Listen(const std::string& host, std::uint16_t port, std::string& error)
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    if (inet_pton(AF_INET, host.c_str(), &address.sin_addr) != 1) {
        error = "not an IPv4 address: " + host;
        return std::nullopt;
    }
    UniqueFd fd(socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    if (!fd.Valid()) {
        error = std::string("socket: ") + std::strerror(errno);
        return std::nullopt;
    }
    const int on = 1;
    setsockopt(fd.Get(), SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    if (bind(fd.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        error = "cannot listen on " + host + ":" + std::to_string(port) + ": " + std::strerror(errno);
        return std::nullopt;
    }
    if (listen(fd.Get(), SOMAXCONN) != 0) {
        error = std::string("listen: ") + std::strerror(errno);
        return std::nullopt;
    }
    socklen_t size = sizeof address;
    getsockname(fd.Get(), reinterpret_cast<sockaddr*>(&address), &size);
    return TcpListener(std::move(fd), host, ntohs(address.sin_port));
}

bool IsLoopbackAddress(const std::string& host)
{
    in_addr address{};
    if (inet_pton(AF_INET, host.c_str(), &address) != 1) return false;
    return (ntohl(address.s_addr) >> 24) == 127;
}

}  // namespace sim

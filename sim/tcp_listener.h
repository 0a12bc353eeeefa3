#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "sim/unique_fd.h"

namespace sim {

// A non-blocking listening TCP socket on one IPv4 address.
class TcpListener {
public:
    // Binds and listens; on failure returns nullopt and sets error.
    static std::optional<TcpListener> Listen(const std::string& host, std::uint16_t port, std::string& error);

    int Fd() const { return fd_.Get(); }
    const std::string& Host() const { return host_; }
    // The port actually bound (the free port chosen for port 0).
    std::uint16_t Port() const { return port_; }

private:
    TcpListener(UniqueFd fd, std::string host, std::uint16_t port)
        : fd_(std::move(fd)), host_(std::move(host)), port_(port) {}
    UniqueFd fd_;
    std::string host_;
    std::uint16_t port_ = 0;
};

// Whether a dotted IPv4 address lies in 127.0.0.0/8, where only this machine can reach it.
bool IsLoopbackAddress(const std::string& host);

}  // namespace sim

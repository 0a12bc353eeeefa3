#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace platform {

// One TCP connection over IPv4. Every blocking step takes a deadline in
// milliseconds and never blocks past it. Closed when the object goes away.
class TcpClient {
public:
    // Connects to a dotted IPv4 address; nullopt when the address is malformed, the
    // connection is refused or it is not made within timeoutMs.
    static std::optional<TcpClient> Connect(const std::string& address, std::uint16_t port, int timeoutMs);

    TcpClient(TcpClient&& other) noexcept;
    TcpClient& operator=(TcpClient&& other) noexcept;
    TcpClient(const TcpClient&) = delete;
    TcpClient& operator=(const TcpClient&) = delete;
    ~TcpClient();

    // Writes as much as possible before the deadline; returns the number written.
    std::size_t Write(std::span<const std::uint8_t> bytes, int timeoutMs);
    // True when data (or the peer's close) can be read within timeoutMs.
    bool WaitReadable(int timeoutMs);
    // One byte, or nullopt after the time-out, on the peer's close or an error.
    std::optional<std::uint8_t> ReadByte(int timeoutMs);
    // Up to buffer.size() bytes; 0 after the time-out, on close or an error.
    std::size_t Read(std::span<std::uint8_t> buffer, int timeoutMs);
    // Shuts both directions down: every later operation fails at once.
    void Shutdown();
    bool IsOpen() const { return fd_ >= 0 && !shut_; }

private:
    explicit TcpClient(int fd) : fd_(fd) {}
    int fd_ = -1;
    bool shut_ = false;
};

// True for a dotted IPv4 address as inet_pton reads it.
bool IsDottedIpv4(const std::string& address);

}  // namespace platform

#include "tests/sim/wire_client.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>

#include <fstream>
#include <stdexcept>
#include <thread>

namespace simtest {
namespace {

using Clock = std::chrono::steady_clock;

int MsLeft(Clock::time_point deadline)
{
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

// One read of at most `limit` bytes within timeoutMs; false on time-out, sets closed at EOF.
bool ReadSome(int fd, int timeoutMs, std::size_t limit, Received& received)
{
    pollfd p{fd, POLLIN, 0};
    if (poll(&p, 1, timeoutMs) <= 0) return false;
    std::uint8_t buffer[4096];
    const ssize_t n = read(fd, buffer, std::min(limit, sizeof buffer));
    if (n <= 0) {
        received.closed = true;
        return false;
    }
    received.bytes.insert(received.bytes.end(), buffer, buffer + n);
    return true;
}

bool EndsFrame(const Bytes& b)
{
    return b.size() >= 4 && b[b.size() - 2] == 0x7E && b[b.size() - 1] == 0x00;
}

}  // namespace

sim::UniqueFd ConnectTcp(const std::string& host, std::uint16_t port)
{
    sim::UniqueFd fd(socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    inet_pton(AF_INET, host.c_str(), &address.sin_addr);
    if (connect(fd.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
        throw std::runtime_error("cannot connect to the sign at " + host);
    return fd;
}

sim::UniqueFd OpenSerial(const std::string& path)
{
    sim::UniqueFd fd(open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC));
    if (!fd.Valid()) throw std::runtime_error("cannot open " + path);
    termios settings{};
    tcgetattr(fd.Get(), &settings);
    cfmakeraw(&settings);
    tcsetattr(fd.Get(), TCSANOW, &settings);
    tcflush(fd.Get(), TCIOFLUSH);
    return fd;
}

void WriteAll(int fd, const Bytes& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n <= 0) throw std::runtime_error("write to the sign failed");
        done += static_cast<std::size_t>(n);
    }
}

Received ReadReply(int fd, int timeoutMs)
{
    Received received;
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!EndsFrame(received.bytes) && ReadSome(fd, MsLeft(deadline), 4096, received)) {
    }
    return received;
}

Received ReadUpToClosingMarker(int fd, int timeoutMs)
{
    Received received;
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (ReadSome(fd, MsLeft(deadline), 1, received))
        if (received.bytes.size() >= 4 && received.bytes.back() == 0x7E) break;
    return received;
}

Received ReadUntilQuiet(int fd, int quietMs)
{
    Received received;
    while (ReadSome(fd, quietMs, 4096, received)) {
    }
    return received;
}

std::vector<std::string> WaitForLogLine(const std::string& path, const std::string& prefix, int timeoutMs)
{
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (true) {
        std::vector<std::string> lines;
        bool found = false;
        std::ifstream in(path);
        for (std::string line; std::getline(in, line);) {
            found = found || line.rfind(prefix, 0) == 0;
            lines.push_back(line);
        }
        if (found || Clock::now() >= deadline) return lines;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

}  // namespace simtest

#include "platform/serial_port.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <utility>

#include "platform/deadline.h"

namespace platform {

namespace {

std::optional<speed_t> SpeedFor(int rate)
{
    switch (rate) {
        case 1200:
            return B1200;
        case 2400:
            return B2400;
        case 4800:
            return B4800;
        case 9600:
            return B9600;
        case 19200:
            return B19200;
        case 38400:
            return B38400;
        case 57600:
            return B57600;
        case 115200:
            return B115200;
        case 230400:
            return B230400;
        case 460800:
            return B460800;
        case 921600:
            return B921600;
        default:
            return std::nullopt;
    }
}

bool Configure(int fd, speed_t speed)
{
    termios tio{};
    if (::tcgetattr(fd, &tio) != 0) return false;  // not a terminal: no serial port
    ::cfmakeraw(&tio);
    tio.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB | CRTSCTS);
    tio.c_cflag |= CS8 | CLOCAL | CREAD;
    tio.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
    // VMIN 1: with O_NONBLOCK an empty line then reads as EAGAIN (wait and poll);
    // with VMIN 0 it reads as 0, which ReadByte must take for a hang-up.
    tio.c_cc[VMIN] = 1;
    tio.c_cc[VTIME] = 0;
    if (::cfsetispeed(&tio, speed) != 0 || ::cfsetospeed(&tio, speed) != 0) return false;
    if (::tcsetattr(fd, TCSANOW, &tio) != 0) return false;
    // Bytes left over from an earlier exchange must not be taken for this reply.
    ::tcflush(fd, TCIOFLUSH);
    return true;
}

}  // namespace

std::optional<SerialPort> SerialPort::Open(const std::string& device, int baudRate)
{
    auto speed = SpeedFor(baudRate);
    if (!speed || device.empty()) return std::nullopt;
    // Non-blocking stays on: every wait is a poll with its own limit.
    SerialPort port(::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
    if (port.fd_ < 0 || !Configure(port.fd_, *speed)) return std::nullopt;
    port.rate_ = baudRate;
    return port;
}

SerialPort::SerialPort(SerialPort&& other) noexcept : fd_(std::exchange(other.fd_, -1)), rate_(other.rate_) {}

SerialPort& SerialPort::operator=(SerialPort&& other) noexcept
{
    if (this != &other) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = std::exchange(other.fd_, -1);
        rate_ = other.rate_;
    }
    return *this;
}

SerialPort::~SerialPort()
{
    if (fd_ >= 0) ::close(fd_);
}

bool SerialPort::Write(std::span<const std::uint8_t> bytes)
{
    if (fd_ < 0) return false;
    // Ten bits a byte at the line's rate, twice over, plus a second: a port that takes
    // longer is stuck, and the caller hears of it instead of hanging.
    const long long budgetMs = 1000 + 2 * 10 * 1000LL * static_cast<long long>(bytes.size()) / rate_;
    Deadline deadline(static_cast<int>(std::min<long long>(budgetMs, 600000)));
    while (!bytes.empty()) {
        ssize_t n = ::write(fd_, bytes.data(), bytes.size());
        if (n > 0) {
            bytes = bytes.subspan(static_cast<std::size_t>(n));
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) return false;
        if (PollFor(fd_, POLLOUT, deadline) != PollResult::Ready) return false;
    }
    return true;
}

std::optional<std::uint8_t> SerialPort::ReadByte(int timeoutMs)
{
    if (fd_ < 0) return std::nullopt;
    Deadline deadline(timeoutMs);
    for (;;) {
        std::uint8_t byte = 0;
        ssize_t n = ::read(fd_, &byte, 1);
        if (n == 1) return byte;
        if (n == 0) return std::nullopt;  // non-blocking, so 0 is a hang-up, not "nothing yet"
        if (errno == EINTR) continue;
        if (errno != EAGAIN && errno != EWOULDBLOCK) return std::nullopt;
        if (PollFor(fd_, POLLIN, deadline) != PollResult::Ready) return std::nullopt;
    }
}

void SerialPort::Flush()
{
    if (fd_ >= 0) ::tcflush(fd_, TCIOFLUSH);
}

namespace {

struct SpeedCode {
    int code;
    long long rate;
};

// The speed codes of the serial-port layer and the rates they stand for.
constexpr SpeedCode kSpeedCodes[] = {
    {10, 4800},   {12, 9600},   {13, 19200},  {14, 38400},  {15, 57600},
    {16, 115200}, {17, 230400}, {18, 460800}, {19, 921600},
};

}  // namespace

int RateForSpeedCode(int code)
{
    for (const SpeedCode& entry : kSpeedCodes)
        if (entry.code == code) return static_cast<int>(entry.rate);
    return 9600;
}

int SpeedCodeForRate(long long rate, int fallback, long long slowestRate)
{
    if (rate < slowestRate) return fallback;
    for (const SpeedCode& entry : kSpeedCodes)
        if (entry.rate == rate) return entry.code;
    return fallback;
}

}  // namespace platform

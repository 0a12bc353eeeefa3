#include "tests/library/scripted_sign.h"

#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

namespace librarytest {
namespace {

// Waits for `fd` to be readable, or for the stop pipe; false on stop.
bool WaitReadable(int fd, int stop)
{
    pollfd fds[2] = {{fd, POLLIN, 0}, {stop, POLLIN, 0}};
    while (::poll(fds, 2, -1) < 0) {
    }
    return (fds[1].revents & POLLIN) == 0;
}

}  // namespace

ScriptedTcpSign::ScriptedTcpSign(std::vector<std::vector<std::uint8_t>> replies)
    : replies_(std::move(replies))
{
    listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    if (listener_ < 0 || ::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(listener_, 1) != 0 ||
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size) != 0 ||
        ::pipe(stopPipe_) != 0) {
        if (listener_ >= 0) ::close(listener_);
        throw std::runtime_error("cannot listen on 127.0.0.1");
    }
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { Serve(); });
}

ScriptedTcpSign::~ScriptedTcpSign()
{
    const char stop = 1;
    [[maybe_unused]] const auto written = ::write(stopPipe_[1], &stop, 1);
    thread_.join();
    ::close(listener_);
    ::close(stopPipe_[0]);
    ::close(stopPipe_[1]);
}

void ScriptedTcpSign::Serve()
{
    if (!WaitReadable(listener_, stopPipe_[0])) return;
    const int connection = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
    if (connection < 0) return;
    std::vector<std::uint8_t> frame;
    while (WaitReadable(connection, stopPipe_[0])) {
        std::uint8_t byte = 0;
        if (::read(connection, &byte, 1) != 1) break;
        frame.push_back(byte);
        // Inside a wire frame 7E stands only in the markers: 7E 00 ends it.
        if (frame.size() < 4 || frame[frame.size() - 2] != 0x7E || byte != 0x00) continue;
        frame.clear();
        const std::size_t k = static_cast<std::size_t>(received_++);
        if (k < replies_.size() && !replies_[k].empty()) {
            [[maybe_unused]] const auto sent = ::write(connection, replies_[k].data(), replies_[k].size());
        }
    }
    ::close(connection);
}

}  // namespace librarytest

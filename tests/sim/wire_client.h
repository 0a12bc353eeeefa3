#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "sim/unique_fd.h"

namespace simtest {

using Bytes = std::vector<std::uint8_t>;

// What a client read back, and whether the peer closed the connection.
struct Received {
    Bytes bytes;
    bool closed = false;
};

// A loopback TCP connection to the sign, plain POSIX.
sim::UniqueFd ConnectTcp(const std::string& host, std::uint16_t port);
// The pty slave opened the way the serial layers open a line: raw, no echo, and
// whatever an earlier client left unread flushed.
sim::UniqueFd OpenSerial(const std::string& path);

void WriteAll(int fd, const Bytes& bytes);

// Reads until the bytes end with the end marker 7E 00 (after a start), the peer
// closes, or timeoutMs pass.
Received ReadReply(int fd, int timeoutMs);
// Reads until the closing 7E of a frame, leaving the 00 after it unread, as the
// bench's serial exchange does.
Received ReadUpToClosingMarker(int fd, int timeoutMs);
// Reads whatever comes until nothing has arrived for quietMs (or the peer closes).
Received ReadUntilQuiet(int fd, int quietMs);

// Waits until the file holds a line beginning with prefix; returns all its lines.
std::vector<std::string> WaitForLogLine(const std::string& path, const std::string& prefix, int timeoutMs);

}  // namespace simtest

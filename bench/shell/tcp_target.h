#pragma once

#include <cstdint>
#include <string>

namespace shell {

// Where EditTcpip points: a dotted address and the signs' port 2015, or another port
// after a ":PORT" suffix (a virtual sign on a free loopback port).
struct TcpTarget {
    std::string address;
    std::uint16_t port = 2015;
};

// A suffix that is not a port number from 1 to 65535 leaves the text whole as the
// address, so the exchange reports it as an address it cannot reach.
TcpTarget ParseTcpTarget(const std::string& text);

}  // namespace shell

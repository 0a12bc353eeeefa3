#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "bench/links/monitor.h"
#include "bench/links/reply_buffer.h"

namespace links {

struct TcpRequest {
    std::string address;          // EditTcpip, a dotted IPv4 address
    std::uint16_t port = 2015;    // the signs' port
    int timeoutMs = 6000;         // connect, each write and each wait for a byte
    int pauseAfterCloseMs = 100;  // gives the sign time before the next connection
    bool log = true;              // PORT and SEND lines; the others always
};

// One request/reply exchange over TCP. Result: -1 when the connection cannot be
// opened, the write was short, or no reply byte was stored; else the unescaped count.
// At most 992 bytes are stored from the first 7E.
int TcpExchange(const TcpRequest& request, std::span<const std::uint8_t> bytes, ReplyBuffer& reply,
                Monitor& monitor);

}  // namespace links

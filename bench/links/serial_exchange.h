#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "bench/links/monitor.h"
#include "bench/links/reply_buffer.h"

namespace links {

// The bench's speed code for a rate: 9600 12, 19200 13, 38400 14, 115200 16,
// 230400 17, 460800 18, 921600 19, anything else (57600 among them) 15.
int BaudCode(int baudRate);

struct SerialRequest {
    std::string device;        // resolved from the port number (SERIALPORTS map or /dev/ttyS<n-1>)
    int port = 1;              // the number shown in the monitor lines
    int baudRate = 57600;
    int timeoutMs = 1000;      // ComboBox9: total and inter-character read time-out
    std::string editHexData;   // logged as the SEND line
    bool log = true;           // PORT, SEND and RECV lines; error and no-reply lines always
};

// One request/reply exchange over a serial port. Result: 0 when the port cannot be
// opened or nothing came, else the unescaped count in the reply buffer (with the
// appended 00 when the reply ended with its 7E). Never stores beyond the buffer.
int SerialExchange(const SerialRequest& request, std::span<const std::uint8_t> bytes, ReplyBuffer& reply,
                   Monitor& monitor);

}  // namespace links

#pragma once

#include <string>

#include "bench/links/monitor.h"
#include "bench/links/reply_buffer.h"
#include "bench/links/serial_exchange.h"
#include "bench/links/tcp_exchange.h"

namespace links {

enum class Link { Rs232 = 0, Tcpip = 1 };

// What SendFrameText reads from the window: the frame, the link choice and the
// panels' settings.
struct SendRequest {
    std::string frameText;  // EditHexData
    Link link = Link::Rs232;
    SerialRequest serial;   // device, port, baud and time-out of the serial panel
    TcpRequest tcp;         // address of the network panel
};

// Converts the FrameText to bytes and runs one exchange over the chosen link (the
// serial SEND line shows frameText, whatever serial.editHexData holds). Text
// longer than 2,047 characters is refused with an ERROR line and nothing is sent
// (result 0). A positive result is the reply's byte count in the buffer.
int SendFrameText(const SendRequest& request, ReplyBuffer& reply, Monitor& monitor);

// One exchange of ready wire bytes over the chosen link (request.frameText is not
// used). With log off the exchange writes no PORT, SEND or RECV lines of its own;
// error and no-reply lines still appear.
int ExchangeBytes(const SendRequest& request, std::span<const std::uint8_t> wire, bool log, ReplyBuffer& reply,
                  Monitor& monitor);

}  // namespace links

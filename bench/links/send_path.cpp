#include "bench/links/send_path.h"

#include <string>
#include <vector>

#include "protocol/frame_text.h"

namespace links {

int SendFrameText(const SendRequest& request, ReplyBuffer& reply, Monitor& monitor)
{
    // The working buffer holds 2,047 characters; longer text is refused whole rather
    // than cut, so a frame is never sent truncated.
    if (request.frameText.size() > protocol::kMaxFrameTextChars) {
        MonitorLog(monitor, "ERROR",
                   "Frame text too long: " + std::to_string(request.frameText.size()) +
                       " characters, the limit is " + std::to_string(protocol::kMaxFrameTextChars),
                   true);
        return 0;
    }
    const std::vector<std::uint8_t> bytes = protocol::FrameTextToBytes(request.frameText);
    if (request.link == Link::Rs232) {
        SerialRequest serial = request.serial;
        serial.editHexData = request.frameText;
        return SerialExchange(serial, bytes, reply, monitor);
    }
    return TcpExchange(request.tcp, bytes, reply, monitor);
}

int ExchangeBytes(const SendRequest& request, std::span<const std::uint8_t> wire, bool log, ReplyBuffer& reply,
                  Monitor& monitor)
{
    if (request.link == Link::Rs232) {
        SerialRequest serial = request.serial;
        serial.log = log;
        return SerialExchange(serial, wire, reply, monitor);
    }
    TcpRequest tcp = request.tcp;
    tcp.log = log;
    return TcpExchange(tcp, wire, reply, monitor);
}

}  // namespace links

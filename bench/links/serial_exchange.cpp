#include "bench/links/serial_exchange.h"

#include <optional>
#include <string>

#include "platform/serial_port.h"
#include "protocol/hex_byte.h"
#include "protocol/unescape.h"

namespace links {
namespace {

// Reads the reply one byte at a time, each read waiting up to timeoutMs. A 7E that
// lands at index 3 or later closes the reply: it is stored with a 00 after it (the
// end marker's second byte is never read). Returns the number of bytes stored.
std::size_t ReadReply(platform::SerialPort& port, int timeoutMs, ReplyBuffer& reply)
{
    auto& buffer = reply.bytes;
    std::size_t stored = 0;
    // A sign that keeps sending without a closing 7E is cut off when the buffer is
    // full; nothing is ever stored beyond it.
    while (stored < buffer.size()) {
        const std::optional<std::uint8_t> byte = port.ReadByte(timeoutMs);
        if (!byte) break;
        buffer[stored++] = *byte;
        if (*byte == 0x7E && stored >= 4) {
            // The closing 7E needs the slot after it for the appended 00; a 7E that
            // takes the very last slot leaves no room, so that reply counts as cut off.
            if (stored < buffer.size()) buffer[stored++] = 0x00;
            break;
        }
    }
    return stored;
}

}  // namespace

int BaudCode(int baudRate)
{
    return platform::SpeedCodeForRate(baudRate, 15, 9600);
}

int SerialExchange(const SerialRequest& request, std::span<const std::uint8_t> bytes, ReplyBuffer& reply,
                   Monitor& monitor)
{
    const std::string port = std::to_string(request.port);
    // The rate goes through the speed code, as the serial library is driven by
    // code: a rate outside the table runs at the code-15 speed.
    const int rate = platform::RateForSpeedCode(BaudCode(request.baudRate));
    std::optional<platform::SerialPort> serial = platform::SerialPort::Open(request.device, rate);
    if (!serial) {
        MonitorLog(monitor, "ERROR", "Can't Open Comport " + port, true);
        return 0;
    }
    if (request.log) {
        MonitorLog(monitor, "PORT", "COM" + port, false);
        MonitorLog(monitor, "SEND", request.editHexData, false);
    }
    // One write per byte; a failed write shows up as a missing reply.
    for (const std::uint8_t& byte : bytes) serial->Write(std::span<const std::uint8_t>(&byte, 1));

    const std::size_t stored = ReadReply(*serial, request.timeoutMs, reply);
    std::string received;
    received.reserve(stored * 3);
    for (std::size_t i = 0; i < stored; ++i) received += protocol::HexByte(reply.bytes[i], true).text;
    serial.reset();

    const std::size_t count = protocol::UnescapeReply(reply.bytes.data(), stored);
    if (received.empty()) {
        MonitorLog(monitor, "RECV", "None Respond from : COM" + port, true);
        return 0;
    }
    if (request.log) MonitorLog(monitor, "RECV", received, true);
    return static_cast<int>(count);
}

}  // namespace links

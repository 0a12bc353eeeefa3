#include "bench/links/tcp_exchange.h"

#include <chrono>
#include <optional>
#include <string>
#include <thread>

#include "platform/tcp_client.h"
#include "protocol/hex_byte.h"
#include "protocol/unescape.h"

namespace links {
namespace {

// The most bytes kept from the first 7E of a reply that does not end.
constexpr std::size_t kMaxStored = 992;

struct Received {
    std::size_t stored = 0;
    unsigned sum = 0;  // 8-bit sum of every byte read, shown in the monitor only
    bool any = false;  // some byte came, stored or not
};

// Bytes before the first 7E are summed but dropped; the next 7E closes the reply
// and is stored with a 00 after it.
Received ReadReply(platform::TcpClient& client, int timeoutMs, ReplyBuffer& reply)
{
    Received r;
    if (!client.WaitReadable(timeoutMs)) return r;
    bool started = false;
    while (true) {
        const std::optional<std::uint8_t> byte = client.ReadByte(timeoutMs);
        if (!byte) break;
        r.any = true;
        r.sum = (r.sum + *byte) & 0xFF;
        if (started && *byte == 0x7E) {
            reply.bytes[r.stored++] = 0x7E;
            reply.bytes[r.stored++] = 0x00;
            break;
        }
        if (*byte == 0x7E) started = true;
        if (!started) continue;
        reply.bytes[r.stored++] = *byte;
        if (r.stored >= kMaxStored) break;
    }
    return r;
}

}  // namespace

int TcpExchange(const TcpRequest& request, std::span<const std::uint8_t> bytes, ReplyBuffer& reply,
                Monitor& monitor)
{
    std::optional<platform::TcpClient> client =
        platform::TcpClient::Connect(request.address, request.port, request.timeoutMs);
    if (!client || !client->IsOpen()) {
        MonitorLog(monitor, "ERROR", "Can't Open TCPIP " + request.address, true);
        return -1;
    }
    if (request.log) {
        MonitorLog(monitor, "PORT", "Send " + request.address + " bytes:" + std::to_string(bytes.size()),
                   false);
    }
    const std::size_t written = client->Write(bytes, request.timeoutMs);
    if (request.log) {
        std::string sent;
        sent.reserve(written * 3);
        for (std::size_t i = 0; i < written; ++i) sent += protocol::HexPair(bytes[i]);
        MonitorLog(monitor, "SEND", sent, false);
    }
    if (written < bytes.size()) {
        MonitorLog(
            monitor, "ERROR",
            "[DBUG] Send length Error:" + std::to_string(bytes.size()) + ",xx:" + std::to_string(written),
            true);
        return -1;
    }

    const Received received = ReadReply(*client, request.timeoutMs, reply);
    if (received.any) {
        MonitorLog(
            monitor, "RECV",
            "Recv bytes:" + std::to_string(received.stored) + " CheckSum:" + std::to_string(received.sum),
            false);
    }
    client.reset();
    if (request.pauseAfterCloseMs > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(request.pauseAfterCloseMs));

    if (received.stored == 0) {
        MonitorLog(monitor, "RECV", "None Respond from : TCP" + request.address, true);
        return -1;
    }
    std::string text;
    text.reserve(received.stored * 3);
    for (std::size_t i = 0; i < received.stored; ++i) text += protocol::HexByte(reply.bytes[i], true).text;
    const std::size_t count = protocol::UnescapeReply(reply.bytes.data(), received.stored);
    MonitorLog(monitor, "RECV", text, true);
    return static_cast<int>(count);
}

}  // namespace links

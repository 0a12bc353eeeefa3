#include "library/serial_link.h"

#include "library/library_files.h"
#include "library/link_settings.h"

namespace signlink {

std::optional<SerialLink> SerialLink::Open(const std::string& device, long long baudRate, int readTimeoutMs)
{
    auto port = platform::SerialPort::Open(device, platform::RateForSpeedCode(BaudCodeForRate(baudRate)));
    if (!port) return std::nullopt;
    return SerialLink(std::move(*port), readTimeoutMs);
}

int SerialLink::Exchange(std::span<const std::uint8_t> wireFrame, std::vector<std::uint8_t>& reply)
{
    reply.clear();
    port_.Flush();
    port_.Write(wireFrame);  // as with the vendor's port library, a write failure shows as no reply
    const std::size_t room = kReplyBufferBytes;
    while (reply.size() < room) {
        const auto byte = port_.ReadByte(timeoutMs_);
        if (!byte) break;
        reply.push_back(*byte);
        if (*byte != 0x7E || reply.size() >= room) continue;
        // The byte after a 7E is taken at once: 00 there ends the reply.
        const auto next = port_.ReadByte(timeoutMs_);
        if (!next) break;
        reply.push_back(*next);
        if (*next == 0x00) break;
    }
    return 0;
}

}  // namespace signlink

#pragma once

#include <optional>
#include <string>

#include "library/frame_link.h"
#include "platform/serial_port.h"

namespace signlink {

// The serial link of a run: the port is opened once and closed with the object.
class SerialLink : public FrameLink {
public:
    // nullopt when the device cannot be opened. readTimeoutMs bounds each byte.
    static std::optional<SerialLink> Open(const std::string& device, long long baudRate, int readTimeoutMs);

    // Reception ends when a byte does not come within the time-out, after 7E 00,
    // or when the 20,480-byte reply buffer is full.
    int Exchange(std::span<const std::uint8_t> wireFrame, std::vector<std::uint8_t>& reply) override;

private:
    SerialLink(platform::SerialPort port, int readTimeoutMs)
        : port_(std::move(port)), timeoutMs_(readTimeoutMs)
    {
    }
    platform::SerialPort port_;
    int timeoutMs_;
};

}  // namespace signlink

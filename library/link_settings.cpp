#include "library/link_settings.h"

#include <arpa/inet.h>

#include "platform/serial_port.h"

namespace signlink {

bool IsSerialLink(const std::optional<std::string>& commuPort)
{
    std::string name = commuPort.value_or(std::string("RS232"));
    for (char& c : name)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return name == "RS232";
}

int BaudCodeForRate(long long rate)
{
    return platform::SpeedCodeForRate(rate, 12);
}

std::string SignAddress(long long screenId, std::string_view broadcastId, std::string_view ipHead)
{
    if (screenId == kAllSignsScreenId) return std::string(broadcastId);
    return std::string(ipHead) + "." + std::to_string(screenId / 256) + "." + std::to_string(screenId % 256);
}

std::array<std::int32_t, 4> IpPartsFromText(const std::optional<std::string>& text)
{
    if (!text) return {0, 0, 0, 0};
    in_addr address{};
    if (inet_aton(text->c_str(), &address) == 0) return {255, 255, 255, 255};
    const auto* bytes = reinterpret_cast<const unsigned char*>(&address.s_addr);  // network order
    return {bytes[0], bytes[1], bytes[2], bytes[3]};
}

std::string DottedFromParts(const std::array<std::int32_t, 4>& parts)
{
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i) text += '.';
        text += std::to_string(parts[i] & 0xFF);
    }
    return text;
}

}  // namespace signlink

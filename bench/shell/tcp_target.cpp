#include "bench/shell/tcp_target.h"

#include <charconv>

namespace shell {

TcpTarget ParseTcpTarget(const std::string& text)
{
    const auto colon = text.rfind(':');
    if (colon == std::string::npos) {
        return {text, 2015};
    }
    const std::string portText = text.substr(colon + 1);
    unsigned value = 0;
    const auto [end, error] = std::from_chars(portText.data(), portText.data() + portText.size(), value);
    if (portText.empty() || error != std::errc{} || end != portText.data() + portText.size() || value == 0 ||
        value > 65535) {
        return {text, 2015};
    }
    return {text.substr(0, colon), static_cast<std::uint16_t>(value)};
}

}  // namespace shell

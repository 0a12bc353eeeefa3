#include "platform/serial_port_map.h"

#include "platform/profile.h"

namespace platform {

std::string SerialDeviceForPort(const Profile& settings, int port)
{
    if (port < 1) return {};  // no COM0: opening "" fails like an absent port
    std::string device = settings.ReadText("SERIALPORTS", "COM" + std::to_string(port), "");
    const auto first = device.find_first_not_of(" \t");
    if (first == std::string::npos) return "/dev/ttyS" + std::to_string(port - 1);
    return device.substr(first, device.find_last_not_of(" \t") - first + 1);
}

}  // namespace platform

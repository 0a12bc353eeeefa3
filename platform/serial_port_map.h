#pragma once

#include <string>

namespace platform {

class Profile;

// The device of port number n (1 = COM1): [SERIALPORTS] COM<n> in the deliverable's
// settings file, else the Linux default /dev/ttyS<n-1>.
std::string SerialDeviceForPort(const Profile& settings, int port);

}  // namespace platform

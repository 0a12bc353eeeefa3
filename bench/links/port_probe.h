#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "bench/links/port_scan.h"

namespace links {

// The NONE frame that finding a port sends: sign id FE FE whatever the window holds.
inline constexpr const char* kNoneProbeText = "7E 01 FE FE 00 04 4E 4F 4E 45 FF FF 7E 00  ";

struct ProbeResult {
    std::optional<ScannedPort> found;  // the first port whose reply counted
    std::string tried;                 // "COM1,COM4," up to and including the found one
};

// Sends on each port in list order until a reply of more than 4 bytes comes (a
// shorter one cannot be a frame); the ports after it are not tried. send gets the
// port number and returns the exchange's result.
ProbeResult ProbePorts(const std::vector<ScannedPort>& ports, const std::function<int(int port)>& send);

// "COM4 Successful!"
std::string ProbeSuccessText(int number);
// The warning when no port answered: the ports tried, then "no respond!".
std::string ProbeFailureText(const ProbeResult& result);

}  // namespace links

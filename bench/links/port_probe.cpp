#include "bench/links/port_probe.h"

namespace links {

ProbeResult ProbePorts(const std::vector<ScannedPort>& ports, const std::function<int(int port)>& send)
{
    ProbeResult result;
    for (const ScannedPort& port : ports) {
        result.tried += port.name + ",";
        if (send(port.number) > 4) {
            result.found = port;
            break;
        }
    }
    return result;
}

std::string ProbeSuccessText(int number) { return "COM" + std::to_string(number) + " Successful!"; }

std::string ProbeFailureText(const ProbeResult& result) { return result.tried + "no respond!"; }

}  // namespace links

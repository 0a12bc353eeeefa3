#pragma once

#include <string>
#include <vector>

#include "bench/links/monitor.h"
#include "platform/ping.h"

namespace links {

struct PingLine {
    std::string tag;
    std::string text;
};

// The monitor lines for a ping of host: "PING" "Success to ping " + source when the
// reply's source, written as a dotted address, is exactly the text host; otherwise
// "ERRO" "No respond from " + host. So 192.168.001.250 never counts as answered. An
// echo that could not be sent is reported by "PING" "Can't ping host " + host and
// then counts as unanswered, so the ERRO line follows it.
std::vector<PingLine> PingReport(const std::string& host, const platform::PingOutcome& outcome);

// Pings host within timeoutMs and logs each line with the separator.
void PingAndLog(Monitor& monitor, const std::string& host, int timeoutMs);

}  // namespace links

#include "bench/links/ping_report.h"

namespace links {

std::vector<PingLine> PingReport(const std::string& host, const platform::PingOutcome& outcome)
{
    std::vector<PingLine> lines;
    if (outcome.kind == platform::PingOutcome::Kind::Failed)
        lines.push_back({"PING", "Can't ping host " + host});
    if (outcome.kind == platform::PingOutcome::Kind::Replied && outcome.source == host)
        lines.push_back({"PING", "Success to ping " + outcome.source});
    else
        lines.push_back({"ERRO", "No respond from " + host});
    return lines;
}

void PingAndLog(Monitor& monitor, const std::string& host, int timeoutMs)
{
    for (const PingLine& line : PingReport(host, platform::Ping(host, timeoutMs)))
        MonitorLog(monitor, line.tag, line.text, true);
}

}  // namespace links

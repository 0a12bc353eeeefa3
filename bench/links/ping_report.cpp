#include "bench/links/ping_report.h"

namespace links {

PingLine PingReport(const std::string& host, const platform::PingOutcome& outcome)
{
    switch (outcome.kind) {
        case platform::PingOutcome::Kind::Failed:
            return {"PING", "Can't ping host " + host};
        case platform::PingOutcome::Kind::Replied:
            if (outcome.source == host) return {"PING", "Success to ping " + outcome.source};
            break;
        case platform::PingOutcome::Kind::Unanswered:
            break;
    }
    return {"ERRO", "No respond from " + host};
}

void PingAndLog(Monitor& monitor, const std::string& host, int timeoutMs)
{
    const PingLine line = PingReport(host, platform::Ping(host, timeoutMs));
    MonitorLog(monitor, line.tag, line.text, true);
}

}  // namespace links

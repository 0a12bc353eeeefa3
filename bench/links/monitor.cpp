#include "bench/links/monitor.h"

namespace links {

void MonitorLog(Monitor& monitor, std::string_view tag, std::string_view text, bool separator)
{
    std::string line;
    line.reserve(tag.size() + text.size() + 4);
    line += '[';
    line += tag;
    line += "]: ";
    line += text;
    monitor.AppendLine(line);
    if (separator) monitor.AppendLine(std::string(kSeparatorLine));
}

}  // namespace links

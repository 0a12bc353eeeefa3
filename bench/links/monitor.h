#pragma once

#include <string>
#include <string_view>

namespace links {

// Where the exchanges write their monitor lines. The window appends them to
// MemoOut; tests collect them.
class Monitor {
public:
    virtual ~Monitor() = default;
    virtual void AppendLine(const std::string& line) = 0;
};

inline constexpr std::string_view kSeparatorLine = "---------------------------------";

// "[" + tag + "]: " + text, then the 33-hyphen separator when asked.
void MonitorLog(Monitor& monitor, std::string_view tag, std::string_view text, bool separator);

}  // namespace links

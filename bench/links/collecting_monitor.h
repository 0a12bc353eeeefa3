#pragma once

#include <string>
#include <vector>

#include "bench/links/monitor.h"

namespace links {

// A monitor that keeps its lines, for tests, the benchmark and tools without a window.
class CollectingMonitor : public Monitor {
public:
    void AppendLine(const std::string& line) override { lines_.push_back(line); }
    const std::vector<std::string>& Lines() const { return lines_; }
    void Clear() { lines_.clear(); }

private:
    std::vector<std::string> lines_;
};

}  // namespace links

#include "bench/links/monitor.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bench/links/collecting_monitor.h"

namespace {

struct MonitorCase {
    const char* tag;
    const char* text;
    bool separator;
    std::vector<std::string> lines;
};

TEST(MonitorLog, WritesTaggedLinesAndTheSeparatorWhenAsked)
{
    const std::string sep(33, '-');
    const MonitorCase cases[] = {
        {"PORT", "COM1", false, {"[PORT]: COM1"}},
        {"RECV", "None Respond from : COM1", true, {"[RECV]: None Respond from : COM1", sep}},
        {"SEND", "", false, {"[SEND]: "}},
        {"ERROR", "7E 00 ", true, {"[ERROR]: 7E 00 ", sep}},
    };
    for (const MonitorCase& c : cases) {
        links::CollectingMonitor monitor;
        links::MonitorLog(monitor, c.tag, c.text, c.separator);
        EXPECT_EQ(monitor.Lines(), c.lines) << c.tag;
    }
}

TEST(MonitorLog, SeparatorIs33Hyphens) { EXPECT_EQ(links::kSeparatorLine, std::string(33, '-')); }

TEST(CollectingMonitor, KeepsLinesInOrderUntilCleared)
{
    links::CollectingMonitor monitor;
    links::MonitorLog(monitor, "PORT", "COM2", false);
    links::MonitorLog(monitor, "SEND", "7E ", true);
    EXPECT_EQ(monitor.Lines(),
              (std::vector<std::string>{"[PORT]: COM2", "[SEND]: 7E ", std::string(33, '-')}));
    monitor.Clear();
    EXPECT_TRUE(monitor.Lines().empty());
    links::MonitorLog(monitor, "RECV", "x", false);
    EXPECT_EQ(monitor.Lines(), std::vector<std::string>{"[RECV]: x"});
}

}  // namespace

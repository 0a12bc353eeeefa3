#include "platform/ping.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bench/links/collecting_monitor.h"
#include "bench/links/ping_report.h"

namespace {

using Kind = platform::PingOutcome::Kind;

TEST(ParseDottedAddress, ReadsFourDecimalParts)
{
    struct Case {
        const char* text;
        const char* address;  // dotted, or nullptr when refused
    } cases[] = {
        {"127.0.0.1", "127.0.0.1"},
        {"192.168.001.250", "192.168.1.250"},
        {"010.0.0.8", "10.0.0.8"},
        {"255.255.255.255", "255.255.255.255"},
        {"256.0.0.1", nullptr},
        {"1.2.3", nullptr},
        {"1.2.3.4.5", nullptr},
        {"1.2.3.4 ", nullptr},
        {"", nullptr},
        {"localhost", nullptr},
        {"127.0.0.1:2015", nullptr},
        {"1..2.3", nullptr},
        {"0001.2.3.4", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const auto parsed = platform::ParseDottedAddress(c.text);
        if (!c.address) {
            EXPECT_FALSE(parsed);
            continue;
        }
        ASSERT_TRUE(parsed);
        char text[INET_ADDRSTRLEN] = {};
        in_addr address{*parsed};
        ::inet_ntop(AF_INET, &address, text, sizeof text);
        EXPECT_STREQ(text, c.address);
    }
}

TEST(PingReport, AnsweredOnlyWhenTheSourceIsTheHostTextExactly)
{
    // An echo that could not be sent counts as unanswered: its PING line is followed
    // by the ERRO line, each closed by the separator.
    struct Case {
        std::string host;
        platform::PingOutcome outcome;
        std::vector<links::PingLine> lines;
    } cases[] = {
        {"192.168.1.250", {Kind::Replied, "192.168.1.250", {}}, {{"PING", "Success to ping 192.168.1.250"}}},
        {"192.168.001.250", {Kind::Replied, "192.168.1.250", {}}, {{"ERRO", "No respond from 192.168.001.250"}}},
        {"192.168.1.250", {Kind::Replied, "192.168.1.1", {}}, {{"ERRO", "No respond from 192.168.1.250"}}},
        {"192.168.1.250", {Kind::Unanswered, {}, {}}, {{"ERRO", "No respond from 192.168.1.250"}}},
        {"sign",
         {Kind::Failed, {}, "not an address"},
         {{"PING", "Can't ping host sign"}, {"ERRO", "No respond from sign"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.host + " " + c.outcome.source);
        const std::vector<links::PingLine> lines = links::PingReport(c.host, c.outcome);
        ASSERT_EQ(lines.size(), c.lines.size());
        for (std::size_t i = 0; i < lines.size(); ++i) {
            EXPECT_EQ(lines[i].tag, c.lines[i].tag);
            EXPECT_EQ(lines[i].text, c.lines[i].text);
        }
    }
}

TEST(Ping, LoopbackAnswers)
{
    const auto outcome = platform::Ping("127.0.0.1", 2000);
    if (outcome.kind == Kind::Failed && outcome.error.rfind("no ICMP socket", 0) == 0)
        GTEST_SKIP() << "this system allows no ICMP socket: " << outcome.error;
    ASSERT_EQ(outcome.kind, Kind::Replied) << outcome.error;
    EXPECT_EQ(outcome.source, "127.0.0.1");

    links::CollectingMonitor monitor;
    links::PingAndLog(monitor, "127.0.0.1", 2000);
    const std::vector<std::string> expected = {"[PING]: Success to ping 127.0.0.1", std::string(33, '-')};
    EXPECT_EQ(monitor.Lines(), expected);
}

TEST(Ping, AddressThatCannotBeUsedFailsWithoutSending)
{
    links::CollectingMonitor monitor;
    links::PingAndLog(monitor, "not-an-address", 100);
    const std::vector<std::string> expected = {"[PING]: Can't ping host not-an-address", std::string(33, '-'),
                                               "[ERRO]: No respond from not-an-address", std::string(33, '-')};
    EXPECT_EQ(monitor.Lines(), expected);
}

}  // namespace

#include "sim/command_line.h"

#include <gtest/gtest.h>

#include "sim/sign.h"

using sim::ParseCommandLine;

namespace {

sim::CommandLine Parse(std::vector<std::string> args) { return ParseCommandLine(args); }

}  // namespace

TEST(CommandLine, ListensOnLoopbackPort2015WhenNoLinkIsNamed)
{
    const auto line = Parse({});
    ASSERT_TRUE(line.config) << line.error;
    ASSERT_TRUE(line.config->tcp);
    EXPECT_EQ(line.config->tcp->host, "127.0.0.1");
    EXPECT_EQ(line.config->tcp->port, 2015);
    EXPECT_TRUE(line.config->ptyLink.empty());

    const auto ptyOnly = Parse({"--pty", "/tmp/x"});
    ASSERT_TRUE(ptyOnly.config);
    EXPECT_FALSE(ptyOnly.config->tcp);
    EXPECT_EQ(ptyOnly.config->ptyLink, "/tmp/x");
}

TEST(CommandLine, ReadsEveryOption)
{
    const auto line = Parse({"--tcp",        "127.0.0.3:0",   "--pty",
                             "/tmp/p",       "--log",         "/tmp/l",
                             "--fault",      "late:5",        "--fault",
                             "status:05",    "--fault-count", "2",
                             "--reply-data", "00 7E 7D 41",   "--baud",
                             "9600",         "--option",      "store=/tmp/s",
                             "--adc",        "1,2,3",         "--ogif-answer=same"});
    ASSERT_TRUE(line.config) << line.error;
    const sim::SimConfig& c = *line.config;
    EXPECT_EQ(c.tcp->host, "127.0.0.3");
    EXPECT_EQ(c.tcp->port, 0);
    EXPECT_EQ(c.ptyLink, "/tmp/p");
    EXPECT_EQ(c.logFile, "/tmp/l");
    EXPECT_EQ(c.faults.lateMs, 5);
    EXPECT_EQ(c.faults.status, 0x05);
    EXPECT_EQ(c.faultCount, 2);
    EXPECT_EQ(c.baud, 9600);
    EXPECT_EQ(sim::PlainAcknowledgement(c.options), (std::vector<std::uint8_t>{0x00, 0x7E, 0x7D, 0x41}));
    EXPECT_EQ(c.options.at("store"), "/tmp/s");
    EXPECT_EQ(c.options.at("adc"), "1,2,3");
    EXPECT_EQ(c.options.at("ogif-answer"), "same");
}

TEST(CommandLine, RefusesMalformedArguments)
{
    const std::vector<std::vector<std::string>> cases = {
        {"--tcp", "localhost:2015"},
        {"--tcp", "127.0.0.1"},
        {"--tcp", "127.0.0.1:65536"},
        {"--tcp", "127.0.0.1:x"},
        {"--fault", "sometimes"},
        {"--fault-count", "-1"},
        {"--reply-data", "7"},
        {"--reply-data", ""},
        {"--option", "novalue"},
        {"--log"},
        {"stray"},
        {"--"},
        {"--baud", "0"},
        {"--baud", "fast"},
        {"--baud", "4000001"},
        {"--fualt", "silent"},
        {"--beep=on"},
        {"--option", "clock=2024"},
        {"--pty", "/tmp/p", "--", "x"},
        {"--fa", "silent"},
        {"-x"},
    };
    for (const auto& args : cases) {
        const auto line = Parse(args);
        EXPECT_FALSE(line.config) << args[0] << " " << (args.size() > 1 ? args[1] : "");
        EXPECT_NE(line.error, "") << args[0];
    }
}

TEST(CommandLine, NamesTheWrongOptionAndTakesAbbreviationsValuesAndHelp)
{
    struct Case {
        std::vector<std::string> args;
        std::string error;
    };
    const std::vector<Case> cases = {
        {{"--fualt", "silent"}, "unknown or ambiguous option '--fualt'"},
        {{"--beep=on"}, "unknown or ambiguous option '--beep'"},
        {{"--fa", "silent"}, "unknown or ambiguous option '--fa'"},
        {{"--log"}, "--log needs a value"},
        {{"--option", "clock=2024"}, "--option: unknown setting 'clock'"},
        {{"--pty", "/tmp/p", "extra"}, "unexpected argument \"extra\""},
    };
    for (const Case& c : cases) EXPECT_EQ(Parse(c.args).error, c.error) << c.args[0];

    // A log file named "--" is a value, not the end of the options.
    const auto dashes = Parse({"--log", "--", "--fault-c", "2"});
    ASSERT_TRUE(dashes.config) << dashes.error;
    EXPECT_EQ(dashes.config->logFile, "--");
    EXPECT_EQ(dashes.config->faultCount, 2);

    EXPECT_TRUE(Parse({"--tcp", "127.0.0.1:0", "--help"}).help);
    EXPECT_TRUE(Parse({"-V"}).version);
}

TEST(PlainAcknowledgement, IsStatus00WithoutReplyData)
{
    EXPECT_EQ(sim::PlainAcknowledgement({}), std::vector<std::uint8_t>{0x00});
}

#include "bench/links/serial_exchange.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "bench/links/collecting_monitor.h"
#include "protocol/frame_text.h"
#include "tests/links/sim_replies.h"
#include "tests/support/sim_process.h"
#include "tests/support/temp_dir.h"

namespace {

using linkstest::Join;
using linkstest::kNoneText;
using linkstest::Letters;
using linkstest::LettersText;
using linkstest::NoneBytes;
using linkstest::NoneReply;
using linkstest::Unescaped;
using linkstest::WithoutLast;

const std::string kSeparator(33, '-');

TEST(BaudCode, MapsRatesToSpeedCodes)
{
    const std::pair<int, int> cases[] = {
        {9600, 12},   {19200, 13},  {38400, 14},  {57600, 15}, {115200, 16},
        {230400, 17}, {460800, 18}, {921600, 19}, {4800, 15},  {0, 15},
    };
    for (const auto& [rate, code] : cases) EXPECT_EQ(links::BaudCode(rate), code) << rate;
}

// A virtual sign on a pseudo-terminal, started with the given faults.
struct PtySign {
    explicit PtySign(std::vector<std::string> args = {})
        : sim(linkstest::SimOptions(std::move(args), dir.File("sign"), false))
    {
    }
    links::SerialRequest Request(int port = 3) const
    {
        links::SerialRequest request;
        request.device = sim.PtyPath();
        request.port = port;
        request.timeoutMs = 200;
        request.editHexData = kNoneText;
        return request;
    }
    testsupport::TempDir dir;
    testsupport::SimProcess sim;
};

struct SerialCase {
    const char* name;
    std::vector<std::string> simArgs;
    std::vector<std::uint8_t> received;  // the bytes stored, as they came over the line
    int result;
};

// Over a pty the sign answers a NONE probe; each case has it answer differently.
TEST(SerialExchange, StoresLogsAndUnescapesTheReply)
{
    const std::vector<std::uint8_t> flood = [] {
        std::vector<std::uint8_t> bytes{0x7E, 0x01};
        bytes.resize(1024, 0x41);
        return bytes;
    }();
    const SerialCase cases[] = {
        // The closing 7E is stored with a 00 appended: 14 read + 1.
        {"plain reply", {}, NoneReply(), 15},
        // Escapes are logged as they came and undone in the buffer: 2 bytes fewer.
        {"escaped data", {"--reply-data", "00 7E 7D"}, NoneReply({0x00, 0x7E, 0x7D}), 17},
        // A reply cut off before its 7E: what came is kept, nothing appended.
        {"no end marker", {"--fault", "noend"}, WithoutLast(NoneReply(), 2), 13},
        // 7E at index 0, 1 or 2 does not end the reply; the 7E at index 15 does.
        {"markers before the frame", {"--fault", "prefix:7E 7E"}, Join({0x7E, 0x7E}, NoneReply()), 17},
        {"bytes before the frame", {"--fault", "prefix:00 00"}, Join({0x00, 0x00}, NoneReply()), 17},
        // A sign that never ends its reply fills the buffer and no more.
        {"flood", {"--fault", "flood:2000"}, flood, 1024},
        // The frame's own 7E 01 comes after the prefix, at index 3 or later, so it
        // closes the reply. At the buffer's end: the 00 takes the last slot, or, when
        // the 7E itself lands there, there is no room for the 00.
        {"closing 7E two slots before the end",
         {"--fault", "prefix:" + LettersText(1021)},
         Join(Letters(1021), {0x7E, 0x00}),
         1023},
        {"closing 7E one slot before the end",
         {"--fault", "prefix:" + LettersText(1022)},
         Join(Letters(1022), {0x7E, 0x00}),
         1024},
        {"closing 7E in the last slot",
         {"--fault", "prefix:" + LettersText(1023)},
         Join(Letters(1023), {0x7E}),
         1024},
    };
    for (const SerialCase& c : cases) {
        SCOPED_TRACE(c.name);
        PtySign sign(c.simArgs);
        links::ReplyBuffer reply;
        reply.bytes.fill(0xAB);
        links::CollectingMonitor monitor;
        const int result = links::SerialExchange(sign.Request(), NoneBytes(), reply, monitor);

        EXPECT_EQ(result, c.result);
        EXPECT_EQ(monitor.Lines(),
                  (std::vector<std::string>{"[PORT]: COM3", "[SEND]: " + kNoneText,
                                            "[RECV]: " + protocol::HexText(c.received), kSeparator}));
        const std::vector<std::uint8_t> expected = Unescaped(c.received);
        ASSERT_EQ(expected.size(), static_cast<std::size_t>(c.result));
        EXPECT_TRUE(std::equal(expected.begin(), expected.end(), reply.bytes.begin()));
    }
}

TEST(SerialExchange, EscapedReplyLeavesTheDataAtOffsetTen)
{
    PtySign sign({"--reply-data", "00 7E 7D"});
    links::ReplyBuffer reply;
    links::CollectingMonitor monitor;
    ASSERT_EQ(links::SerialExchange(sign.Request(), NoneBytes(), reply, monitor), 17);
    EXPECT_EQ(reply.bytes[0], 0x7E);
    EXPECT_EQ(reply.bytes[10], 0x00);
    EXPECT_EQ(reply.bytes[11], 0x7E);
    EXPECT_EQ(reply.bytes[12], 0x7D);
    EXPECT_EQ(reply.bytes[15], 0x7E);
    EXPECT_EQ(reply.bytes[16], 0x00);
}

TEST(SerialExchange, SilentSignGivesNoneRespondEvenWithoutLog)
{
    PtySign sign({"--fault", "silent"});
    for (const bool log : {true, false}) {
        SCOPED_TRACE(log);
        links::SerialRequest request = sign.Request(1);
        request.log = log;
        links::ReplyBuffer reply;
        links::CollectingMonitor monitor;
        EXPECT_EQ(links::SerialExchange(request, NoneBytes(), reply, monitor), 0);
        std::vector<std::string> lines;
        if (log) lines = {"[PORT]: COM1", "[SEND]: " + kNoneText};
        lines.insert(lines.end(), {"[RECV]: None Respond from : COM1", kSeparator});
        EXPECT_EQ(monitor.Lines(), lines);
    }
}

TEST(SerialExchange, WithoutLogAReplyWritesNoLine)
{
    PtySign sign;
    links::SerialRequest request = sign.Request();
    request.log = false;
    links::ReplyBuffer reply;
    links::CollectingMonitor monitor;
    EXPECT_EQ(links::SerialExchange(request, NoneBytes(), reply, monitor), 15);
    EXPECT_TRUE(monitor.Lines().empty());
    EXPECT_EQ(reply.bytes[6], 'N');
}

TEST(SerialExchange, UnopenableDeviceIsAnErrorAndLeavesTheBufferAlone)
{
    testsupport::TempDir dir;
    links::SerialRequest request;
    request.device = dir.File("no-such-port");
    request.port = 5;
    request.timeoutMs = 50;
    for (const bool log : {true, false}) {
        request.log = log;
        links::ReplyBuffer reply;
        reply.bytes.fill(0xAB);
        links::CollectingMonitor monitor;
        EXPECT_EQ(links::SerialExchange(request, NoneBytes(), reply, monitor), 0);
        EXPECT_EQ(monitor.Lines(), (std::vector<std::string>{"[ERROR]: Can't Open Comport 5", kSeparator}));
        EXPECT_TRUE(std::all_of(reply.bytes.begin(), reply.bytes.end(), [](auto b) { return b == 0xAB; }));
    }
}

TEST(SerialExchange, SendLineIsTheFrameTextNotTheBytes)
{
    PtySign sign;
    links::SerialRequest request = sign.Request(7);
    request.editHexData = "Send binary";
    links::ReplyBuffer reply;
    links::CollectingMonitor monitor;
    EXPECT_EQ(links::SerialExchange(request, NoneBytes(), reply, monitor), 15);
    ASSERT_GE(monitor.Lines().size(), 2u);
    EXPECT_EQ(monitor.Lines()[0], "[PORT]: COM7");
    EXPECT_EQ(monitor.Lines()[1], "[SEND]: Send binary");
}

}  // namespace

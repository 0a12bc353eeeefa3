#include "bench/links/send_path.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bench/links/collecting_monitor.h"
#include "protocol/frame_text.h"
#include "tests/links/sim_replies.h"
#include "tests/support/sim_process.h"
#include "tests/support/temp_dir.h"

namespace {

using linkstest::kNoneText;
using linkstest::NoneReply;

const std::string kSeparator(33, '-');

// One virtual sign reachable both ways: loopback TCP and a pty.
struct BothLinks {
    explicit BothLinks(std::vector<std::string> args = {})
        : sim(linkstest::SimOptions(std::move(args), dir.File("sign")))
    {
    }
    links::SendRequest Request(links::Link link, std::string text = kNoneText) const
    {
        links::SendRequest request;
        request.frameText = std::move(text);
        request.link = link;
        request.serial.device = sim.PtyPath();
        request.serial.port = 7;
        request.serial.baudRate = 115200;
        request.serial.timeoutMs = 200;
        request.tcp.address = sim.TcpHost();
        request.tcp.port = sim.TcpPort();
        request.tcp.timeoutMs = 300;
        request.tcp.pauseAfterCloseMs = 0;
        return request;
    }
    testsupport::TempDir dir;
    testsupport::SimProcess sim;
};

TEST(SendFrameText, DispatchesByLinkChoice)
{
    BothLinks sign;
    const std::string reply = "[RECV]: " + protocol::HexText(NoneReply());
    struct Case {
        links::Link link;
        std::vector<std::string> lines;
    } cases[] = {
        {links::Link::Rs232, {"[PORT]: COM7", "[SEND]: " + kNoneText, reply, kSeparator}},
        {links::Link::Tcpip,
         {"[PORT]: Send 127.0.0.1 bytes:14", "[SEND]: " + kNoneText, "[RECV]: Recv bytes:15 CheckSum:97",
          reply, kSeparator}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.link));
        links::SendRequest request = sign.Request(c.link);
        request.serial.editHexData = "stale text";  // the SEND line is always the frame text sent
        links::ReplyBuffer reply;
        links::CollectingMonitor monitor;
        EXPECT_EQ(links::SendFrameText(request, reply, monitor), 15);
        EXPECT_EQ(monitor.Lines(), c.lines);
    }
}

TEST(SendFrameText, SerialSettingsDoNotMatterOverTcp)
{
    BothLinks sign;
    links::SendRequest request = sign.Request(links::Link::Tcpip);
    request.serial.device = sign.dir.File("no-such-port");
    request.serial.baudRate = 4800;
    links::ReplyBuffer reply;
    links::CollectingMonitor monitor;
    EXPECT_EQ(links::SendFrameText(request, reply, monitor), 15);
}

TEST(SendFrameText, RefusesTextLongerThan2047Characters)
{
    BothLinks sign;
    // A malformed triple ends the conversion, so the padding adds no bytes.
    const auto padded = [](std::size_t size) {
        return kNoneText + std::string(size - kNoneText.size(), '-');
    };
    for (const links::Link link : {links::Link::Rs232, links::Link::Tcpip}) {
        SCOPED_TRACE(static_cast<int>(link));
        links::ReplyBuffer reply;
        links::CollectingMonitor monitor;
        EXPECT_EQ(links::SendFrameText(sign.Request(link, padded(2047)), reply, monitor), 15);
        EXPECT_EQ(monitor.Lines().back(), kSeparator);
        EXPECT_EQ(monitor.Lines()[0].rfind("[PORT]: ", 0), 0u);

        monitor.Clear();
        EXPECT_EQ(links::SendFrameText(sign.Request(link, padded(2048)), reply, monitor), 0);
        EXPECT_EQ(monitor.Lines(),
                  (std::vector<std::string>{
                      "[ERROR]: Frame text too long: 2048 characters, the limit is 2047", kSeparator}));
    }
}

TEST(SendFrameText, RefusedTextReachesNoSign)
{
    testsupport::TempDir dir;
    const std::string log = dir.File("sign.log");
    testsupport::SimProcess sim(linkstest::SimOptions({}, {}, true, log));
    links::SendRequest request;
    request.link = links::Link::Tcpip;
    request.tcp.address = sim.TcpHost();
    request.tcp.port = sim.TcpPort();
    request.tcp.timeoutMs = 300;
    request.tcp.pauseAfterCloseMs = 0;
    links::ReplyBuffer reply;
    links::CollectingMonitor monitor;
    request.frameText = kNoneText + std::string(3000, '-');
    EXPECT_EQ(links::SendFrameText(request, reply, monitor), 0);
    request.frameText = kNoneText;
    EXPECT_EQ(links::SendFrameText(request, reply, monitor), 15);
    EXPECT_EQ(testsupport::ReadTextFile(log), "RX " + kNoneText + "\n");
}

TEST(SendFrameText, EmptyTextSendsNothingAndWaitsInVain)
{
    BothLinks sign;
    links::ReplyBuffer reply;
    links::CollectingMonitor monitor;
    EXPECT_EQ(links::SendFrameText(sign.Request(links::Link::Tcpip, ""), reply, monitor), -1);
    EXPECT_EQ(monitor.Lines(),
              (std::vector<std::string>{"[PORT]: Send 127.0.0.1 bytes:0",
                                        "[SEND]: ", "[RECV]: None Respond from : TCP127.0.0.1", kSeparator}));
}

// The first reply is longer (two bytes before its frame); the second overwrites only
// its own length, and the first reply's tail stays beyond it.
TEST(SendFrameText, SecondSendLeavesTheOlderTailBeyondItsResult)
{
    BothLinks sign({"--fault", "prefix:11 22", "--fault-count", "1"});
    links::ReplyBuffer reply;
    links::CollectingMonitor monitor;
    const links::SendRequest request = sign.Request(links::Link::Rs232);
    ASSERT_EQ(links::SendFrameText(request, reply, monitor), 17);
    ASSERT_EQ(links::SendFrameText(request, reply, monitor), 15);
    const std::vector<std::uint8_t> second = NoneReply();
    EXPECT_TRUE(std::equal(second.begin(), second.end(), reply.bytes.begin()));
    // The first reply was 11 22 and the 15-byte frame: its last two bytes were 7E 00.
    EXPECT_EQ(reply.bytes[15], 0x7E);
    EXPECT_EQ(reply.bytes[16], 0x00);
}

}  // namespace

#include "bench/links/tcp_exchange.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <numeric>
#include <string>
#include <vector>

#include "bench/links/collecting_monitor.h"
#include "protocol/frame_text.h"
#include "tests/links/sim_replies.h"
#include "tests/support/sim_process.h"

namespace {

using linkstest::Join;
using linkstest::Letters;
using linkstest::LettersText;
using linkstest::NoneBytes;
using linkstest::NoneReply;
using linkstest::Unescaped;
using linkstest::WithoutLast;

const std::string kSeparator(33, '-');
const std::string kSendLines[] = {"[PORT]: Send 127.0.0.1 bytes:14",
                                  "[SEND]: 7E 01 FE FE 00 04 4E 4F 4E 45 FF FF 7E 00 "};

links::TcpRequest RequestFor(const testsupport::SimProcess& sim)
{
    links::TcpRequest request;
    request.address = sim.TcpHost();
    request.port = sim.TcpPort();
    request.timeoutMs = 300;
    request.pauseAfterCloseMs = 0;
    return request;
}

unsigned ByteSum(const std::vector<std::uint8_t>& bytes)
{
    return std::accumulate(bytes.begin(), bytes.end(), 0u) & 0xFF;
}

// A loopback port nobody listens on: bound, noted, closed again.
std::uint16_t ClosedLoopbackPort()
{
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t size = sizeof address;
    const bool ok = fd >= 0 && bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
                    getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size) == 0;
    if (fd >= 0) close(fd);
    return ok ? ntohs(address.sin_port) : 0;
}

struct TcpCase {
    const char* name;
    std::vector<std::string> simArgs;
    std::vector<std::uint8_t> read;    // every byte read from the connection
    std::vector<std::uint8_t> stored;  // the bytes kept, as they came, 00 appended when closed
    int result;
};

TEST(TcpExchange, StoresSumsLogsAndUnescapesTheReply)
{
    std::vector<std::uint8_t> flood{0x7E, 0x01};
    flood.resize(992, 0x41);
    const TcpCase cases[] = {
        {"plain reply", {}, WithoutLast(NoneReply()), NoneReply(), 15},
        {"escaped data",
         {"--reply-data", "00 7E 7D"},
         WithoutLast(NoneReply({0x00, 0x7E, 0x7D})),
         NoneReply({0x00, 0x7E, 0x7D}),
         17},
        {"no end marker", {"--fault", "noend"}, WithoutLast(NoneReply(), 2), WithoutLast(NoneReply(), 2), 13},
        // Bytes before the start marker are summed but not stored.
        {"zeros before the frame",
         {"--fault", "prefix:00 00"},
         Join({0x00, 0x00}, WithoutLast(NoneReply())),
         NoneReply(),
         15},
        {"bytes before the frame",
         {"--fault", "prefix:11 22"},
         Join({0x11, 0x22}, WithoutLast(NoneReply())),
         NoneReply(),
         15},
        // A reply that never ends is cut at 992 bytes from its first 7E.
        {"flood", {"--fault", "flood:2000"}, flood, flood, 992},
        // 979 data bytes put the closing 7E at index 991: it is still taken, with its 00.
        {"closing 7E at the limit",
         {"--reply-data", "00 " + LettersText(978)},
         WithoutLast(NoneReply(Join({0x00}, Letters(978)))),
         NoneReply(Join({0x00}, Letters(978))),
         993},
        // One more data byte and the limit comes first: the closing 7E is never read.
        {"closing 7E past the limit",
         {"--reply-data", "00 " + LettersText(979)},
         WithoutLast(NoneReply(Join({0x00}, Letters(979))), 2),
         WithoutLast(NoneReply(Join({0x00}, Letters(979))), 2),
         992},
    };
    for (const TcpCase& c : cases) {
        SCOPED_TRACE(c.name);
        testsupport::SimProcess sim(linkstest::SimOptions(c.simArgs));
        links::ReplyBuffer reply;
        reply.bytes.fill(0xAB);
        links::CollectingMonitor monitor;
        const int result = links::TcpExchange(RequestFor(sim), NoneBytes(), reply, monitor);

        EXPECT_EQ(result, c.result);
        EXPECT_EQ(monitor.Lines(),
                  (std::vector<std::string>{kSendLines[0], kSendLines[1],
                                            "[RECV]: Recv bytes:" + std::to_string(c.stored.size()) +
                                                " CheckSum:" + std::to_string(ByteSum(c.read)),
                                            "[RECV]: " + protocol::HexText(c.stored), kSeparator}));
        const std::vector<std::uint8_t> expected = Unescaped(c.stored);
        ASSERT_EQ(expected.size(), static_cast<std::size_t>(c.result));
        EXPECT_TRUE(std::equal(expected.begin(), expected.end(), reply.bytes.begin()));
    }
}

TEST(TcpExchange, WorkedExampleLinesForTheNoneProbe)
{
    testsupport::SimProcess sim({});
    links::ReplyBuffer reply;
    links::CollectingMonitor monitor;
    ASSERT_EQ(links::TcpExchange(RequestFor(sim), NoneBytes(), reply, monitor), 15);
    // FE FE 00 05 4E 4F 4E 45 00 sums to 0x0331; + 0x5AA5 gives the check 5D D6.
    EXPECT_EQ(monitor.Lines(), (std::vector<std::string>{
                                   kSendLines[0], kSendLines[1], "[RECV]: Recv bytes:15 CheckSum:97",
                                   "[RECV]: 7E 01 FE FE 00 05 4E 4F 4E 45 00 5D D6 7E 00 ", kSeparator}));
}

TEST(TcpExchange, SilentSignGivesNoneRespondWithoutCountLine)
{
    testsupport::SimProcess sim(linkstest::SimOptions({"--fault", "silent"}));
    for (const bool log : {true, false}) {
        SCOPED_TRACE(log);
        links::TcpRequest request = RequestFor(sim);
        request.log = log;
        links::ReplyBuffer reply;
        links::CollectingMonitor monitor;
        EXPECT_EQ(links::TcpExchange(request, NoneBytes(), reply, monitor), -1);
        std::vector<std::string> lines;
        if (log) lines = {kSendLines[0], kSendLines[1]};
        lines.insert(lines.end(), {"[RECV]: None Respond from : TCP127.0.0.1", kSeparator});
        EXPECT_EQ(monitor.Lines(), lines);
    }
}

// Bytes came but none was a 7E: nothing is stored, yet the count-and-sum line shows
// what was read before the no-reply line.
TEST(TcpExchange, ReplyWithoutAStartMarkerIsNoReply)
{
    testsupport::SimProcess sim(linkstest::SimOptions({"--fault", "unframed"}));
    links::ReplyBuffer reply;
    links::CollectingMonitor monitor;
    EXPECT_EQ(links::TcpExchange(RequestFor(sim), NoneBytes(), reply, monitor), -1);
    const std::vector<std::uint8_t> frame = NoneReply();
    const std::vector<std::uint8_t> body(frame.begin() + 2, frame.end() - 2);
    EXPECT_EQ(monitor.Lines(),
              (std::vector<std::string>{kSendLines[0], kSendLines[1],
                                        "[RECV]: Recv bytes:0 CheckSum:" + std::to_string(ByteSum(body)),
                                        "[RECV]: None Respond from : TCP127.0.0.1", kSeparator}));
}

TEST(TcpExchange, WithoutLogBothReceiveLinesStay)
{
    testsupport::SimProcess sim({});
    links::TcpRequest request = RequestFor(sim);
    request.log = false;
    links::ReplyBuffer reply;
    links::CollectingMonitor monitor;
    EXPECT_EQ(links::TcpExchange(request, NoneBytes(), reply, monitor), 15);
    EXPECT_EQ(monitor.Lines(),
              (std::vector<std::string>{"[RECV]: Recv bytes:15 CheckSum:97",
                                        "[RECV]: " + protocol::HexText(NoneReply()), kSeparator}));
}

TEST(TcpExchange, UnreachableOrMalformedAddressIsAnError)
{
    const std::uint16_t closed = ClosedLoopbackPort();
    ASSERT_NE(closed, 0);
    const std::pair<std::string, std::uint16_t> cases[] = {
        {"127.0.0.1", closed}, {"", 2015}, {"127.0.0.300", 2015}, {"localhost-ish", 2015}};
    for (const auto& [address, port] : cases) {
        SCOPED_TRACE(address);
        links::TcpRequest request;
        request.address = address;
        request.port = port;
        request.timeoutMs = 300;
        links::ReplyBuffer reply;
        reply.bytes.fill(0xAB);
        links::CollectingMonitor monitor;
        EXPECT_EQ(links::TcpExchange(request, NoneBytes(), reply, monitor), -1);
        EXPECT_EQ(monitor.Lines(),
                  (std::vector<std::string>{"[ERROR]: Can't Open TCPIP " + address, kSeparator}));
        EXPECT_TRUE(std::all_of(reply.bytes.begin(), reply.bytes.end(), [](auto b) { return b == 0xAB; }));
    }
}

}  // namespace

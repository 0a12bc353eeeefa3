#include "bench/links/port_probe.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "bench/links/collecting_monitor.h"
#include "bench/links/send_path.h"
#include "tests/links/sim_replies.h"
#include "tests/support/temp_dir.h"

namespace {

const std::string kSeparator(33, '-');

TEST(ProbePorts, StopsAtTheFirstReplyOfMoreThanFourBytes)
{
    struct Case {
        const char* what;
        std::map<int, int> results;  // port number -> exchange result
        std::optional<int> found;
        std::string tried;
        std::vector<int> sent;
    } cases[] = {
        {"second port answers", {{1, 0}, {4, 15}, {5, 15}}, 4, "COM1,COM4,", {1, 4}},
        {"four bytes are no frame", {{1, 4}, {4, -1}, {5, 5}}, 5, "COM1,COM4,COM5,", {1, 4, 5}},
        {"nobody answers", {{1, 0}, {4, -1}, {5, 4}}, std::nullopt, "COM1,COM4,COM5,", {1, 4, 5}},
    };
    const std::vector<links::ScannedPort> ports = {{"COM1", 1, "a"}, {"COM4", 4, "b"}, {"COM5", 5, "c"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<int> sent;
        const auto result = links::ProbePorts(ports, [&](int port) {
            sent.push_back(port);
            return c.results.at(port);
        });
        EXPECT_EQ(result.found ? std::optional<int>(result.found->number) : std::nullopt, c.found);
        EXPECT_EQ(result.tried, c.tried);
        EXPECT_EQ(sent, c.sent);
    }
    EXPECT_EQ(links::ProbeFailureText(links::ProbePorts({}, [](int) { return 15; })), "no respond!");
    EXPECT_EQ(links::ProbeSuccessText(4), "COM4 Successful!");
}

// Virtual signs on ptys, one per port number, probed through the send path.
class PtyProbe : public ::testing::Test {
protected:
    void AddSign(int number, std::vector<std::string> faults)
    {
        const std::string link = dir.File("com" + std::to_string(number));
        signs.push_back(
            std::make_unique<testsupport::SimProcess>(linkstest::SimOptions(std::move(faults), link, false)));
        ports.push_back({"COM" + std::to_string(number), number, link});
    }
    links::ProbeResult Probe()
    {
        return links::ProbePorts(ports, [this](int port) {
            links::SendRequest request;
            request.frameText = links::kNoneProbeText;
            request.serial.port = port;
            for (const auto& p : ports)
                if (p.number == port) request.serial.device = p.device;
            request.serial.timeoutMs = 150;
            return links::SendFrameText(request, reply, monitor);
        });
    }

    testsupport::TempDir dir;
    std::vector<std::unique_ptr<testsupport::SimProcess>> signs;
    std::vector<links::ScannedPort> ports;
    links::ReplyBuffer reply;
    links::CollectingMonitor monitor;
};

TEST_F(PtyProbe, SilentPortThenASign)
{
    AddSign(1, {"--fault", "silent"});
    AddSign(4, {});
    const auto result = Probe();
    ASSERT_TRUE(result.found);
    EXPECT_EQ(result.found->number, 4);
    EXPECT_EQ(result.tried, "COM1,COM4,");
    const std::string probe = links::kNoneProbeText;
    const std::vector<std::string> expected = {
        "[PORT]: COM1",
        "[SEND]: " + probe,
        "[RECV]: None Respond from : COM1",
        kSeparator,
        "[PORT]: COM4",
        "[SEND]: " + probe,
        "[RECV]: " + protocol::HexText(linkstest::NoneReply()),
        kSeparator,
    };
    EXPECT_EQ(monitor.Lines(), expected);
}

TEST_F(PtyProbe, FourByteAnswerIsNotFound)
{
    AddSign(2, {"--fault", "flood:2"});  // 7E 01 41 41 and nothing more
    const auto result = Probe();
    EXPECT_FALSE(result.found);
    EXPECT_EQ(links::ProbeFailureText(result), "COM2,no respond!");
    ASSERT_EQ(monitor.Lines().size(), 4u);
    EXPECT_EQ(monitor.Lines()[2], "[RECV]: 7E 01 41 41 ");
}

}  // namespace

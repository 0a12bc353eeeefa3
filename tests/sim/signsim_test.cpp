#include <gtest/gtest.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>

#include "sim/hex_bytes.h"
#include "tests/sim/wire_client.h"
#include "tests/support/sim_process.h"
#include "tests/support/temp_dir.h"

using simtest::Bytes;
using testsupport::SimProcess;

namespace {

using Clock = std::chrono::steady_clock;

Bytes Hex(const char* text) { return *sim::ParseHexBytes(text); }

Bytes operator+(Bytes a, const Bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Short limits keep the suite fast: the sign answers at once on loopback.
constexpr int kReplyMs = 2000;
constexpr int kQuietMs = 150;

const Bytes kNoneProbe = Hex("7E 01 FE FE 00 04 4E 4F 4E 45 FF FF 7E 00");
const Bytes kNoneReply = Hex("7E 01 FE FE 00 05 4E 4F 4E 45 00 5D D6 7E 00");

SimProcess::Options Tcp(std::vector<std::string> extra = {})
{
    SimProcess::Options options;
    options.extraArgs = std::move(extra);
    return options;
}

Bytes TcpExchange(const SimProcess& sim, const Bytes& request)
{
    const sim::UniqueFd fd = simtest::ConnectTcp(sim.TcpHost(), sim.TcpPort());
    simtest::WriteAll(fd.Get(), request);
    return simtest::ReadReply(fd.Get(), kReplyMs).bytes;
}

long long MsSince(Clock::time_point start)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

}  // namespace

TEST(SignsimTcp, AnswersNoneWithAWellFormedFrame)
{
    const SimProcess sim(Tcp());
    EXPECT_EQ(sim.TcpHost(), "127.0.0.1");
    EXPECT_NE(sim.TcpPort(), 0);
    EXPECT_EQ(TcpExchange(sim, kNoneProbe), kNoneReply);
}

TEST(SignsimTcp, EchoesIdAndCommandAndAcknowledgesUnknownCommands)
{
    const SimProcess sim(Tcp());
    struct Case { const char* request; const char* reply; };
    const Case cases[] = {
        // Sign id 1 with a computed check: 0x135 + 0x5AA5.
        {"7E 01 00 01 00 04 4E 4F 4E 45 5B DA 7E 00", "7E 01 00 01 00 05 4E 4F 4E 45 00 5B DB 7E 00"},
        {"7E 01 FE FE 00 06 41 42 43 44 7D 02 7D 01 FF FF 7E 00", "7E 01 FE FE 00 05 41 42 43 44 00 5D B0 7E 00"},
    };
    for (const Case& c : cases) EXPECT_EQ(TcpExchange(sim, Hex(c.request)), Hex(c.reply)) << c.request;
}

TEST(SignsimTcp, ServesManyFramesOnOneConnectionAndSeveralClientsAtOnce)
{
    const SimProcess sim(Tcp());
    const sim::UniqueFd first = simtest::ConnectTcp(sim.TcpHost(), sim.TcpPort());
    const sim::UniqueFd second = simtest::ConnectTcp(sim.TcpHost(), sim.TcpPort());
    for (int i = 0; i < 3; ++i) {
        simtest::WriteAll(second.Get(), kNoneProbe);
        EXPECT_EQ(simtest::ReadReply(second.Get(), kReplyMs).bytes, kNoneReply);
        simtest::WriteAll(first.Get(), kNoneProbe);
        EXPECT_EQ(simtest::ReadReply(first.Get(), kReplyMs).bytes, kNoneReply);
    }
}

TEST(SignsimTcp, PutsReplyDataIntoEveryAcknowledgementEscaped)
{
    const SimProcess sim(Tcp({"--reply-data", "00 7E 7D 41"}));
    // 0x330 + 4 more length + 0x7E + 0x7D + 0x41 = 0x470, + 0x5AA5 = 0x5F15.
    EXPECT_EQ(TcpExchange(sim, kNoneProbe),
              Hex("7E 01 FE FE 00 08 4E 4F 4E 45 00 7D 02 7D 01 41 5F 15 7E 00"));
}

TEST(SignsimTcp, MisbehavesAsAsked)
{
    struct Case { const char* fault; Bytes bytes; bool closed; };
    Bytes flood = Hex("7E 01");
    flood.insert(flood.end(), 3000, 0x41);
    const Case cases[] = {
        {"silent", {}, false},
        {"badcheck", Hex("7E 01 FE FE 00 05 4E 4F 4E 45 00 5D D7 7E 00"), false},
        {"unframed", Hex("FE FE 00 05 4E 4F 4E 45 00 5D D6"), false},
        {"drop", Hex("7E 01 FE FE 00 05 4E"), true},
        {"status:05", Hex("7E 01 FE FE 00 05 4E 4F 4E 45 05 5D DB 7E 00"), false},
        {"noend", Hex("7E 01 FE FE 00 05 4E 4F 4E 45 00 5D D6"), false},
        {"flood:3000", flood, false},
        {"prefix:00 00", Hex("00 00") + kNoneReply, false},
    };
    for (const Case& c : cases) {
        const SimProcess sim(Tcp({"--fault", c.fault}));
        const sim::UniqueFd fd = simtest::ConnectTcp(sim.TcpHost(), sim.TcpPort());
        simtest::WriteAll(fd.Get(), kNoneProbe);
        const simtest::Received got = simtest::ReadUntilQuiet(fd.Get(), kQuietMs);
        EXPECT_EQ(got.bytes, c.bytes) << c.fault;
        EXPECT_EQ(got.closed, c.closed) << c.fault;
    }
}

TEST(SignsimTcp, AnswersLateWithoutHoldingUpOtherClients)
{
    const SimProcess sim(Tcp({"--fault", "late:300", "--fault-count", "1"}));
    const sim::UniqueFd slow = simtest::ConnectTcp(sim.TcpHost(), sim.TcpPort());
    const sim::UniqueFd quick = simtest::ConnectTcp(sim.TcpHost(), sim.TcpPort());
    const auto start = Clock::now();
    simtest::WriteAll(slow.Get(), kNoneProbe);
    simtest::WriteAll(quick.Get(), kNoneProbe);
    EXPECT_EQ(simtest::ReadReply(quick.Get(), kReplyMs).bytes, kNoneReply);
    EXPECT_TRUE(simtest::ReadReply(slow.Get(), 0).bytes.empty()) << "the late reply came with the quick one";
    EXPECT_EQ(simtest::ReadReply(slow.Get(), kReplyMs).bytes, kNoneReply);
    EXPECT_GE(MsSince(start), 300);
}

TEST(SignsimTcp, AnswersInPiecesSpreadOverTime)
{
    const SimProcess sim(Tcp({"--fault", "pieces:40"}));
    const auto start = Clock::now();
    EXPECT_EQ(TcpExchange(sim, kNoneProbe), kNoneReply);
    EXPECT_GE(MsSince(start), 4 * 40);  // five pieces of three bytes, four gaps
}

TEST(SignsimTcp, FaultCountLimitsTheFaultToTheFirstFrames)
{
    const SimProcess sim(Tcp({"--fault", "status:05", "--fault-count", "2"}));
    const sim::UniqueFd fd = simtest::ConnectTcp(sim.TcpHost(), sim.TcpPort());
    const Bytes rejected = Hex("7E 01 FE FE 00 05 4E 4F 4E 45 05 5D DB 7E 00");
    for (const Bytes& expected : {rejected, rejected, kNoneReply, kNoneReply}) {
        simtest::WriteAll(fd.Get(), kNoneProbe);
        EXPECT_EQ(simtest::ReadReply(fd.Get(), kReplyMs).bytes, expected);
    }
}

TEST(SignsimLog, RecordsFramesAnomaliesAndStrayBytes)
{
    const testsupport::TempDir dir;
    SimProcess::Options options = Tcp();
    options.logFile = dir.File("sim.log");
    const SimProcess sim(options);

    // Bad frames get no answer: the only reply is the good frame's.
    const Bytes badLength = Hex("7E 01 FE FE 00 05 4E 4F 4E 45 FF FF 7E 00");
    const Bytes badCheck = Hex("7E 01 FE FE 00 04 4E 4F 4E 45 12 34 7E 00");
    const Bytes badEscape = Hex("7E 01 FE FE 00 04 4E 4F 4E 45 FF FF 7D 7E 00");
    const Bytes all = Hex("61 32") + badLength + badCheck + badEscape + kNoneProbe;
    const sim::UniqueFd fd = simtest::ConnectTcp(sim.TcpHost(), sim.TcpPort());
    simtest::WriteAll(fd.Get(), all);
    EXPECT_EQ(simtest::ReadUntilQuiet(fd.Get(), kQuietMs).bytes, kNoneReply);

    const std::vector<std::string> expected = {
        "UNFRAMED 61 32 ",
        "BAD LENGTH 7E 01 FE FE 00 05 4E 4F 4E 45 FF FF 7E 00 ",
        "BAD CHECK 7E 01 FE FE 00 04 4E 4F 4E 45 12 34 7E 00 ",
        "BAD ESCAPE 7E 01 FE FE 00 04 4E 4F 4E 45 FF FF 7D 7E 00 ",
        "RX 7E 01 FE FE 00 04 4E 4F 4E 45 FF FF 7E 00 ",
    };
    EXPECT_EQ(simtest::WaitForLogLine(options.logFile, "RX", kReplyMs), expected);
}

TEST(SignsimLog, ReportsStrayBytesAfterAQuietGap)
{
    const testsupport::TempDir dir;
    SimProcess::Options options = Tcp();
    options.logFile = dir.File("sim.log");
    const SimProcess sim(options);
    const sim::UniqueFd fd = simtest::ConnectTcp(sim.TcpHost(), sim.TcpPort());
    simtest::WriteAll(fd.Get(), Hex("61 32"));
    EXPECT_EQ(simtest::WaitForLogLine(options.logFile, "UNFRAMED", kReplyMs),
              std::vector<std::string>{"UNFRAMED 61 32 "});
}

class SignsimPty : public ::testing::Test {
protected:
    SimProcess::Options PtyOptions(std::vector<std::string> extra = {})
    {
        SimProcess::Options options;
        options.tcp = false;
        options.ptyLink = dir_.File("sign-tty");
        options.extraArgs = std::move(extra);
        return options;
    }
    testsupport::TempDir dir_;
};

TEST_F(SignsimPty, AnswersOverTheLinkAgainAndAgain)
{
    const SimProcess::Options options = PtyOptions();
    {
        const SimProcess sim(options);
        EXPECT_TRUE(sim.TcpHost().empty());
        EXPECT_EQ(std::filesystem::read_symlink(options.ptyLink), sim.PtyPath());
        // Each exchange opens and closes the line, as the bench and the library do.
        for (int i = 0; i < 3; ++i) {
            const sim::UniqueFd fd = simtest::OpenSerial(options.ptyLink);
            simtest::WriteAll(fd.Get(), kNoneProbe);
            EXPECT_EQ(simtest::ReadReply(fd.Get(), kReplyMs).bytes, kNoneReply) << "exchange " << i;
        }
    }
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(options.ptyLink)))
        << "the link outlived the sign";
}

TEST_F(SignsimPty, ReplacesAnOldLink)
{
    const SimProcess::Options options = PtyOptions();
    testsupport::WriteTextFile(options.ptyLink, "stale");
    const SimProcess sim(options);
    EXPECT_EQ(std::filesystem::read_symlink(options.ptyLink), sim.PtyPath());
}

// The bench stops at the closing 7E and closes the line; the next exchange still
// gets exactly its own reply.
TEST_F(SignsimPty, StartsEachExchangeAfterAPartlyReadReplyClean)
{
    const SimProcess sim(PtyOptions());
    {
        const sim::UniqueFd bench = simtest::OpenSerial(sim.PtyPath());
        simtest::WriteAll(bench.Get(), kNoneProbe);
        const Bytes upToMarker(kNoneReply.begin(), kNoneReply.end() - 1);
        EXPECT_EQ(simtest::ReadUpToClosingMarker(bench.Get(), kReplyMs).bytes, upToMarker);
    }
    const sim::UniqueFd next = simtest::OpenSerial(sim.PtyPath());
    simtest::WriteAll(next.Get(), kNoneProbe);
    EXPECT_EQ(simtest::ReadReply(next.Get(), kReplyMs).bytes, kNoneReply);
    EXPECT_TRUE(simtest::ReadUntilQuiet(next.Get(), 50).bytes.empty());
}

// A reply still waiting for a client that has closed the line is dropped, not
// written ahead of the next client's reply.
TEST_F(SignsimPty, DropsALateReplyWhenItsClientLeaves)
{
    const SimProcess sim(PtyOptions({"--fault", "late:300", "--fault-count", "1"}));
    {
        const sim::UniqueFd gone = simtest::OpenSerial(sim.PtyPath());
        simtest::WriteAll(gone.Get(), Hex("7E 01 FE FE 00 04 41 42 43 44 FF FF 7E 00"));
    }
    usleep(60'000);
    const sim::UniqueFd next = simtest::OpenSerial(sim.PtyPath());
    simtest::WriteAll(next.Get(), kNoneProbe);
    EXPECT_EQ(simtest::ReadReply(next.Get(), kReplyMs).bytes, kNoneReply);
    EXPECT_TRUE(simtest::ReadUntilQuiet(next.Get(), 400).bytes.empty()) << "the late reply still came";
}

TEST_F(SignsimPty, ServesTcpAndPtyTogether)
{
    SimProcess::Options options = PtyOptions();
    options.tcp = true;
    const SimProcess sim(options);
    const sim::UniqueFd line = simtest::OpenSerial(sim.PtyPath());
    EXPECT_EQ(TcpExchange(sim, kNoneProbe), kNoneReply);
    simtest::WriteAll(line.Get(), kNoneProbe);
    EXPECT_EQ(simtest::ReadReply(line.Get(), kReplyMs).bytes, kNoneReply);
}

// At 1200 baud a byte takes 8.33 ms: the 14 bytes of the probe must cross before
// the sign can answer, and its 15 bytes of reply cross after that.
TEST_F(SignsimPty, PacesTheLineAtTheGivenSpeed)
{
    const SimProcess sim(PtyOptions({"--baud", "1200"}));
    const sim::UniqueFd line = simtest::OpenSerial(sim.PtyPath());
    const Clock::time_point start = Clock::now();
    simtest::WriteAll(line.Get(), kNoneProbe);
    EXPECT_EQ(simtest::ReadReply(line.Get(), kReplyMs).bytes, kNoneReply);
    EXPECT_GE(MsSince(start), 29 * 10'000 / 1200);
}

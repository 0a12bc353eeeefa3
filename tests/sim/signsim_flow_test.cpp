#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

#include "sim/hex_bytes.h"
#include "sim/tcp_listener.h"
#include "tests/sim/wire_client.h"
#include "tests/support/sim_process.h"
#include "tests/support/temp_dir.h"

using simtest::Bytes;
using testsupport::SimProcess;

namespace {

using Clock = std::chrono::steady_clock;

const Bytes kNoneProbe = *sim::ParseHexBytes("7E 01 FE FE 00 04 4E 4F 4E 45 FF FF 7E 00");
const Bytes kNoneReply = *sim::ParseHexBytes("7E 01 FE FE 00 05 4E 4F 4E 45 00 5D D6 7E 00");

long ResidentKb(int pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) != 0) continue;
        std::istringstream fields(line.substr(6));
        long kb = 0;
        fields >> kb;
        return kb;
    }
    return -1;
}

// Writes probes without reading anything back, as fast as the sign takes them,
// until it has taken nothing for stallMs or maxMs have passed; returns the bytes
// written (the last probe may be cut short).
std::size_t FloodWithoutReading(int fd, int maxMs, int stallMs)
{
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    Bytes block;
    for (int i = 0; i < 256; ++i) block.insert(block.end(), kNoneProbe.begin(), kNoneProbe.end());
    std::size_t written = 0;
    const Clock::time_point end = Clock::now() + std::chrono::milliseconds(maxMs);
    Clock::time_point lastTaken = Clock::now();
    while (Clock::now() < end && Clock::now() - lastTaken < std::chrono::milliseconds(stallMs)) {
        pollfd p{fd, POLLOUT, 0};
        if (::poll(&p, 1, 10) <= 0) continue;
        const std::size_t at = written % block.size();
        const ssize_t n = ::write(fd, block.data() + at, block.size() - at);
        if (n <= 0) continue;
        written += static_cast<std::size_t>(n);
        lastTaken = Clock::now();
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return written;
}

// Reads until `expected` bytes came or nothing came for a while.
Bytes ReadAtLeast(int fd, std::size_t expected)
{
    Bytes got;
    got.reserve(expected);
    std::uint8_t buffer[65536];
    while (got.size() < expected) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, 3000) <= 0) break;
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n <= 0) break;
        got.insert(got.end(), buffer, buffer + n);
    }
    return got;
}

struct Link {
    const char* name;
    bool pty;
};

class SignsimFlow : public ::testing::TestWithParam<Link> {};

}  // namespace

// A client that sends and never reads: the sign stops reading it while its replies
// wait, so its memory stays flat, and once the client reads again every frame gets
// its answer, none lost.
TEST_P(SignsimFlow, AClientThatNeverReadsCannotGrowTheSign)
{
    const testsupport::TempDir dir;
    SimProcess::Options options;
    options.tcp = !GetParam().pty;
    if (GetParam().pty) options.ptyLink = dir.File("sign-tty");
    const SimProcess sim(options);
    const sim::UniqueFd fd = GetParam().pty ? simtest::OpenSerial(sim.PtyPath())
                                            : simtest::ConnectTcp(sim.TcpHost(), sim.TcpPort());
    simtest::WriteAll(fd.Get(), kNoneProbe);
    ASSERT_EQ(simtest::ReadReply(fd.Get(), 2000).bytes, kNoneReply);
    const long before = ResidentKb(sim.Pid());
    ASSERT_GT(before, 0);

    // Long enough to get past what the kernel's buffers take on loopback.
    const std::size_t written = FloodWithoutReading(fd.Get(), 3000, 300);
    const long during = ResidentKb(sim.Pid());
    EXPECT_LT(during - before, 4 * 1024) << "signsim grew from " << before << " kB to " << during << " kB";

    // Finish the probe cut short while the replies are read.
    const std::size_t frames = (written + kNoneProbe.size() - 1) / kNoneProbe.size();
    std::thread finish([&] {
        const std::size_t cut = written % kNoneProbe.size();
        if (cut) simtest::WriteAll(fd.Get(), Bytes(kNoneProbe.begin() + cut, kNoneProbe.end()));
    });
    const Bytes replies = ReadAtLeast(fd.Get(), frames * kNoneReply.size());
    finish.join();
    ASSERT_EQ(replies.size(), frames * kNoneReply.size()) << frames << " frames sent";
    for (std::size_t i = 0; i < frames; ++i)
        ASSERT_TRUE(std::equal(kNoneReply.begin(), kNoneReply.end(), replies.begin() + i * kNoneReply.size()))
            << "reply " << i;
    EXPECT_GT(frames, 64u * 1024 / kNoneReply.size()) << "the sign was never pushed to its limit";
}

INSTANTIATE_TEST_SUITE_P(Links, SignsimFlow, ::testing::Values(Link{"Tcp", false}, Link{"Pty", true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ListenAddress, OnlyLoopbackCountsAsPrivateToThisMachine)
{
    struct Case {
        const char* host;
        bool loopback;
    };
    const Case cases[] = {
        {"127.0.0.1", true},        {"127.0.0.2", true},      {"127.255.255.254", true},
        {"0.0.0.0", false},         {"192.168.1.250", false}, {"10.0.0.1", false},
        {"126.255.255.255", false}, {"128.0.0.1", false},     {"not an address", false},
    };
    for (const Case& c : cases) EXPECT_EQ(sim::IsLoopbackAddress(c.host), c.loopback) << c.host;
}

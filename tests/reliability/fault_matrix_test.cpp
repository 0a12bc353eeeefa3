#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "bench/links/collecting_monitor.h"
#include "bench/links/serial_exchange.h"
#include "bench/links/tcp_exchange.h"
#include "protocol/frame_text.h"
#include "tests/library/library_folder.h"
#include "tests/support/sim_process.h"
#include "tests/support/temp_dir.h"

namespace {

using Clock = std::chrono::steady_clock;

// The time limits of the matrix: the bench's serial read time-out and TCP wait, the
// library's serial read time-out; the library's network limits are its own second.
constexpr int kBenchSerialMs = 200;
constexpr int kBenchTcpMs = 300;
constexpr int kLibrarySerialMs = 200;
constexpr int kLibraryNetMs = 1000;
// Room for a loaded machine; a cell that takes longer has hung somewhere.
constexpr int kMarginMs = 1500;

const std::string kNoneText = "7E 01 FE FE 00 04 4E 4F 4E 45 FF FF 7E 00 ";

enum class Side { Bench, Library };
enum class Wire { Tcp, Pty };

// One fault of the sign and what each side makes of it on each wire: the bench's
// exchange result (the unescaped count, 0 or -1 for no reply) and the library's
// Send result, each with the longest time the specified limits allow.
struct Fault {
    const char* name;
    std::vector<std::string> args;
    int benchPty;
    int benchTcp;
    int libraryPty;
    int libraryTcp;
    int slowestMs;  // the longest a cell may take by the limits above
};

// Library serial: three attempts of 200 ms each at most; library network: one second
// for the first failing reception, then -11 at once on the closed connection.
const int kLibrarySerialRun = 3 * kLibrarySerialMs;

const Fault kFaults[] = {
    {"sound", {}, 15, 15, 0, 0, 0},
    {"silent", {"silent"}, 0, -1, -5, -11, kLibraryNetMs},
    {"late_within_limits", {"late:50"}, 15, 15, 0, 0, 50},
    {"late_beyond_limits", {"late:1500"}, 0, -1, -5, -11, kLibraryNetMs},
    {"pieces_within_limits", {"pieces:20"}, 15, 15, 0, 0, 100},
    // Gaps longer than every read time-out: the first piece is all a reading sees.
    {"pieces_beyond_limits", {"pieces:400"}, 3, 3, -7, -11, kLibraryNetMs},
    {"bad_check", {"badcheck"}, 15, 15, -6, -6, 0},
    {"unframed", {"unframed"}, 11, -1, -7, -11, kLibraryNetMs},
    // The pty stays open, so a dropped reply ends like a cut one there.
    {"drop", {"drop"}, 7, 7, -7, -11, kLibraryNetMs},
    {"status", {"status:05"}, 15, 15, 0, 0, 0},
    {"no_end", {"noend"}, 13, 13, -7, -11, kLibraryNetMs},
    {"flood", {"flood:3000"}, 1024, 992, -7, -11, kLibraryNetMs},
    {"flood_beyond_buffers", {"flood:30000"}, 1024, 992, -7, -11, kLibraryNetMs},
    {"bytes_before_the_frame", {"prefix:00 00"}, 17, 15, -7, -11, kLibraryNetMs},
    {"markers_before_the_frame", {"prefix:7E 7E"}, 17, 3, -7, -11, kLibraryNetMs},
    // Faults on the first frame only: the library's second attempt gets a sound reply.
    {"bad_check_once", {"badcheck", "--fault-count", "1"}, 15, 15, 0, 0, 0},
    {"silent_once", {"silent", "--fault-count", "1"}, 0, -1, 0, -11, kLibraryNetMs},
    {"drop_once", {"drop", "--fault-count", "1"}, 7, 7, 0, -11, kLibraryNetMs},
};

struct Cell {
    const Fault* fault;
    Side side;
    Wire wire;
};

std::vector<Cell> AllCells()
{
    std::vector<Cell> cells;
    for (const Fault& fault : kFaults)
        for (const Side side : {Side::Bench, Side::Library})
            for (const Wire wire : {Wire::Tcp, Wire::Pty}) cells.push_back({&fault, side, wire});
    return cells;
}

std::string CellName(const ::testing::TestParamInfo<Cell>& info)
{
    const Cell& c = info.param;
    return std::string(c.fault->name) + (c.side == Side::Bench ? "_Bench" : "_Library") +
           (c.wire == Wire::Tcp ? "_Tcp" : "_Pty");
}

testsupport::SimProcess::Options SignFor(const Cell& cell, const testsupport::TempDir& dir)
{
    testsupport::SimProcess::Options options;
    options.tcp = cell.wire == Wire::Tcp;
    if (cell.wire == Wire::Pty) options.ptyLink = dir.File("sign");
    for (std::size_t i = 0; i < cell.fault->args.size(); ++i) {
        const std::string& arg = cell.fault->args[i];
        if (arg.rfind("--", 0) == 0) {
            options.extraArgs.push_back(arg);
            options.extraArgs.push_back(cell.fault->args[++i]);
        } else {
            options.extraArgs.push_back("--fault");
            options.extraArgs.push_back(arg);
        }
    }
    return options;
}

int BenchExchange(const Cell& cell, const testsupport::SimProcess& sign)
{
    const auto bytes = protocol::FrameTextToBytes(kNoneText);
    links::ReplyBuffer reply;
    links::CollectingMonitor monitor;
    if (cell.wire == Wire::Pty) {
        links::SerialRequest request;
        request.device = sign.PtyPath();
        request.timeoutMs = kBenchSerialMs;
        request.editHexData = kNoneText;
        return links::SerialExchange(request, bytes, reply, monitor);
    }
    links::TcpRequest request;
    request.address = sign.TcpHost();
    request.port = sign.TcpPort();
    request.timeoutMs = kBenchTcpMs;
    request.pauseAfterCloseMs = 0;
    return links::TcpExchange(request, bytes, reply, monitor);
}

int LibrarySend(const Cell& cell, const testsupport::SimProcess& sign)
{
    librarytest::LibraryFolder folder("", cell.wire == Wire::Tcp
                                              ? librarytest::TcpSettings(sign.TcpPort())
                                              : librarytest::SerialSettings(sign.PtyPath()));
    folder.Write("FrameInput.dat", "[Output]\n0000_LONG=4\n0000_DATA=4E 4F 4E 45 \nFRAMES=1\n");
    folder.Open();
    return folder.Lib().Send(0, kLibrarySerialMs);
}

class FaultMatrix : public ::testing::TestWithParam<Cell> {};

}  // namespace

// Every fault of the virtual sign against both sides over both wires: the specified
// result, and an end within the limits that apply plus a margin.
TEST_P(FaultMatrix, EndsWithTheSpecifiedResultInTime)
{
    const Cell& cell = GetParam();
    const testsupport::TempDir dir;
    const testsupport::SimProcess sign(SignFor(cell, dir));

    const Clock::time_point start = Clock::now();
    int result = 0;
    int expected = 0;
    int limitMs = kMarginMs;
    if (cell.side == Side::Bench) {
        result = BenchExchange(cell, sign);
        expected = cell.wire == Wire::Pty ? cell.fault->benchPty : cell.fault->benchTcp;
        limitMs += cell.fault->slowestMs + (cell.wire == Wire::Pty ? kBenchSerialMs : kBenchTcpMs);
    } else {
        result = LibrarySend(cell, sign);
        expected = cell.wire == Wire::Pty ? cell.fault->libraryPty : cell.fault->libraryTcp;
        limitMs += cell.fault->slowestMs + (cell.wire == Wire::Pty ? kLibrarySerialRun : kLibraryNetMs);
    }
    const auto tookMs = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
    EXPECT_EQ(result, expected);
    EXPECT_LE(tookMs, limitMs) << "the exchange hung";
}

INSTANTIATE_TEST_SUITE_P(Cells, FaultMatrix, ::testing::ValuesIn(AllCells()), CellName);

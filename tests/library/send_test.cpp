#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/library/library_folder.h"
#include "tests/library/scripted_sign.h"
#include "tests/support/sim_process.h"

namespace librarytest {
namespace {

using Keys = std::vector<std::string>;

// FrameInput.dat with these contents as FrameText.
std::string FrameInput(const std::vector<std::string>& contents)
{
    std::string text = "[Output]\n";
    for (std::size_t k = 0; k < contents.size(); ++k) {
        char number[24];
        std::snprintf(number, sizeof number, "%04zu", k);
        text += std::string(number) + "_LONG=" + std::to_string((contents[k].size() + 1) / 3) + "\n";
        text += std::string(number) + "_DATA=" + contents[k] + "\n";
    }
    return text + "FRAMES=" + std::to_string(contents.size()) + "\n";
}

// A virtual sign on a pty with a log, and a library folder sending to it.
struct SerialRig {
    testsupport::TempDir dir;
    std::string log = dir.File("sim.log");
    testsupport::SimProcess sim;
    LibraryFolder folder;

    explicit SerialRig(std::vector<std::string> faults = {}, int screenId = 1)
        : sim(testsupport::SimProcess::Options{false, "", dir.File("pty"), log, std::move(faults)}),
          folder("", SerialSettings(sim.PtyPath(), screenId))
    {
        folder.Open();
    }
};

struct TcpRig {
    testsupport::TempDir dir;
    std::string log = dir.File("sim.log");
    testsupport::SimProcess sim;
    LibraryFolder folder;

    explicit TcpRig(std::vector<std::string> faults = {}, const std::string& address = "127.0.0.1:0")
        : sim(testsupport::SimProcess::Options{true, address, "", log, std::move(faults)}),
          folder("", TcpSettings(sim.TcpPort()))
    {
        folder.Open();
    }
};

TEST(LibrarySend, SerialWireFrameCarriesTheScreenIdAndCheck)
{
    SerialRig rig;
    rig.folder.Write("FrameInput.dat", FrameInput({"41 42 43 44 "}));
    ASSERT_EQ(rig.folder.Lib().Send(0, 200), 0);
    EXPECT_EQ(LoggedFrames(rig.log), Keys{"7E 01 00 01 00 04 41 42 43 44 5B B4 7E 00 "});
}

TEST(LibrarySend, NetworkFrameUsesTheAllSignsIdAndEscapesItsCheck)
{
    // ScreenID 258 under IPHead 127.0 is 127.0.1.2, where this sign listens.
    testsupport::TempDir dir;
    const std::string log = dir.File("sim.log");
    testsupport::SimProcess sim({true, "127.0.1.2:0", "", log, {}});
    LibraryFolder folder("", "[Setup]\nCommuPort=TCP\n[Argv]\nScreenID=258\nIPHead=127.0\nPort=" +
                                 std::to_string(sim.TcpPort()) + "\n");
    folder.Open();
    folder.Write("FrameInput.dat", FrameInput({"41 42 43 44 CE "}));
    ASSERT_EQ(folder.Lib().Send(0, 0), 0);
    EXPECT_EQ(LoggedFrames(log), Keys{"7E 01 FE FE 00 05 41 42 43 44 CE 5E 7D 02 7E 00 "});
}

TEST(LibrarySend, ASuccessfulRunRecordsEveryKeyInOrder)
{
    for (bool tcp : {false, true}) {
        std::unique_ptr<SerialRig> serial;
        std::unique_ptr<TcpRig> network;
        LibraryFolder* folder = nullptr;
        if (tcp) {
            network = std::make_unique<TcpRig>();
            folder = &network->folder;
        } else {
            serial = std::make_unique<SerialRig>();
            folder = &serial->folder;
        }
        folder->Write("FrameInput.dat", FrameInput({"4E 4F 4E 45 ", "5A 5A 5A 5A ", "41 42 43 44 7E 7D "}));
        ASSERT_EQ(folder->Lib().Send(0, 200), 0) << tcp;
        const std::string id = tcp ? "FE FE " : "00 01 ";
        EXPECT_EQ(folder->ReturnKeys(),
                  (Keys{"ErrorNo=0", "EndFlag=1", "Frames=3", "FramesSending=3", "0000_LONG=9",
                        "0000_DATA=" + id + "00 05 4E 4F 4E 45 00", "FramesSuccess=3", "0001_LONG=9",
                        "0001_DATA=" + id + "00 05 5A 5A 5A 5A 00", "0002_LONG=9",
                        "0002_DATA=" + id + "00 05 41 42 43 44 00"}))
            << tcp;

        int32_t frame = 2;
        int32_t length = -1;
        std::vector<uint8_t> bytes(20480);
        EXPECT_EQ(folder->Lib().SF_GetReturnValue(&frame, &length, bytes.data()), 3);
        EXPECT_EQ(frame, 3);
        ASSERT_EQ(length, 9);
        EXPECT_EQ(Hex({bytes.begin(), bytes.begin() + 9}), id + "00 05 41 42 43 44 00 ");
    }
}

TEST(LibrarySend, StartFrameSkipsTheFramesBefore)
{
    SerialRig rig;
    rig.folder.Write("FrameInput.dat", FrameInput({"41 41 41 41 ", "42 42 42 42 ", "43 43 43 43 ",
                                                   "44 44 44 44 ", "45 45 45 45 "}));
    ASSERT_EQ(rig.folder.Lib().Send(2, 200), 0);
    const Keys frames = LoggedFrames(rig.log);
    ASSERT_EQ(frames.size(), 3u);
    EXPECT_NE(frames[0].find("43 43 43 43"), std::string::npos);
    EXPECT_NE(frames[2].find("45 45 45 45"), std::string::npos);
    int32_t frame = 0;
    int32_t length = 0;
    uint8_t bytes[64];
    EXPECT_EQ(rig.folder.Lib().SF_GetReturnValue(&frame, &length, bytes), 5) << "FramesSuccess";
    EXPECT_EQ(frame, 5);
    EXPECT_EQ(length, 0) << "frame 0 was not sent in this run";

    ASSERT_EQ(rig.folder.Lib().Send(5, 200), 0) << "nothing left to send";
    EXPECT_EQ(LoggedFrames(rig.log).size(), 3u);
    EXPECT_EQ(rig.folder.ReturnKeys(), (Keys{"ErrorNo=0", "EndFlag=1", "Frames=5"}));
}

struct ReplyCase {
    std::vector<std::string> faults;
    int result;          // of Send
    std::size_t frames;  // frames the sign received
};

TEST(LibrarySend, RepliesAreJudgedWithThreeAttemptsOverTheSerialLink)
{
    const std::vector<ReplyCase> cases = {
        {{"--fault", "silent"}, -5, 3},
        {{"--fault", "badcheck"}, -6, 3},
        {{"--fault", "unframed"}, -7, 3},
        {{"--fault", "noend"}, -7, 3},
        {{"--fault", "prefix:00"}, -7, 3},
        {{"--fault", "flood:30000"}, -7, 3},  // the reception stops when its 20,480 bytes are full
        {{"--fault", "status:05"}, 0, 1},     // the status byte is the host's business
        {{"--fault", "badcheck", "--fault-count", "2"}, 0, 3},
        {{"--fault", "silent", "--fault-count", "1"}, 0, 2},
    };
    for (const ReplyCase& c : cases) {
        SerialRig rig(c.faults);
        rig.folder.Write("FrameInput.dat", FrameInput({"4E 4F 4E 45 ", "51 56 45 52 "}));
        EXPECT_EQ(rig.folder.Lib().Send(0, 100), c.result) << c.faults[1];
        const std::size_t expectedFrames = c.frames + (c.result == 0 ? 1 : 0);
        EXPECT_EQ(LoggedFrames(rig.log).size(), expectedFrames) << c.faults[1];
        const Keys keys = rig.folder.ReturnKeys();
        ASSERT_GE(keys.size(), 4u);
        EXPECT_EQ(keys[0], "ErrorNo=" + std::to_string(c.result)) << c.faults[1];
        EXPECT_EQ(keys[1], "EndFlag=1");
        if (c.result != 0) {
            EXPECT_EQ(keys, (Keys{"ErrorNo=" + std::to_string(c.result), "EndFlag=1", "Frames=2",
                                  "FramesSending=1"}));
        }
    }
}

TEST(LibrarySend, RepliesAreUnescapedBeforeTheyAreStored)
{
    SerialRig rig({"--reply-data", "00 7E 7D"});
    rig.folder.Write("FrameInput.dat", FrameInput({"4E 4F 4E 45 "}));
    ASSERT_EQ(rig.folder.Lib().Send(0, 200), 0);
    int32_t frame = 0;
    int32_t length = 0;
    uint8_t bytes[64];
    rig.folder.Lib().SF_GetReturnValue(&frame, &length, bytes);
    ASSERT_EQ(length, 11);
    EXPECT_EQ(Hex({bytes, bytes + length}), "00 01 00 07 4E 4F 4E 45 00 7E 7D ");
}

TEST(LibrarySend, BadFrameInputGivesMinus3)
{
    struct Case {
        std::string name;
        std::string input;
        bool returnTouched;
    };
    const std::vector<Case> cases = {
        {"no file", "", false},
        {"no count", "[Output]\n0000_LONG=4\n0000_DATA=4E 4F 4E 45\n", false},
        {"count 65535", "[Output]\nFRAMES=65535\n", false},
        {"negative count", "[Output]\nFRAMES=-4\n", false},
        {"huge count", "[Output]\nFRAMES=99999999999\n", false},
        {"frame absent", "[Output]\nFRAMES=1\n", true},
        {"length 641", "[Output]\n0000_LONG=641\n0000_DATA=4E\nFRAMES=1\n", true},
        {"negative length", "[Output]\n0000_LONG=-1\n0000_DATA=4E\nFRAMES=1\n", true},
        {"not hex", "[Output]\n0000_LONG=2\n0000_DATA=4E G4\nFRAMES=1\n", true},
    };
    for (const Case& c : cases) {
        SerialRig rig;
        if (!c.input.empty()) rig.folder.Write("FrameInput.dat", c.input);
        rig.folder.Write("FrameReturn.dat", "[Output]\nEndFlag=7\n");
        EXPECT_EQ(rig.folder.Lib().Send(0, 100), -3) << c.name;
        EXPECT_TRUE(LoggedFrames(rig.log).empty()) << c.name;
        if (c.returnTouched) {
            EXPECT_EQ(rig.folder.ReturnKeys(), (Keys{"ErrorNo=0", "EndFlag=0", "Frames=1"})) << c.name;
        } else {
            EXPECT_EQ(rig.folder.Read("FrameReturn.dat"), "[Output]\nEndFlag=7\n") << c.name;
        }
    }
}

TEST(LibrarySend, DataTextIsReadWithItsSeparators)
{
    SerialRig rig;
    rig.folder.Write("FrameInput.dat",
                     "[Output]\n0000_LONG=6\n0000_DATA=4e 4F 4E 45 1 2 3\n0001_LONG=4\n0001_DATA=4E4F4E453\n"
                     "0002_LONG=4\n0002_DATA=41 42 43 44 zz\nFRAMES=3\n");
    ASSERT_EQ(rig.folder.Lib().Send(0, 200), 0);
    const Keys frames = LoggedFrames(rig.log);
    ASSERT_EQ(frames.size(), 3u);
    EXPECT_NE(frames[0].find("00 06 4E 4F 4E 45 01 02 "), std::string::npos) << frames[0];
    EXPECT_NE(frames[1].find("00 04 4E 4F 4E 45 "), std::string::npos) << frames[1];
    EXPECT_NE(frames[2].find("00 04 41 42 43 44 "), std::string::npos)
        << "characters after the length are not read";
}

TEST(LibrarySend, SerialSettingsAreCheckedBeforeAnything)
{
    struct Case {
        std::string settings;
        int result;
    };
    testsupport::TempDir dir;
    const std::string absent = dir.File("no-such-device");
    const std::vector<Case> cases = {
        {"[Setup]\nCommuPort=RS232\n[Argv]\nScreenID=1\n", 1020},
        {"[Argv]\nCOM=0\n", 1020},
        {"[Argv]\nCOM=1\nScreenID=65536\n[SERIALPORTS]\nCOM1=" + absent + "\n", 1020},
        {"[Argv]\nCOM=1\nScreenID=-1\n[SERIALPORTS]\nCOM1=" + absent + "\n", 1020},
    };
    for (const Case& c : cases) {
        LibraryFolder folder("", c.settings);
        folder.Open();
        folder.Write("FrameReturn.dat", "kept\n");
        EXPECT_EQ(folder.Lib().Send(0, 0), c.result) << c.settings;
        EXPECT_EQ(folder.Read("FrameReturn.dat"), "kept\n");
        EXPECT_FALSE(std::filesystem::exists(folder.File("FrameInput.dat")));
    }
}

TEST(LibrarySend, APortThatCannotBeOpenedGivesMinus4AfterTheRunStarted)
{
    testsupport::TempDir dir;
    LibraryFolder folder("", "[Argv]\nCOM=1\n[SERIALPORTS]\nCOM1=" + dir.File("no-such-device") + "\n");
    folder.Open();
    folder.Write("FrameInput.dat", FrameInput({"4E 4F 4E 45 "}));
    EXPECT_EQ(folder.Lib().Send(0, 0), -4);
    EXPECT_EQ(folder.ReturnKeys(), (Keys{"ErrorNo=0", "EndFlag=0", "Frames=1"}));
}

TEST(LibrarySend, AnUnwritableFrameReturnStopsTheRunBeforeSending)
{
    SerialRig rig;
    rig.folder.Write("FrameInput.dat", FrameInput({"4E 4F 4E 45 "}));
    std::filesystem::create_directory(rig.folder.File("FrameReturn.dat"));
    EXPECT_EQ(rig.folder.Lib().Send(0, 100), SF_ERR_FILE_WRITE);
    EXPECT_TRUE(LoggedFrames(rig.log).empty());
}

TEST(LibrarySendNetwork, AClosedLoopbackPortGivesMinus10)
{
    std::uint16_t port = 0;
    {
        const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        socklen_t size = sizeof address;
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size);
        port = ntohs(address.sin_port);
        ::close(fd);  // bound but never listening: connections are refused
    }
    LibraryFolder folder("", TcpSettings(port));
    folder.Open();
    folder.Write("FrameInput.dat", FrameInput({"4E 4F 4E 45 "}));
    folder.Write("FrameReturn.dat", "kept\n");
    EXPECT_EQ(folder.Lib().Send(0, 0), -10);
    EXPECT_EQ(folder.Read("FrameReturn.dat"), "kept\n");
}

TEST(LibrarySendNetwork, ASilentSignGivesMinus5ThenMinus11WithinAboutASecond)
{
    TcpRig rig({"--fault", "silent"});
    rig.folder.Write("FrameInput.dat", FrameInput({"4E 4F 4E 45 ", "4E 4F 4E 45 "}));
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(rig.folder.Lib().Send(0, 0), -11);
    const auto took = std::chrono::steady_clock::now() - started;
    EXPECT_LT(took, std::chrono::milliseconds(2500))
        << "one cut-off reception, then the attempts fail at once";
    EXPECT_EQ(LoggedFrames(rig.log).size(), 1u) << "the later attempts are not sent";
    EXPECT_EQ(rig.folder.ReturnKeys(), (Keys{"ErrorNo=-11", "EndFlag=1", "Frames=2", "FramesSending=1"}));
}

TEST(LibrarySendNetwork, AConnectionDroppedMidReplyEndsTheRunAtOnce)
{
    TcpRig rig({"--fault", "drop"});
    rig.folder.Write("FrameInput.dat", FrameInput({"4E 4F 4E 45 "}));
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(rig.folder.Lib().Send(0, 0), -11);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(900));
    EXPECT_EQ(rig.folder.ReturnKeys()[0], "ErrorNo=-11");
}

TEST(LibrarySendNetwork, RetriesOverOneConnection)
{
    TcpRig rig({"--fault", "badcheck", "--fault-count", "2"});
    rig.folder.Write("FrameInput.dat", FrameInput({"4E 4F 4E 45 ", "51 56 45 52 "}));
    EXPECT_EQ(rig.folder.Lib().Send(0, 0), 0);
    EXPECT_EQ(LoggedFrames(rig.log).size(), 4u);
}

TEST(LibrarySendNetwork, ABareEndMarkerEndsTheReceptionAndTheConnectionServesTheNextAttempt)
{
    // 7E 00 alone begins with 7E and 00 and ends with 7E 00: the reception ends there
    // at once, the attempt fails as unframed, and the second attempt is answered.
    const std::vector<std::uint8_t> good{0x7E, 0x01, 0xFE, 0xFE, 0x00, 0x05, 0x4E, 0x4F,
                                         0x4E, 0x45, 0x00, 0xFF, 0xFF, 0x7E, 0x00};
    ScriptedTcpSign sign({{0x7E, 0x00}, good});
    LibraryFolder folder("", TcpSettings(sign.Port()));
    folder.Open();
    folder.Write("FrameInput.dat", FrameInput({"4E 4F 4E 45 "}));
    EXPECT_EQ(folder.Lib().Send(0, 0), 0);
    EXPECT_EQ(sign.FramesReceived(), 2);
    EXPECT_EQ(folder.ReturnKeys(),
              (Keys{"ErrorNo=0", "EndFlag=1", "Frames=1", "FramesSending=1", "0000_LONG=9",
                    "0000_DATA=FE FE 00 05 4E 4F 4E 45 00", "FramesSuccess=1"}));
}

TEST(LibrarySendNetwork, ALateReplyWithinTheLimitIsTaken)
{
    TcpRig rig({"--fault", "pieces:20"});
    rig.folder.Write("FrameInput.dat", FrameInput({"4E 4F 4E 45 "}));
    EXPECT_EQ(rig.folder.Lib().Send(0, 0), 0);
    EXPECT_EQ(rig.folder.ReturnKeys()[0], "ErrorNo=0");
}

TEST(LibraryReturnValue, HandEditedResultsAreClampedToWhatIsStored)
{
    LibraryFolder folder;
    folder.Open();
    std::string longText;
    for (int i = 0; i < 30000; ++i) longText += "AB ";
    folder.Write("FrameReturn.dat",
                 "[Output]\nFrames=4\nFramesSuccess=2\n0000_LONG=100\n0000_DATA=0a fF 7e\n"
                 "0001_LONG=-5\n0001_DATA=41 42\n0002_LONG=999999\n0002_DATA=" +
                     longText + "\n0003_LONG=3\n0003_DATA=41 4\n");
    struct Case {
        int32_t frame;
        int32_t length;
        std::string bytes;
    };
    for (const Case& c : {Case{0, 3, "0A FF 7E "}, Case{1, 0, ""}, Case{2, 20480, ""}, Case{3, 1, "41 "},
                          Case{7, 0, ""}, Case{-3, 0, ""}, Case{123456, 0, ""}}) {
        std::vector<uint8_t> buffer(20480 + 64, 0xCC);
        int32_t frame = c.frame;
        int32_t length = -1;
        EXPECT_EQ(folder.Lib().SF_GetReturnValue(&frame, &length, buffer.data()), 2) << c.frame;
        EXPECT_EQ(frame, 4);
        EXPECT_EQ(length, c.length) << c.frame;
        if (!c.bytes.empty()) {
            EXPECT_EQ(Hex({buffer.begin(), buffer.begin() + length}), c.bytes);
        }
        for (std::size_t i = static_cast<std::size_t>(length); i < buffer.size(); ++i)
            ASSERT_EQ(buffer[i], 0xCC) << "byte " << i << " written beyond the reply, frame " << c.frame;
    }
}

TEST(LibraryReturnValue, AbsentFileGivesZeros)
{
    LibraryFolder folder;
    folder.Open();
    int32_t frame = 3;
    int32_t length = -1;
    uint8_t byte = 0;
    EXPECT_EQ(folder.Lib().SF_GetReturnValue(&frame, &length, &byte), 0);
    EXPECT_EQ(frame, 0);
    EXPECT_EQ(length, 0);
}

}  // namespace
}  // namespace librarytest

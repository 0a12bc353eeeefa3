#include <gtest/gtest.h>

#include <set>

#include "library/signlink.h"
#include "platform/profile_text.h"
#include "tests/library/library_folder.h"
#include "tests/reliability/kill_rounds.h"
#include "tests/support/sim_process.h"

namespace {

using librarytest::LibraryFolder;

constexpr int kRounds = 30;

const char* const kSettings =
    "; link settings\n[Setup]\nCommuPort=RS232\n[Argv]\nCOM=1\nScreenID=1\nBroadCastId=127.0.0.1\n"
    "[ComPort]\nBaudRate=9600\nWaitTimeMs=100\n";

// Settings changes of every kind, each one call of the library.
void ChangeSettings(signlink::LoadedLibrary& lib, int step)
{
    switch (step % 4) {
        case 0:
            lib.SF_SetScreenId(step);
            break;
        case 1:
            lib.SF_SetComPort(step % 30 + 1, step % 2 ? 19200 : 57600, step);
            break;
        case 2:
            lib.SF_SetComSelect(step % 2);
            break;
        default: {
            SfIpRecord ip{};
            ip.part[0] = 127;
            ip.part[3] = step;
            lib.SF_SetBroadcastIp(&ip);
        }
    }
}

constexpr int kSettingSteps = 40;

// NONE frames for a run long enough to be hit in the middle.
std::string NoneFrames(int count)
{
    std::string text = "[Output]\n";
    for (int k = 0; k < count; ++k) {
        char number[8];
        std::snprintf(number, sizeof number, "%04d", k);
        text += std::string(number) + "_LONG=4\n" + number + "_DATA=4E 4F 4E 45 \n";
    }
    return text + "FRAMES=" + std::to_string(count) + "\n";
}

// What a reader may find in FrameReturn.dat at any moment of a run of `frames`
// NONE frames: the counters of a run so far, and every reply they announce.
void ExpectAProgressRecord(const std::string& text, int frames)
{
    ASSERT_FALSE(text.empty());
    ASSERT_EQ(text.back(), '\n') << "a line was cut:\n" << text;
    const platform::ProfileText file(text);
    auto number = [&](const std::string& key) -> std::optional<long long> {
        const auto raw = file.Find("Output", key);
        if (!raw) return std::nullopt;
        return std::stoll(*raw);
    };
    ASSERT_EQ(number("ErrorNo"), 0) << text;
    ASSERT_EQ(number("Frames"), frames) << text;
    const long long end = number("EndFlag").value_or(-1);
    ASSERT_TRUE(end == 0 || end == 1) << text;
    const long long sending = number("FramesSending").value_or(0);
    const long long success = number("FramesSuccess").value_or(0);
    ASSERT_TRUE(success == sending || success + 1 == sending) << text;
    if (end == 1) {
        ASSERT_EQ(success, frames) << text;
    }
    for (long long k = 0; k < frames; ++k) {
        char key[8];
        std::snprintf(key, sizeof key, "%04lld", k);
        const auto data = file.Find("Output", std::string(key) + "_DATA");
        if (k < success) {
            ASSERT_EQ(number(std::string(key) + "_LONG"), 9) << key;
            ASSERT_EQ(data, "FE FE 00 05 4E 4F 4E 45 00 ") << key;
        } else if (k > success) {
            ASSERT_FALSE(data) << key << " stored before its turn";
        }
    }
}

}  // namespace

TEST(LibraryKill, EverySettingsWriteIsWholeOrNotAtAll)
{
    LibraryFolder reference("", kSettings);
    reference.Open();
    const std::string start = reference.Read("SendFrame.cfg");  // opening adds the contact address
    std::set<std::string> states = {start};
    const auto run = reliability::TimeOf([&] {
        for (int step = 0; step < kSettingSteps; ++step) {
            ChangeSettings(reference.Lib(), step);
            states.insert(reference.Read("SendFrame.cfg"));
        }
    });
    ASSERT_GE(states.size(), static_cast<std::size_t>(kSettingSteps / 2));

    LibraryFolder folder("", kSettings);
    folder.Open();
    int killed = 0;
    for (const auto moment : reliability::SpreadOver(run, kRounds)) {
        folder.Write("SendFrame.cfg", start);
        killed += reliability::RunAndKill(
            [&] {
                for (int step = 0; step < kSettingSteps; ++step) ChangeSettings(folder.Lib(), step);
            },
            moment);
        const std::string left = folder.Read("SendFrame.cfg");
        ASSERT_TRUE(states.count(left)) << "killed after " << moment.count() << " us, left:\n" << left;
        ASSERT_EQ(folder.Lib().SF_SetScreenId(7), 0);
        EXPECT_TRUE(reliability::TemporaryFiles(folder.File("")).empty())
            << "after " << moment.count() << " us";
    }
    EXPECT_GT(killed, kRounds / 2);
}

// Another process follows FrameReturn.dat while a run goes on: whenever the run is
// killed, the file holds the counters and replies of the frames so far, whole.
TEST(LibraryKill, TheResultFileOfAKilledSendIsARunSoFar)
{
    constexpr int kFrames = 400;
    const testsupport::SimProcess sign({});
    LibraryFolder folder("", librarytest::TcpSettings(sign.TcpPort()));
    folder.Write("FrameInput.dat", NoneFrames(kFrames));
    folder.Open();
    const auto run = reliability::TimeOf([&] { ASSERT_EQ(folder.Lib().Send(0, 0), 0); });
    ExpectAProgressRecord(folder.Read("FrameReturn.dat"), kFrames);

    int killed = 0;
    for (const auto moment : reliability::SpreadOver(run, kRounds)) {
        killed += reliability::RunAndKill([&] { folder.Lib().Send(0, 0); }, moment);
        ExpectAProgressRecord(folder.Read("FrameReturn.dat"), kFrames);
        ASSERT_EQ(folder.Lib().Send(0, 0), 0);
        EXPECT_TRUE(reliability::TemporaryFiles(folder.File("")).empty())
            << "after " << moment.count() << " us";
    }
    EXPECT_GT(killed, kRounds / 2);
}

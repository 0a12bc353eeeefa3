#include <gtest/gtest.h>

#include <set>

#include "bench/content/program_scripts.h"
#include "platform/profile.h"
#include "tests/reliability/kill_rounds.h"
#include "tests/support/temp_dir.h"

namespace {

using testsupport::ReadTextFile;
using testsupport::TempDir;
using testsupport::WriteTextFile;

const char* const kStart =
    "; the bench's settings\n"
    "[PORT]\nCOM=2\n"
    "[PROGRAM]\nLANGUAGE=EN\nCOUNT=3\n"
    "PGM_NAME_0=A\nPGM_TEXT_0=first text\nPGM_SPEED_0=1\nPGM_HIDE_0=0\n"
    "PGM_NAME_1=B\nPGM_TEXT_1=second text\nPGM_COLOR_1=2\nPGM_STAR_1=3\n"
    "PGM_NAME_2=C\nPGM_TEXT_2=third text\nPGM_STAY_2=4\n"
    "[ACTION]\nCOUNT=1\nACT_NAME_EN_0=HOLD\n";

// New and Delete as the Send Text page runs them: the list holds COUNT scripts.
void Operate(platform::Profile& settings, int step)
{
    const int listed = content::ScriptCount(settings);
    if (step % 3 == 2 && listed > 0) {
        ASSERT_TRUE(content::DeleteScript(settings, (step * 7) % listed, listed));
    } else {
        ASSERT_TRUE(content::AppendScript(settings, listed, "N" + std::to_string(step), step % 3, step % 5));
    }
}

constexpr int kSteps = 40;
constexpr int kRounds = 30;

}  // namespace

// Each kill lands somewhere in a run of New and Delete; what is left must be the
// file after some number of whole operations, never a list half shifted.
TEST(ProgramListKill, EveryKillLeavesTheListOfSomeWholeOperation)
{
    TempDir reference;
    const std::string referencePath = reference.File("setup.cfg");
    WriteTextFile(referencePath, kStart);
    std::set<std::string> states = {kStart};
    platform::Profile referenceSettings(referencePath);
    const auto run = reliability::TimeOf([&] {
        for (int step = 0; step < kSteps; ++step) {
            Operate(referenceSettings, step);
            states.insert(ReadTextFile(referencePath));
        }
    });
    ASSERT_EQ(states.size(), static_cast<std::size_t>(kSteps + 1));

    TempDir home;
    const std::string path = home.File("setup.cfg");
    int killed = 0;
    int temporariesLeft = 0;
    for (const auto moment : reliability::SpreadOver(run, kRounds)) {
        WriteTextFile(path, kStart);
        killed += reliability::RunAndKill(
            [&] {
                platform::Profile settings(path);
                for (int step = 0; step < kSteps; ++step) Operate(settings, step);
            },
            moment);
        const std::string left = ReadTextFile(path);
        ASSERT_TRUE(states.count(left)) << "killed after " << moment.count() << " us, left:\n" << left;
        temporariesLeft += static_cast<int>(reliability::TemporaryFiles(home.Path()).size());

        platform::Profile settings(path);
        ASSERT_TRUE(content::WriteScriptText(settings, 0, "after the kill"));
        EXPECT_TRUE(reliability::TemporaryFiles(home.Path()).empty()) << "after " << moment.count() << " us";
    }
    EXPECT_GT(killed, kRounds / 2) << "the kills came too late to hit the operations";
    RecordProperty("killed", killed);
    RecordProperty("temporaries_left_by_kills", temporariesLeft);
}

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/run_program.h"
#include "tests/support/temp_dir.h"

namespace {

using testsupport::RunProgram;

std::string Bin(const std::string& name) { return std::string(SIGN_BIN_DIR) + "/" + name; }

struct Program {
    std::string name;
    bool hasVersion;
};

std::vector<Program> Programs()
{
    std::vector<Program> programs{
        {"signsim", true}, {"signlink-cli", true}, {"bench-links", false}, {"bench-library", false}};
#ifdef SIGN_WITH_BENCH
    programs.push_back({"signbench", true});
#endif
#ifdef SIGN_WITH_BENCH_IMAGES
    programs.push_back({"bench-images", false});
#endif
#ifdef SIGN_WITH_BENCH_FONTS
    programs.push_back({"bench-fonts", false});
#endif
    return programs;
}

// Without a display, so a program that would open a window cannot.
const std::map<std::string, std::optional<std::string>> kNoDisplay{
    {"DISPLAY", std::nullopt}, {"WAYLAND_DISPLAY", std::nullopt}, {"QT_QPA_PLATFORM", std::nullopt}};

TEST(CommandLine, EveryProgramAnswersHelpOnStandardOutputWithoutADisplay)
{
    for (const Program& program : Programs()) {
        SCOPED_TRACE(program.name);
        const auto run = RunProgram(Bin(program.name), {"--help"}, kNoDisplay);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out.rfind("Usage: " + program.name, 0), 0u) << run.out;
        EXPECT_EQ(run.err, "");
    }
}

TEST(CommandLine, VersionIsTheNameAndTheProjectVersion)
{
    for (const Program& program : Programs()) {
        if (!program.hasVersion) continue;
        SCOPED_TRACE(program.name);
        const auto run = RunProgram(Bin(program.name), {"--version"}, kNoDisplay);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out.substr(0, run.out.find('\n')), program.name + " " + SIGN_VERSION);
    }
}

TEST(CommandLine, AMisspeltOptionIsNamedAndExitsWithTwo)
{
    for (const Program& program : Programs()) {
        SCOPED_TRACE(program.name);
        const auto run = RunProgram(Bin(program.name), {"--fualt", "silent"}, kNoDisplay);
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err.find("fualt"), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "");
    }
}

TEST(CommandLine, ABadValueIsNamedAndExitsWithTwo)
{
    struct Case {
        const char* program;
        std::vector<std::string> args;
        const char* named;
    };
    const std::vector<Case> cases = {
        {"signlink-cli", {"set-id", "12x"}, "'12x'"},
        {"signlink-cli", {"set-link", "usb"}, "'usb'"},
        {"signlink-cli", {"set-ip", "1.2.3"}, "'1.2.3'"},
        {"signlink-cli", {"send", "0", "100", "7"}, "'7'"},
        {"signlink-cli", {"launch"}, "'launch'"},
        {"signlink-cli", {}, "no command"},
        {"signlink-cli", {"--library"}, "library"},
        {"bench-links", {"--count", "0"}, "'0'"},
        {"bench-links", {"--count", "ten"}, "'ten'"},
        {"bench-links", {"extra"}, "'extra'"},
#ifdef SIGN_WITH_BENCH
        {"signbench", {"--home"}, "home"},
        {"signbench", {"--home="}, "empty"},
        {"signbench", {"script.txt"}, "'script.txt'"},
#endif
#ifdef SIGN_WITH_BENCH_IMAGES
        {"bench-images", {"--bytes", "-5"}, "'-5'"},
#endif
#ifdef SIGN_WITH_BENCH_FONTS
        {"bench-fonts", {"--files", "1e3"}, "'1e3'"},
#endif
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.program) + " " + (c.args.empty() ? "" : c.args[0]));
        const auto run = RunProgram(Bin(c.program), c.args, kNoDisplay);
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err.find(c.named), std::string::npos) << run.err;
    }
}

#ifdef SIGN_WITH_BENCH
TEST(CommandLine, TheBenchWithoutADisplaySaysSoAndExitsWithOne)
{
    testsupport::TempDir home;
    const auto run = RunProgram(Bin("signbench"), {"--home", home.Path()}, kNoDisplay);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("no display"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("--batch"), std::string::npos) << run.err;
}
#endif

// A request for help or a wrong command line never loads the library, so the
// library's files stay as they are (OpenSF would write SendFrame.cfg).
TEST(CommandLine, TheLibraryHostTouchesNoFileForHelpOrAWrongCommand)
{
    testsupport::TempDir folder;
    const std::string settings = "[Setup]\nCommuPort=TCP\n";
    testsupport::WriteTextFile(folder.File("CmdSet.cfg"), "");
    testsupport::WriteTextFile(folder.File("SendFrame.cfg"), settings);
    const std::string copy = folder.File("libsignlink.so");
    std::filesystem::copy_file(Bin("libsignlink.so"), copy);
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"--help"}, {"--library", copy, "--help"}, {"--version"}, {"--library", copy, "set-id", "x"}}) {
        SCOPED_TRACE(args.back());
        const auto run = RunProgram(Bin("signlink-cli"), args, {{"SIGNLINK_LIBRARY", copy}});
        EXPECT_NE(run.status, 1);
        EXPECT_EQ(testsupport::ReadTextFile(folder.File("SendFrame.cfg")), settings);
        EXPECT_FALSE(std::filesystem::exists(folder.File("FrameInput.dat")));
    }
    // The same library opened for real does write it.
    const auto show = RunProgram(Bin("signlink-cli"), {"--library", copy, "show"});
    EXPECT_EQ(show.status, 0) << show.out << show.err;
    EXPECT_NE(testsupport::ReadTextFile(folder.File("SendFrame.cfg")), settings);
}

}  // namespace

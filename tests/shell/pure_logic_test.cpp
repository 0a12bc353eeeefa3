#include <gtest/gtest.h>

#include "bench/shell/batch_runner.h"
#include "bench/shell/chinese_captions.h"
#include "bench/shell/home_folder.h"
#include "bench/shell/tcp_target.h"
#include "tests/support/temp_dir.h"

#include <filesystem>
#include <set>

namespace {

TEST(TcpTarget, SuffixSelectsThePortElseTheSignsPort)
{
    struct Case {
        std::string text;
        std::string address;
        std::uint16_t port;
    };
    const Case cases[] = {
        {"192.168.1.250", "192.168.1.250", 2015},
        {"127.0.0.1:40123", "127.0.0.1", 40123},
        {"127.0.0.2:2015", "127.0.0.2", 2015},
        {"127.0.0.1:", "127.0.0.1:", 2015},      // no number: the text stays whole
        {"127.0.0.1:0", "127.0.0.1:0", 2015},    // not a port
        {"127.0.0.1:70000", "127.0.0.1:70000", 2015},
        {"127.0.0.1:12ab", "127.0.0.1:12ab", 2015},
        {"", "", 2015},
    };
    for (const auto& c : cases) {
        const auto target = shell::ParseTcpTarget(c.text);
        EXPECT_EQ(target.address, c.address) << c.text;
        EXPECT_EQ(target.port, c.port) << c.text;
    }
}

TEST(HomeFolder, ArgumentThenVariableThenWritableExecutableFolderThenConfig)
{
    struct Case {
        const char* what;
        shell::HomeInputs inputs;
        std::string folder;
        bool seed;
    };
    const std::string exe = "/opt/sign/bin";
    const Case cases[] = {
        {"--home wins", {"/a", "/b", exe, true, "/x", "/home/u"}, "/a", false},
        {"variable next", {std::nullopt, "/b", exe, true, "/x", "/home/u"}, "/b", false},
        {"writable executable folder", {std::nullopt, std::nullopt, exe, true, "/x", "/home/u"}, exe, false},
        {"config folder, seeded", {std::nullopt, std::nullopt, exe, false, "/x", "/home/u"}, "/x/signbench", true},
        {"default config folder", {std::nullopt, std::nullopt, exe, false, std::nullopt, "/home/u"},
         "/home/u/.config/signbench", true},
        {"empty variable counts as unset", {std::nullopt, "", exe, false, "", "/home/u"},
         "/home/u/.config/signbench", true},
    };
    for (const auto& c : cases) {
        const auto choice = shell::ChooseHomeFolder(c.inputs);
        EXPECT_EQ(choice.folder, c.folder) << c.what;
        EXPECT_EQ(choice.seed, c.seed) << c.what;
    }
}

TEST(HomeFolder, SeedsOnlyAFolderWithoutSettingsAndOnlyWhenAsked)
{
    testsupport::TempDir dir;
    std::string error;
    const shell::HomeChoice fresh{dir.File("new/home"), true};
    ASSERT_TRUE(shell::PrepareHomeFolder(fresh, "[PORT]\nCOM=2\n", error)) << error;
    EXPECT_EQ(testsupport::ReadTextFile(dir.File("new/home/setup.cfg")), "[PORT]\nCOM=2\n");

    ASSERT_TRUE(shell::PrepareHomeFolder(fresh, "[PORT]\nCOM=7\n", error));
    EXPECT_EQ(testsupport::ReadTextFile(dir.File("new/home/setup.cfg")), "[PORT]\nCOM=2\n") << "kept";

    const shell::HomeChoice named{dir.File("named"), false};
    ASSERT_TRUE(shell::PrepareHomeFolder(named, "[PORT]\nCOM=2\n", error));
    EXPECT_FALSE(std::filesystem::exists(dir.File("named/setup.cfg")));
}

TEST(BatchLine, CommandNameAndTheRestWithItsSpaces)
{
    struct Case {
        std::string line;
        std::string command, name, rest;
    };
    const Case cases[] = {
        {"choose CBVarID Var-ROM 3", "choose", "CBVarID", "Var-ROM 3"},
        {"set Edit5 Hello  world ", "set", "Edit5", "Hello  world "},
        {"click BtnSend1\r", "click", "BtnSend1", ""},
        {"cell StringGrid1 1 2 some text", "cell", "StringGrid1", "1 2 some text"},
        {"  # a comment", "", "", ""},
        {"", "", "", ""},
        {"set EditPgmAlias ", "set", "EditPgmAlias", ""},
    };
    for (const auto& c : cases) {
        const auto parsed = shell::ParseBatchLine(c.line);
        EXPECT_EQ(parsed.command, c.command) << c.line;
        EXPECT_EQ(parsed.name, c.name) << c.line;
        EXPECT_EQ(parsed.rest, c.rest) << c.line;
    }
}

TEST(ChineseCaptions, CoverEveryEntryOnceWithItsOwnText)
{
    const auto& table = shell::SwitchedCaptions();
    EXPECT_EQ(table.size(), 176u);
    EXPECT_EQ(shell::SwitchedControls().size(), 161u);
    std::set<std::pair<std::string_view, int>> seen;
    for (const auto& entry : table) {
        EXPECT_TRUE(seen.insert({entry.control, entry.item}).second) << entry.control << " " << entry.item;
        EXPECT_FALSE(entry.chinese.empty()) << entry.control;
    }
    // Only the items of RadioMemoPosiText switch, never its caption.
    EXPECT_FALSE(seen.count({"RadioMemoPosiText", -1}));
    EXPECT_TRUE(seen.count({"RadioMemoPosiText", 1}));
    // Controls that keep their caption in both languages.
    for (const char* fixed : {"Hide", "RadioGroupCommu", "Label27", "Label31", "suiButton27"}) {
        EXPECT_FALSE(seen.count({fixed, -1})) << fixed;
    }
}

}  // namespace

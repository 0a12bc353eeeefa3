#include <gtest/gtest.h>
#include <sys/wait.h>

#include <QAbstractButton>
#include <cstdio>
#include <filesystem>
#include <string>

#include "bench/shell/dialog_filter.h"
#include "tests/fonts/font_bytes.h"
#include "tests/shell/window_fixture.h"
#include "tests/support/sim_process.h"

// The "Font" page inside the window: its panel setting across a restart, and a
// download run by a batch script against the virtual sign.
namespace {

TEST_F(WindowTest, DisableVisibleKeepsTheFontPanelHiddenAtTheNextStart)
{
    Open("[FONT]\nFONT_PANEL=1\n");
    ASSERT_NE(Find<QWidget>("PanelFontSpecial"), nullptr);
    EXPECT_FALSE(Find<QWidget>("PanelFontSpecial")->isHidden());
    Find<QAbstractButton>("BtnDisableFontPanel")->click();
    EXPECT_TRUE(Find<QWidget>("PanelFontSpecial")->isHidden());

    Reopen();
    EXPECT_TRUE(Find<QWidget>("PanelFontSpecial")->isHidden());
    ASSERT_TRUE(Settings().Write("FONT", "FONT_PANEL", "1"));
    Reopen();
    EXPECT_FALSE(Find<QWidget>("PanelFontSpecial")->isHidden());
}

TEST(DialogFilter, PairsBecomeTheDialogsFilters)
{
    const std::pair<const char*, const char*> cases[] = {
        {"*.*|*.*|*.bin|*.bin", "*.* (*);;*.bin (*.bin)"},
        {"*.obmp;*.ogif|*.ogif;*.obmp|*.txt|*.txt", "*.obmp;*.ogif (*.ogif *.obmp);;*.txt (*.txt)"},
        {"Pictures (*.bmp *.png);;All files (*)", "Pictures (*.bmp *.png);;All files (*)"},
    };
    for (const auto& [pairs, filter] : cases) EXPECT_EQ(shell::DialogFilter(pairs), filter) << pairs;
}

std::string RunBatch(const std::string& home, const std::string& script, int& status)
{
    const std::string command =
        std::string(SIGN_BIN_DIR) + "/signbench --home '" + home + "' --batch '" + script + "' 2>/dev/null";
    std::string output;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return output;
    char buffer[4096];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, got);
    const int result = ::pclose(pipe);
    status = WIFEXITED(result) ? WEXITSTATUS(result) : -1;
    return output;
}

TEST(FontBatch, SendsFontsCancelsAfterNPagesAndReadsTheListBack)
{
    testsupport::TempDir home;
    testsupport::SimProcess sign({});
    std::filesystem::create_directory(home.File("_font"));
    fontstest::WriteFile(home.File("_font/a.bin"), fontstest::FontBytes({.id = 0x0200, .size = 600}));
    fontstest::WriteFile(home.File("_font/b.bin"),
                         fontstest::FontBytes({.id = 0x0201, .name = "HZK", .size = 700}));
    testsupport::WriteTextFile(home.File("script.txt"),
                               "choose RadioGroupCommu TCP/IP\n"
                               "set EditTcpip " +
                                   sign.TcpHost() + ":" + std::to_string(sign.TcpPort()) +
                                   "\n"
                                   "file " +
                                   home.File("_font/a.bin") +
                                   "\n"
                                   "click BtnOpenFont\n"
                                   "click Button2\n"
                                   "choose RGWriteFontOption Send All Files\n"
                                   "cancel 4\n"
                                   "click suiButton21\n"
                                   "click sbtnMred\n"
                                   "grid StringGridFont\n");
    int status = -1;
    const std::string output = RunBatch(home.Path(), home.File("script.txt"), status);
    EXPECT_EQ(status, 0) << output;
    const auto has = [&](const std::string& line) { return output.find(line + "\n") != std::string::npos; };
    // a.bin is three pages, so the fourth answered page is the first of b.bin.
    EXPECT_TRUE(has("[STOP]: Cancelled after page 1 of 3")) << output;
    EXPECT_TRUE(has("StringGridFont[1]=1\t FT0200\t00100000\tARIAL\t4096")) << output;
    EXPECT_TRUE(has("StringGridFont[2]=2\t FT0201\t00101000\tHZK\t4096")) << output;
    EXPECT_FALSE(has("[MWRD]: total 2")) << output;
}

}  // namespace

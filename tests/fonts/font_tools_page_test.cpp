#include <gtest/gtest.h>

#include <QRadioButton>
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/shell/script_lists.h"
#include "tests/fonts/page_fixture.h"

namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

class FontToolsPageTest : public fontstest::FontPageFixture {
protected:
    // Three files: two fonts in reverse id order and a text file.
    void MakeThreeFiles()
    {
        MakeFont("b_font.bin", {.id = 0x0300, .name = "BIG", .width = 16, .height = 32, .size = 8192});
        MakeFont("a_font.bin", {.id = 0x0200, .name = "ARIAL", .width = 8, .height = 16, .size = 4000});
        fontstest::WriteFile(FontFile("notes.txt"), {'h', 'i'});
    }
};

TEST_F(FontToolsPageTest, OpenFontDireListsTheFolder)
{
    MakeThreeFiles();
    host.fileAnswers = {};
    Click("BtnOpenFont");  // cancelled: nothing happens
    EXPECT_EQ(Text("EditFlashPath"), "");
    EXPECT_EQ(host.lastDialogFolder, FontFolder());

    OpenFolder("notes.txt");
    EXPECT_EQ(Text("EditFlashPath"), FontFile("notes.txt"));
    EXPECT_EQ(Column("StringGridWriteFont", 8), (Strings{"a_font.bin", "b_font.bin", "notes.txt"}));
    EXPECT_EQ(Column("StringGridWriteFont", 1), (Strings{"FT0200", "FT0300", "@File"}));
    EXPECT_EQ(Cell("StringGridWriteFont", 2, 7), "8192");
    EXPECT_EQ(Cell("StringGridWriteFont", 2, 6), "32");

    // The list follows the folder at the next scan, down to one empty row.
    for (const char* name : {"a_font.bin", "b_font.bin", "notes.txt"}) fs::remove(FontFile(name));
    ASSERT_TRUE(QMetaObject::invokeMethod(&page, "ScanFontDirectory"));
    EXPECT_EQ(Column("StringGridWriteFont", 8), (Strings{""}));
}

TEST_F(FontToolsPageTest, SortAddressAndSetAnAddressByHand)
{
    MakeThreeFiles();
    OpenFolder("notes.txt");
    Click("Button3");
    EXPECT_EQ(Column("StringGridWriteFont", 1), (Strings{"@File", "FT0200", "FT0300"}));
    EXPECT_EQ(Column("StringGridWriteFont", 0), (Strings{"1", "2", "3"}));

    Find<QRadioButton>("RGFontBase_1").click();
    Click("Button2");
    EXPECT_EQ(Column("StringGridWriteFont", 9), (Strings{"", "00010000", "00011000"}));

    SelectRow("StringGridWriteFont", 3);
    EXPECT_EQ(Text("Edit7"), "00011000");
    Find<QLineEdit>("Edit7").setText("00200000");
    Click("Button6");
    EXPECT_EQ(Cell("StringGridWriteFont", 3, 9), "00200000");
}

TEST_F(FontToolsPageTest, RenameAsksForEachFileAndRescans)
{
    MakeThreeFiles();
    OpenFolder("notes.txt");
    Click("Button2");  // 00100000 and 00101000
    host.confirmAnswers = {true, true};
    Click("BtnChangeFontName");
    EXPECT_EQ(FilesIn(FontFolder()),
              (Strings{"[00100000]_FT0200_ARIAL_16x8.bin", "[00101000]_FT0300_BIG_32x16.bin", "notes.txt"}));
    ASSERT_EQ(host.boxes.size(), 2u);
    EXPECT_EQ(host.boxes[0], "Sure to Save file:\n" + FontFolder() + "/a_font.bin\nto new name: \n" +
                                 FontFolder() + "/[00100000]_FT0200_ARIAL_16x8.bin");
    EXPECT_EQ(Lines("PASS"), (Strings{"[PASS]: Not font: @File"}));
    EXPECT_EQ(Lines("RENAME").front(), "[RENAME]: Rename \n" + FontFolder() + "/a_font.bin" + "to\n" +
                                           FontFolder() + "/[00100000]_FT0200_ARIAL_16x8.bin");
    // The list was scanned again and reads its addresses from the new names.
    EXPECT_EQ(Column("StringGridWriteFont", 9), (Strings{"00100000", "00101000", ""}));

    // Names that already follow the scheme ask nothing.
    host.boxes.clear();
    Click("BtnChangeFontName");
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(FontToolsPageTest, CancelAtTheFirstQuestionTouchesNothing)
{
    MakeThreeFiles();
    OpenFolder("notes.txt");
    Click("Button2");
    host.confirmAnswers = {false};
    Click("BtnChangeFontName");
    EXPECT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(FilesIn(FontFolder()), (Strings{"a_font.bin", "b_font.bin", "notes.txt"}));
    // Rescanned: the addresses given by hand are gone with the old list.
    EXPECT_EQ(Column("StringGridWriteFont", 9), (Strings{"", "", ""}));
}

TEST_F(FontToolsPageTest, RenameOntoAnExistingNameKeepsTheFile)
{
    MakeThreeFiles();
    fontstest::WriteFile(FontFile("[00100000]_FT0200_ARIAL_16x8.bin"), {'x'});
    OpenFolder("notes.txt");
    const Strings names = Column("StringGridWriteFont", 8);
    const int row = static_cast<int>(std::find(names.begin(), names.end(), "a_font.bin") - names.begin()) + 1;
    SelectRow("StringGridWriteFont", row);
    Find<QLineEdit>("Edit7").setText("00100000");
    Click("Button6");
    Click("BtnChangeFontName");
    EXPECT_EQ(host.boxes.back(), FontFolder() + "/[00100000]_FT0200_ARIAL_16x8.bin is exist!!!");
    EXPECT_TRUE(fs::exists(FontFile("a_font.bin")));
    EXPECT_EQ(fontstest::ReadFile(FontFile("[00100000]_FT0200_ARIAL_16x8.bin")).size(), 1u);
}

TEST_F(FontToolsPageTest, ReportClearsTheMonitorAndAppliesThePanelSetting)
{
    MakeThreeFiles();
    OpenFolder("notes.txt");
    host.MonitorLog("OLD", "line", true);
    testsupport::WriteTextFile(home.File("setup.cfg"), "[FONT]\nFONT_PANEL=2\n");
    Click("Button4");
    EXPECT_EQ(host.monitorLines,
              (Strings{"[FONT]: a_font.bin  ----  FT0200_ARIAL_16x8_4000 bytes",
                       "[FONT]: b_font.bin  ----  FT0300_BIG_32x16_8192 bytes", "[FILE]: notes.txt"}));
    EXPECT_FALSE(Find("PanelFontSpecial").isHidden());
}

TEST_F(FontToolsPageTest, UdiskCopiesLeaveExistingTargets)
{
    MakeThreeFiles();
    OpenFolder("notes.txt");
    Click("Button2");
    Click("BtnOpenUdiskFile");
    EXPECT_EQ(host.boxes.back(), "No found:" + FontFolder() + "/_VelaMem");

    fs::create_directory(FontFile("_VelaMem"));
    fontstest::WriteFile(FontFile("_VelaMem/_0101000.bin"), {'o', 'l', 'd'});
    Click("BtnCreateUdiskFile");
    EXPECT_EQ(FilesIn(FontFile("_VelaMem")), (Strings{"_0100000.bin", "_0101000.bin"}));
    EXPECT_EQ(fontstest::ReadFile(FontFile("_VelaMem/_0100000.bin")),
              fontstest::ReadFile(FontFile("a_font.bin")));
    EXPECT_EQ(fontstest::ReadFile(FontFile("_VelaMem/_0101000.bin")).size(), 3u);
    EXPECT_EQ(Lines("COPY").front(), "[COPY]: Copy \n" + FontFolder() + "/a_font.bin" + "to\n" +
                                         FontFolder() + "/_VelaMem/_0100000.bin");
    EXPECT_EQ(Lines("PASS"), (Strings{"[PASS]: Not font: @File"}));

    Click("BtnOpenUdiskFile");
    EXPECT_EQ(host.opened, (Strings{FontFolder() + "/_VelaMem"}));
}

TEST_F(FontToolsPageTest, BoardScribeSplitsAsciiAndAsian)
{
    MakeFont("x.bin", {.id = 0x0199, .name = "SMALL", .width = 6, .height = 8});
    MakeFont("y.bin", {.id = 0x0200, .name = "HZK", .width = 16, .height = 16});
    OpenFolder("x.bin");
    Click("Button2");
    Click("BtnCreateBoardScribe");
    EXPECT_EQ(FilesIn(FontFile("_ASCII")), (Strings{"[FT0199] SMALL 8 x 6"}));
    EXPECT_EQ(FilesIn(FontFile("_ASIAN")), (Strings{"[FT0200] HZK 16 x 16"}));
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(FontToolsPageTest, BoardScribeStopsAtAnIdWithAHexLetter)
{
    MakeFont("a.bin", {.id = 0x0150, .name = "A"});
    MakeFont("b.bin", {.id = 0x02A0, .name = "B"});
    MakeFont("c.bin", {.id = 0x0300, .name = "C"});
    OpenFolder("a.bin");
    Click("Button2");
    fs::remove(FontFile("c.bin"));  // a rescan would drop its row
    Click("BtnCreateBoardScribe");
    EXPECT_EQ(host.boxes, (Strings{"'02A0' is not a valid integer value"}));
    EXPECT_EQ(FilesIn(FontFile("_ASCII")), (Strings{"[FT0150] A 16 x 8"}));
    EXPECT_TRUE(FilesIn(FontFile("_ASIAN")).empty());
    EXPECT_EQ(Column("StringGridWriteFont", 8).size(), 3u);  // not scanned again
}

TEST_F(FontToolsPageTest, DisableVisibleIsKeptInSetupCfg)
{
    testsupport::WriteTextFile(home.File("setup.cfg"), "[FONT]\nFONT_PANEL=1\n");
    shell::LoadScriptLists(page, host.Settings());
    EXPECT_FALSE(Find("PanelFontSpecial").isHidden());
    Click("BtnDisableFontPanel");
    EXPECT_TRUE(Find("PanelFontSpecial").isHidden());
    EXPECT_EQ(host.Settings().ReadInt("FONT", "FONT_PANEL", -1), 0);
}

TEST_F(FontToolsPageTest, OpenTempDire)
{
    Click("Button1");
    EXPECT_EQ(host.boxes, (Strings{"No found:" + home.File("_temp")}));
    fs::create_directory(home.File("_temp"));
    Click("Button1");
    EXPECT_EQ(host.opened, (Strings{home.File("_temp")}));
}

}  // namespace

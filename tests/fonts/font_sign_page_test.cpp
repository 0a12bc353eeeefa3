#include <gtest/gtest.h>

#include <QRadioButton>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "bench/content/variable_frames.h"
#include "tests/fonts/page_fixture.h"
#include "tests/support/sim_process.h"

// The sign's font memory through the page, against signsim over its pty and over
// loopback TCP.
namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

class FontSignPageTest : public fontstest::FontPageFixture, public ::testing::WithParamInterface<bool> {
protected:
    void Start(std::vector<std::string> extraArgs = {})
    {
        testsupport::SimProcess::Options o;
        o.tcp = !GetParam();
        if (GetParam()) o.ptyLink = home.File("sign.pty");
        o.extraArgs = std::move(extraArgs);
        sim = std::make_unique<testsupport::SimProcess>(o);
        if (GetParam()) {
            host.UseSerial(sim->PtyPath(), 300);
        } else {
            host.UseTcp(sim->TcpHost(), sim->TcpPort());
        }
    }

    // Two fonts and a text file, addressed from 0x00100000, every file chosen.
    void PrepareTwoFonts()
    {
        MakeFont("a.bin", {.id = 0x0200, .name = "ARIAL", .size = 5000});
        MakeFont("b.bin", {.id = 0x0201, .name = "HZK16", .width = 16, .height = 16, .size = 300});
        fontstest::WriteFile(FontFile("readme.txt"), {'x'});
        OpenFolder("a.bin");
        Click("Button2");
        Find<QRadioButton>("RGWriteFontOption_1").click();
    }

    // What the sign's flash holds, read back with MRED in pieces.
    std::vector<std::uint8_t> Flash(std::uint32_t address, std::size_t count)
    {
        std::vector<std::uint8_t> bytes;
        while (bytes.size() < count) {
            content::MredOptions read;
            read.address = address + static_cast<std::uint32_t>(bytes.size());
            read.count = static_cast<int>(std::min<std::size_t>(200, count - bytes.size()));
            host.SetHexData(content::BuildMredFrame(read).frameText);
            const int result = host.SendFrameText();
            if (result <= 0 || host.Reply().bytes[10] != 0) break;
            bytes.insert(bytes.end(), host.Reply().bytes.begin() + 14,
                         host.Reply().bytes.begin() + 14 + read.count);
        }
        return bytes;
    }

    std::unique_ptr<testsupport::SimProcess> sim;
};

TEST_P(FontSignPageTest, WritesTwoFontsAndReadsTheListAndNamesBack)
{
    Start();
    PrepareTwoFonts();
    fs::create_directory(home.File("_temp"));
    fontstest::WriteFile(home.File("_temp/_old.bin"), {'o'});
    fontstest::WriteFile(home.File("_temp/x00000000.bin"), {'F', 'T'});  // not made by this download
    Click("suiButton21");

    EXPECT_EQ(host.boxes,
              (Strings{"Sure to download font? \n  It will take maybe 10 seconds to 10 minutes to "
                       "download font?"}));
    EXPECT_EQ(
        Lines("FILE"),
        (Strings{"[FILE]: Erase dire _temp/", "[FILE]: Delete _temp/_old.bin", "[FILE]: Start copy _temp/",
                 "[FILE]: Copy a.bin to _temp/_00100000.bin", "[FILE]: Copy b.bin to _temp/_00102000.bin"}));
    EXPECT_EQ(Lines("PASS"), (Strings{"[PASS]: FT not found, can't copy @File to _temp/",
                                      "[PASS]: Not made by this download, skip _temp/x00000000.bin"}));
    EXPECT_EQ(Lines("00100000"), (Strings{"[00100000]: 5000 Bytes is writing... :00100000"}));
    EXPECT_EQ(Lines("00102000"), (Strings{"[00102000]: 300 Bytes is writing... :00102000"}));
    EXPECT_EQ(Lines("FILE LEN"), (Strings{"[FILE LEN]: 5000", "[FILE LEN]: 300"}));
    EXPECT_EQ(Lines("TIMES"), (Strings{"[TIMES]: 20", "[TIMES]: 2"}));
    const Strings send = Lines("SEND");
    ASSERT_GE(send.size(), 22u);
    EXPECT_EQ(send[0], "[SEND]: 1/20: 256");
    EXPECT_EQ(send[19], "[SEND]: 20/20: 136");
    EXPECT_EQ(send[21], "[SEND]: 2/2: 44");
    const Strings mwrd = Lines("MWRD");
    EXPECT_EQ(Strings(mwrd.end() - 2, mwrd.end()),
              (Strings{"[MWRD]: total 2", "[MWRD]: [0,0]: 写了2个BIN码"}));
    // The pages went out with the exchange's own lines off.
    EXPECT_EQ(host.exchanged.size(), 22u);
    for (const bool logged : host.exchangedLogged) EXPECT_FALSE(logged);
    EXPECT_EQ(host.transferTitles, (Strings{"Send Font to LED"}));
    EXPECT_EQ(host.progressTexts.front(), "file 1 of 2, page 1 of 20");
    EXPECT_EQ(host.progressTexts.back(), "file 2 of 2, page 2 of 2");

    // The list was read back at the end; the flash holds the files byte for byte.
    EXPECT_EQ(Column("StringGridFont", 1), (Strings{" FT0200", " FT0201"}));
    EXPECT_EQ(Column("StringGridFont", 2), (Strings{"00100000", "00102000"}));
    EXPECT_EQ(Flash(0x00100000, 5000), fontstest::ReadFile(FontFile("a.bin")));
    EXPECT_EQ(Flash(0x00102000, 300), fontstest::ReadFile(FontFile("b.bin")));

    Click("sbtnMred");
    EXPECT_EQ(Column("StringGridFont", 3), (Strings{"ARIAL", "HZK16"}));
    EXPECT_EQ(Column("StringGridFont", 4), (Strings{"8192", "4096"}));
    EXPECT_EQ(host.SentFrames().back(), "7E 01 FE FE 00 0A 4D 52 45 44 00 10 20 00 00 20 FF FF 7E 00 ");

    SelectRow("StringGridFont", 1);
    host.boxes.clear();
    Click("BtnEraseFont");
    EXPECT_EQ(host.boxes, (Strings{"Sure to delete FONT address: 00100000"}));
    EXPECT_EQ(host.SentFrames().back(), "7E 01 FE FE 00 0A 4D 57 52 44 00 10 00 00 00 00 FF FF 7E 00 ");
    EXPECT_EQ(Cell("StringGridFont", 1, 3), "Deleted");
    Click("BtnReadFontList");
    EXPECT_EQ(Column("StringGridFont", 1), (Strings{" FT0201"}));
    EXPECT_EQ(Column("StringGridFont", 2), (Strings{"00102000"}));
}

TEST_P(FontSignPageTest, CurrentFileOnlyAndCancelledDelete)
{
    Start();
    PrepareTwoFonts();
    Find<QRadioButton>("RGWriteFontOption_0").click();
    SelectRow("StringGridWriteFont", 2);  // b.bin
    Click("suiButton21");
    EXPECT_EQ(Lines("FILE").back(), "[FILE]: Copy b.bin to _temp/_00102000.bin");
    EXPECT_EQ(Column("StringGridFont", 1), (Strings{" FT0201"}));

    SelectRow("StringGridFont", 1);
    host.confirmAnswers = {false};
    const std::size_t sent = host.SentFrames().size();
    Click("BtnEraseFont");
    EXPECT_EQ(host.SentFrames().size(), sent);
    EXPECT_EQ(Cell("StringGridFont", 1, 3), "");
}

TEST_P(FontSignPageTest, CancelAfterNPagesStopsAndReadsTheListBack)
{
    Start();
    PrepareTwoFonts();
    host.cancelAfterPages = {21};  // the 20 pages of a.bin, then the first of b.bin
    Click("suiButton21");
    EXPECT_EQ(host.exchanged.size(), 21u);
    EXPECT_EQ(Lines("STOP"), (Strings{"[STOP]: Cancelled after page 1 of 2"}));
    EXPECT_TRUE(Lines("00102000").size() == 1u);  // no "Error!"
    EXPECT_TRUE(std::none_of(host.monitorLines.begin(), host.monitorLines.end(), [](const std::string& line) {
        return line.find("total") != std::string::npos;
    }));
    // The header page of b.bin made it, so the sign lists both.
    EXPECT_EQ(Column("StringGridFont", 1), (Strings{" FT0200", " FT0201"}));
}

TEST_P(FontSignPageTest, APageAnsweredWithFewerThanFourBytesEndsTheDownload)
{
    // The first page is answered with "7E 01 41" and nothing more.
    Start({"--fault", "flood:1", "--fault-count", "1"});
    PrepareTwoFonts();
    Click("suiButton21");
    EXPECT_EQ(host.exchanged.size(), 1u);
    EXPECT_EQ(Lines("00100000"),
              (Strings{"[00100000]: 5000 Bytes is writing... :00100000", "[00100000]: Error!"}));
    EXPECT_TRUE(Lines("00102000").empty());
    EXPECT_EQ(host.SentFrames().back(),
              "7E 01 FE FE 00 04 46 4F 4E 54 FF FF 7E 00 ");  // the list is read again
}

TEST_P(FontSignPageTest, ASignIdThatIsNoNumberSendsNothing)
{
    Start();
    PrepareTwoFonts();
    host.signIdText = "x1";
    Click("suiButton21");
    EXPECT_EQ(host.boxes.size(), 2u);  // the question, then one conversion box
    EXPECT_TRUE(host.exchanged.empty());
    EXPECT_TRUE(host.SentFrames().empty());
}

TEST_P(FontSignPageTest, NoFontFolderChosen)
{
    Start();
    Click("suiButton21");
    EXPECT_EQ(host.boxes, (Strings{"None files be found"}));
    EXPECT_TRUE(host.SentFrames().empty());
    EXPECT_TRUE(fs::is_directory(home.File("_temp")));
}

TEST_P(FontSignPageTest, ARejectedListLeavesOneEmptyRow)
{
    Start({"--fault", "status:05"});
    auto& grid = Find<QTableWidget>("StringGridFont");
    grid.setRowCount(3);
    for (int r = 1; r < 3; ++r)
        for (int c = 0; c < 5; ++c) grid.setItem(r, c, new QTableWidgetItem("old"));
    Click("BtnReadFontList");
    EXPECT_EQ(Column("StringGridFont", 1), (Strings{""}));
    EXPECT_EQ(host.lastLayout, 0);
}

INSTANTIATE_TEST_SUITE_P(Links, FontSignPageTest, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Pty" : "Tcp"; });

}  // namespace

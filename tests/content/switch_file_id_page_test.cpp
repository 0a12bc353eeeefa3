#include <QCheckBox>

#include "bench/content/directory_frames.h"
#include "bench/content/switch_file_id_page.h"
#include "page_fixture.h"

namespace {

using Fixture = contenttest::PageFixture<SwitchFileIdPage>;
class SwitchFileIdPageTest : public Fixture {
protected:
    void SetUp() override
    {
        StoreProgram(200, "Hello", "Hello world");
        StoreProgram(10, "\xC4\xE3\xBA\xC3", "x");  // a GBK name: "你好"
        StoreProgram(126, "Secret", "y", 1);
    }
};

const std::vector<std::string> kListed = {
    "No.\tProgram Name\tFile ID.\tPropety",
    "1\t你好\t10\t",
    "2\tSecret\t126\tHide",
    "3\tHello\t200\t",
};

}  // namespace

TEST_F(SwitchFileIdPageTest, ListsStoredProgramsWithNextIds)
{
    Click("BtnGetAlias");
    EXPECT_EQ(Rows("StringGrid1"), kListed);
    const auto& sent = host.SentFrames();
    ASSERT_EQ(sent.size(), 3u + 4u);  // three stores, three listed, one that found none
    EXPECT_EQ(sent[3], "7E 01 FE FE 00 08 41 4C 41 53 10 55 00 00 FF FF 7E 00 ");
    EXPECT_EQ(sent[4], "7E 01 FE FE 00 08 41 4C 41 53 10 55 00 0B FF FF 7E 00 ");
    EXPECT_EQ(sent[5], "7E 01 FE FE 00 08 41 4C 41 53 10 55 00 7F FF FF 7E 00 ");
    EXPECT_EQ(sent[6], "7E 01 FE FE 00 08 41 4C 41 53 10 55 00 C9 FF FF 7E 00 ");
    EXPECT_EQ(host.lastLayout, 0);
}

TEST_F(SwitchFileIdPageTest, ListsStoredProgramsOneAfterAnother)
{
    Find<QCheckBox>("CheckBoxVer393").setChecked(false);
    Click("BtnGetAlias");
    EXPECT_EQ(Rows("StringGrid1"), kListed);
    const auto& sent = host.SentFrames();
    ASSERT_EQ(sent.size(), 7u);
    EXPECT_EQ(sent[3], "7E 01 FE FE 00 08 41 4C 41 53 00 00 FF FF FF FF 7E 00 ");
    for (std::size_t i = 4; i < 7; ++i) EXPECT_EQ(sent[i], "7E 01 FE FE 00 08 41 4C 41 53 10 00 FF FF FF FF 7E 00 ");
}

TEST_F(SwitchFileIdPageTest, AnEmptySignLeavesOneEmptyRowAndANewListingStartsAfresh)
{
    Click("BtnGetAlias");
    ASSERT_EQ(Rows("StringGrid1").size(), 4u);
    host.SetHexData(content::kDallFrameText);
    host.BtnSend1Click();
    Click("BtnGetAlias");
    EXPECT_EQ(Rows("StringGrid1"), (std::vector<std::string>{kListed[0], "\t\t\t"}));
}

TEST_F(SwitchFileIdPageTest, SelectingARowChoosesItsFileIdAndDelpDeletesIt)
{
    Click("BtnGetAlias");
    auto& grid = Find<QTableWidget>("StringGrid1");
    grid.setCurrentCell(2, 0);
    emit grid.cellClicked(2, 0);
    EXPECT_EQ(Find<QComboBox>("CBStartProgram").currentText(), "126");
    EXPECT_EQ(Find<QComboBox>("CBEndProgram").currentText(), "126");

    Click("BtnDelePgm");
    EXPECT_EQ(LastSent(), "7E 01 FE FE 00 08 44 45 4C 50 00 00 00 7D 02 FF FF 7E 00 ");
    EXPECT_EQ(Text("Edit1"), "Secret");
    EXPECT_EQ(Text("Edit2"), "126");
    EXPECT_TRUE(Find<QCheckBox>("CheckHide").isChecked());

    Click("BtnDelePgm");  // nothing left at 126
    EXPECT_EQ(Text("Edit1"), "None");
    EXPECT_EQ(Text("Edit2"), "None");
    EXPECT_FALSE(Find<QCheckBox>("CheckHide").isChecked());

    Click("BtnGetAlias");
    EXPECT_EQ(Rows("StringGrid1"), (std::vector<std::string>{kListed[0], kListed[1], "2\tHello\t200\t"}));

    // The header row's cell is no file id: both boxes lose their choice.
    grid.setCurrentCell(0, 0);
    emit grid.cellClicked(0, 0);
    EXPECT_EQ(Find<QComboBox>("CBStartProgram").currentIndex(), -1);
    const std::size_t before = host.SentFrames().size();
    Click("BtnDelePgm");
    EXPECT_EQ(host.SentFrames().size(), before);
    EXPECT_EQ(host.boxes.back(), "'' is not a valid integer value");
}

TEST_F(SwitchFileIdPageTest, GetxFindsAFreeId)
{
    Set("EditStart", "199");
    Choose("ComboBoxScale", "3");
    Click("suiButton16");
    EXPECT_EQ(LastSent(), "7E 01 FE FE 00 0A 47 45 54 58 03 00 00 C7 04 00 FF FF 7E 00 ");
    EXPECT_EQ(Text("EditGetx"), "201");
    Set("EditStart", "1023");
    Click("suiButton16");
    EXPECT_EQ(Text("EditGetx"), "None");

    Set("EditStart", "2OO");
    const std::size_t before = host.SentFrames().size();
    Click("suiButton16");
    EXPECT_EQ(host.SentFrames().size(), before);
    EXPECT_EQ(host.boxes.back(), "'2OO' is not a valid integer value");
}

TEST_F(SwitchFileIdPageTest, PlayTablesSwitchWhatRuns)
{
    struct Step {
        const char* button;
        const char* start;
        const char* end;
        const char* frame;
        int layout;
        const char* running;
    };
    const Step steps[] = {
        {"BtnCreatePlayFlashList", "150", "260", "7E 01 FE FE 00 0E 50 4C 41 59 5A 01 00 06 41 01 00 96 01 04 FF FF 7E 00 ",
         4, "200"},
        {"BtnCreatePlayList", "0", "126", "7E 01 FE FE 00 0F 50 52 41 4D 01 01 00 00 00 00 7D 02 41 00 00 00 FF FF 7E 00 ",
         3, "10"},
        {"BtnCreatePlayList1", "0", "126", "7E 01 FE FE 00 0F 50 52 41 4D 00 01 00 00 00 00 7D 02 41 00 00 00 FF FF 7E 00 ",
         3, "200"},
        {"BtnCreatePlayFlashList1", "0", "126",
         "7E 01 FE FE 00 0E 50 4C 41 59 50 01 00 06 41 01 00 00 00 7D 02 FF FF 7E 00 ", 4, "10"},
    };
    for (const Step& s : steps) {
        Choose("CBStartProgram", s.start);
        Choose("CBEndProgram", s.end);
        Click(s.button);
        EXPECT_EQ(host.lastLayout, s.layout) << s.button;
        Click("BtnGetCurrentRunningAlias");
        EXPECT_EQ(host.SentFrames()[host.SentFrames().size() - 2], s.frame) << s.button;
        EXPECT_EQ(LastSent(), "7E 01 FE FE 00 08 41 4C 41 53 20 00 FF FF FF FF 7E 00 ");
        EXPECT_EQ(Text("Edit2"), s.running) << s.button;
    }
}

TEST_F(SwitchFileIdPageTest, AllChoosesZeroTo800AndOptionsGoIntoTheFrame)
{
    Click("suiButton17");
    EXPECT_EQ(Find<QComboBox>("CBStartProgram").currentText(), "0");
    EXPECT_EQ(Find<QComboBox>("CBEndProgram").currentText(), "800");
    Find<QCheckBox>("CheckInterrupt").setChecked(false);
    Choose("CBPgmGroup", "C");
    Choose("CBPgmLoops", "Loop 3 Times");
    Choose("CBPgmSeconds", "10 Seconds");
    host.signIdText = "1";
    Click("BtnCreatePlayList");
    EXPECT_EQ(LastSent(), "7E 01 00 01 00 0F 50 52 41 4D 01 00 00 00 00 03 20 43 03 00 0A FF FF 7E 00 ");
}

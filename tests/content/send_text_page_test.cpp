#include <QCheckBox>
#include <QGroupBox>
#include <QListWidget>

#include "bench/content/directory_frames.h"
#include "bench/content/page_controls.h"
#include "bench/content/send_text_page.h"
#include "bench/content/switch_file_id_page.h"
#include "bench/shell/script_lists.h"
#include "page_fixture.h"

namespace {

// Vocabularies as a deployment would ship them; HOLD_FLASH is the second action.
const char* const kSetup =
    "[PROGRAM]\nLANGUAGE=EN\nCOUNT=1\nPGM_NAME_0=A1\nPGM_TEXT_0=Hello\nPGM_STAR_0=32\n"
    "[ACTION]\nCOUNT=2\nACT_NAME_EN_0=HOLD\nACT_NAME_EN_1=HOLD_FLASH\n"
    "[COLOR]\nCOUNT=3\nCOLOR_NAME_EN_0=Red\nCOLOR_NAME_EN_1=Green\nCOLOR_NAME_EN_2=Yellow\n"
    "[FONTENG]\nCOUNT=2\nFONT_NAME_0=ASCII 16\nFONT_NAME_1=ASCII 12\nFONT_VALUE_1=257\n"
    "[FONTCHN]\nCOUNT=1\nFONT_NAME_0=GB 16\n"
    "[SPEED]\nCOUNT=2\nSPEED_NAME_EN_0=Fast\nSPEED_NAME_EN_1=Slow\n"
    "[STAY]\nCOUNT=1\nSTAY_NAME_EN_0=1s\n";

const char* const kHelloFrame =
    "7E 01 FE FE 00 2C 49 4E 53 54 "
    "00 00 A0 00 00 00 00 00 00 00 00 00 00 02 01 00 00 02 10 01 "
    "00 00 00 00 00 00 00 00 00 00 00 00 07 41 31 48 65 6C 6C 6F "
    "FF FF 7E 00 ";

QStringList Numbers(int first, int last, int step, const QString& prefix = {})
{
    QStringList items;
    for (int i = first; i <= last; i += step) items << prefix + QString::number(i);
    return items;
}

// The "Send Text" page as the window prepares it at start: vocabularies loaded,
// the start lists filled and the first script selected.
class SendTextPageTest : public contenttest::PageFixture<SendTextPage> {
protected:
    SendTextPageTest()
    {
        testsupport::WriteTextFile(dir.File("setup.cfg"), kSetup);
        shell::LoadScriptLists(page, host.Settings());
        content::FillCombo(Find<QComboBox>("ComboBoxFileId"), Numbers(0, 595, 5), "160");
        content::FillCombo(Find<QComboBox>("CBRamVarID"), Numbers(0, 15, 1, "Ram Var "), "Ram Var 0");
        content::FillCombo(Find<QComboBox>("CBFlashVarID"), Numbers(0, 127, 1, "Flash Var "), "Flash Var 0");
        content::FillCombo(Find<QComboBox>("CBFontTableNumEvent2"), Numbers(0, 127, 1, " No."), " No.0");
        auto& list = Find<QListWidget>("ListBoxPgm");
        list.setCurrentRow(0);
        page.ListBoxPgmClick();
    }
    std::size_t Sent() const { return host.SentFrames().size(); }
};

}  // namespace

TEST_F(SendTextPageTest, SendsTheWorkedHelloProgram)
{
    EXPECT_EQ(Text("Edit5"), "Hello");
    Click("BtnSendOtxt");
    EXPECT_EQ(LastSent(), kHelloFrame);
    EXPECT_EQ(host.lastLayout, 0);
    EXPECT_EQ(Text("EditPgmHex"), "48 65 6C 6C 6F ");
}

TEST_F(SendTextPageTest, OptionsGoIntoTheirFields)
{
    Set("Edit5", "a~b");
    Choose("CBSubCommand", "1: Hiding");
    Choose("ComboBox_Seconds", "90");
    Choose("ComboBox_Color", "Yellow");
    Choose("ComboBox_FontEng", "ASCII 12");
    Find<QCheckBox>("Label23").setChecked(false);
    Choose("ComboBox_Speed", "Slow");
    Choose("CBBackColor", "0x32: Yellow/Green");
    Click("BtnSendOtxt");
    EXPECT_EQ(host.boxes.back(), " Send the hiding program! ");
    EXPECT_EQ(LastSent(),
              "7E 01 FE FE 00 2A 49 4E 53 54 "
              "01 00 A0 00 00 00 00 00 00 00 00 5A 00 02 01 00 02 01 01 01 01 "
              "00 00 00 00 32 01 00 00 00 00 00 05 41 31 61 7D 02 62 FF FF 7E 00 ");

    Choose("ComboBox_Action", "HOLD_FLASH");  // 01 F4 whatever the background says
    Choose("CBSubCommand", "2: Append");
    Click("BtnSendOtxt");
    EXPECT_EQ(host.boxes.back(), " Append to the program! ");
    EXPECT_NE(LastSent().find("00 00 00 01 F4 01 00 00 00 00 00 05 "), std::string::npos) << LastSent();
}

TEST_F(SendTextPageTest, StoredProgramsAreListedOnTheSwitchFileIdPage)
{
    struct Program { const char* alias; const char* fileId; const char* text; };
    const Program programs[] = {{"News", "300", "Rain{12}"}, {"A1", "160", "Hello"}, {"天气", "5", "晴"}};
    auto& title = Find<QGroupBox>("GroupBoxPgmEdit");
    for (const Program& p : programs) {
        title.setTitle(QString::fromUtf8(p.alias));
        Choose("ComboBoxFileId", p.fileId);
        Set("Edit5", QString::fromUtf8(p.text));
        Click("BtnSendOtxt");
        ASSERT_GT(host.Reply().bytes.size(), 10u);
        EXPECT_EQ(host.Reply().bytes[10], 0x00) << p.alias;
    }
    EXPECT_NE(host.SentFrames()[0].find("52 61 69 6E 80 1C FF FF"), std::string::npos);  // {12} is 80 1C

    SwitchFileIdPage directory(host);
    directory.BtnGetAliasClick();
    const auto* grid = directory.findChild<QTableWidget*>("StringGrid1");
    ASSERT_EQ(grid->rowCount(), 4);
    EXPECT_EQ(grid->item(1, 1)->text(), "天气");
    EXPECT_EQ(grid->item(1, 2)->text(), "5");
    EXPECT_EQ(grid->item(2, 1)->text(), "A1");
    EXPECT_EQ(grid->item(3, 1)->text(), "News");
    EXPECT_EQ(grid->item(3, 2)->text(), "300");
}

TEST_F(SendTextPageTest, RefusesWhatTheFrameCannotCarry)
{
    struct Case { const char* what; QString text; QString alias; std::string monitor; std::string box; };
    const Case cases[] = {
        {"alias and text over 218 bytes", QString(210, 'x'), "ABCDEFGHIJ",
         "[ERROR]: INST: alias and text hold 220 bytes, too long by 2 (a frame carries at most 218)", ""},
        {"brace code over 2047", "x{4000}", "A1",
         "[ERROR]: Text program: brace code {4000} is too large by 1953 (largest 2047)", ""},
        {"code that is no number", "x{1J}", "A1", "", "'1:' is not a valid integer value"},
        {"character without a GBK code", "snow ☃", "A1", "[ERROR]: Text program cannot be sent: ", "Text program"},
        {"alias without a GBK code", "ok", "☃", "[ERROR]: Program alias cannot be sent: ", "Program alias"},
    };
    for (const Case& c : cases) {
        host.monitorLines.clear();
        host.boxes.clear();
        Set("Edit5", c.text);
        Find<QGroupBox>("GroupBoxPgmEdit").setTitle(c.alias);
        host.boxes.clear();
        Click("BtnSendOtxt");
        EXPECT_EQ(Sent(), 0u) << c.what;
        if (!c.monitor.empty()) {
            ASSERT_FALSE(host.monitorLines.empty()) << c.what;
            EXPECT_EQ(host.monitorLines.front().rfind(c.monitor, 0), 0u) << c.what << ": " << host.monitorLines.front();
        } else {
            EXPECT_TRUE(host.monitorLines.empty()) << c.what;
        }
        if (!c.box.empty()) {
            ASSERT_EQ(host.boxes.size(), 1u) << c.what;
            EXPECT_EQ(host.boxes.back().rfind(c.box, 0), 0u) << c.what << ": " << host.boxes.back();
        }
    }
    // The largest program that fits goes out: 2 alias bytes and 216 text bytes.
    Set("Edit5", QString(216, 'x'));
    Find<QGroupBox>("GroupBoxPgmEdit").setTitle("A1");
    Click("BtnSendOtxt");
    EXPECT_EQ(Sent(), 1u);
}

TEST_F(SendTextPageTest, InsertsMarkupAtTheCaretAndStoresIt)
{
    struct Case { const char* button; const char* box; const char* item; const char* inserted; };
    const Case cases[] = {
        {"suiButton23", "ComboBox_Date", "时分秒:23:09:09", "[DHH]:[DMM]:[DSS]"},
        {"suiButton23", "ComboBox_Date", "日期:2015年12月31日", "20[DY]年[Dl]月[Dd]日"},
        {"suiButton15", "ComboBox_Color2", "Yellow", "[FC2]"},
        {"BtnInsertRamVar", "CBRamVarID", "Ram Var 3", "[Cv3]"},
        {"BtnInsertFlashVar", "CBFlashVarID", "Flash Var 12", "[CV12]"},
        {"suiButton27", "CBFontTableNumEvent2", " No.127", "{127}"},
    };
    auto& edit = Find<QLineEdit>("Edit5");
    for (const Case& c : cases) {
        edit.setText("Hello");
        edit.setCursorPosition(2);
        Choose(c.box, QString::fromUtf8(c.item));
        Click(c.button);
        EXPECT_EQ(Text("Edit5"), std::string("He") + c.inserted + "llo") << c.button;
        EXPECT_EQ(edit.cursorPosition(), 2) << c.button;
        EXPECT_EQ(host.Settings().ReadText("PROGRAM", "PGM_TEXT_0", ""), std::string("He") + c.inserted + "llo");
    }
    EXPECT_EQ(Text("EditPgmHex"), "48 65 87 1F 6C 6C 6F ");
}

TEST_F(SendTextPageTest, DallAsksFirstThenErasesEverything)
{
    Click("BtnSendOtxt");
    host.confirmAnswers = {false};
    Click("suiButton1");
    EXPECT_EQ(host.boxes.back(), "Erase all program ???");
    EXPECT_EQ(Sent(), 1u);

    host.signIdText = "1";  // DALL goes to every sign whatever the id field says
    host.lastLayout = -1;
    Click("suiButton1");
    ASSERT_EQ(Sent(), 2u);
    EXPECT_EQ(LastSent(), "7E 01 FE FE 00 04 44 41 4C 4C FF FF 7E 00 ");
    EXPECT_EQ(host.lastLayout, -1);  // the view keeps the previous frame

    host.SetHexData(content::BuildAliasFrame(0xFEFE, content::ListingRequest(true, 0, 0)).frameText);
    const int count = host.SendFrameText();
    EXPECT_EQ(content::DecodeAliasReply(host.Reply().bytes, count).state, content::ReplyState::BadStatus);
}

#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>

#include "bench/content/variable_page.h"
#include "page_fixture.h"

namespace {

class VariablePageTest : public contenttest::PageFixture<VariablePage> {
protected:
    void Pick(const char* group, int index)
    {
        Find<QRadioButton>((std::string(group) + "_" + std::to_string(index)).c_str()).click();
    }
};

}  // namespace

TEST_F(VariablePageTest, WritesAFlashVariableAndReadsItBack)
{
    Pick("RGVariableType", 1);
    EXPECT_EQ(Find<QComboBox>("CBVarID").count(), 128);
    Choose("CBVarID", "Var-ROM 3");
    EXPECT_EQ(Text("Edit10"), "0000A060");
    // The window converts the design text once at start, by the slot's name.
    ASSERT_TRUE(QMetaObject::invokeMethod(&page, "EditVarStringChange"));
    EXPECT_EQ(Text("EditHexString"), "48 65 6C 6C 6F ");
    Click("BtnCreateRom");
    EXPECT_EQ(LastSent(), "7E 01 FE FE 00 0B 56 52 4F 4D 03 05 48 65 6C 6C 6F FF FF 7E 00 ");
    EXPECT_EQ(host.lastLayout, 0);

    Click("suiButton20");
    EXPECT_EQ(LastSent(), "7E 01 FE FE 00 0A 4D 52 45 44 00 00 A0 60 00 14 FF FF 7E 00 ");
    EXPECT_EQ(Text("Edit9"), "Hello");
}

TEST_F(VariablePageTest, WritesARamVariableAndReadsItBack)
{
    Choose("CBVarID", "Var-RAM 5");
    EXPECT_EQ(Text("Edit10"), "A000");  // the RAM list writes no address
    Set("EditVarString", " Ram{65}[17] ");
    EXPECT_EQ(Text("EditHexString"), "52 61 6D FF 41 11 ");
    Click("BtnCreateRom");
    EXPECT_EQ(LastSent(), "7E 01 FE FE 00 0C 56 52 41 4D 05 06 52 61 6D FF 41 11 FF FF 7E 00 ");
    Pick("RGMredMode", 4);
    Set("Edit11", "3");
    Click("suiButton20");
    EXPECT_EQ(LastSent(), "7E 01 FE FE 00 0A 4D 52 45 44 15 00 A0 00 00 03 FF FF 7E 00 ");
    EXPECT_EQ(Text("Edit9"), "Ram");
}

TEST_F(VariablePageTest, FillsAPresetAddressAndReadsItBack)
{
    Pick("RGVariableType", 1);
    Pick("RGForecourt", 1);
    EXPECT_EQ(Text("Edit10"), "0000B580");  // slot 6, window still unchosen
    Pick("RGOilWindows", 2);
    EXPECT_EQ(Text("Edit10"), "0000B600");

    host.confirmAnswers = {false};
    const std::size_t before = host.SentFrames().size();
    Click("SpeedButton7");
    EXPECT_EQ(host.SentFrames().size(), before);
    EXPECT_EQ(host.boxes.back(), "Sure to fill 0xff * 8 bytes at address: 0000B600");

    Click("SpeedButton7");
    EXPECT_EQ(LastSent(), "7E 01 FE FE 00 10 4D 57 52 44 00 00 B6 00 FF FF FF FF FF FF FF FF FF FF 7E 00 ");
    EXPECT_EQ(Text("Edit9"), "Filled 8pcs of 0xff");

    // Erased flash reads FF; the reply's bytes show as they are.
    Set("Edit11", "8");
    Set("Edit9", "");
    Click("suiButton20");
    EXPECT_EQ(Find<QLineEdit>("Edit9").text().size(), 8);
}

TEST_F(VariablePageTest, FillNeedsBothPresetsAndReadNeedsAnAddress)
{
    Click("SpeedButton7");
    Set("Edit10", "A0");
    Click("suiButton20");
    EXPECT_TRUE(host.SentFrames().empty());
    EXPECT_TRUE(host.boxes.empty());
    Set("Edit10", "A000");
    Set("Edit11", "2O");
    Click("suiButton20");
    EXPECT_TRUE(host.SentFrames().empty());
    EXPECT_EQ(host.boxes.back(), "'2O' is not a valid integer value");
}

TEST_F(VariablePageTest, RefusesStringsTheFrameCannotCarry)
{
    struct Case { QString text; std::string monitor; std::string box; };
    const Case cases[] = {
        {QString(250, 'x'), "[ERROR]: VRAM: variable string holds 250 bytes, too long by 1 (a frame carries at most 249)", ""},
        {"{300}", "[ERROR]: Variable string: brace code {300} is too large by 45 (largest 255)", ""},
        {"[1:]", "", "'1:' is not a valid integer value"},
        {"Snow ☃", "", ""},
    };
    for (const Case& c : cases) {
        host.monitorLines.clear();
        host.boxes.clear();
        Set("EditVarString", c.text);
        Click("BtnCreateRom");
        EXPECT_TRUE(host.SentFrames().empty()) << c.text.toStdString();
        if (!c.monitor.empty()) {
            ASSERT_FALSE(host.monitorLines.empty());
            EXPECT_EQ(host.monitorLines.front(), c.monitor);
        }
        if (!c.box.empty()) {
            ASSERT_FALSE(host.boxes.empty());
            EXPECT_EQ(host.boxes.back(), c.box);
        }
    }
    // The snowman has no GBK code: an ERROR line and a warning box.
    ASSERT_FALSE(host.monitorLines.empty());
    EXPECT_EQ(host.monitorLines.front().rfind("[ERROR]: Variable string cannot be sent: ", 0), 0u);
    EXPECT_EQ(host.boxes.size(), 1u);
}

TEST_F(VariablePageTest, InsertsMarkupAtTheCaret)
{
    auto& edit = Find<QLineEdit>("EditVarString");
    edit.setText("Hello");
    edit.setCursorPosition(2);
    Choose("CBFontTableNum", " No.12");
    Click("BtnInsertCharIndex");
    EXPECT_EQ(Text("EditVarString"), "He{12}llo");
    EXPECT_EQ(edit.cursorPosition(), 2);
    EXPECT_EQ(Text("EditHexString"), "48 65 FF 0C 6C 6C 6F ");
    Click("suiButtonInsertColor");  // the colour box is empty until setup.cfg fills it
    EXPECT_EQ(Text("EditVarString"), "He[29]{12}llo");
}

TEST_F(VariablePageTest, TypeSwitchRefillsTheIdsWithoutTouchingTheAddress)
{
    Set("Edit10", "1234");
    Pick("RGVariableType", 1);
    EXPECT_EQ(Find<QComboBox>("CBVarID").currentText(), "Var-ROM 0");
    Pick("RGVariableType", 0);
    EXPECT_EQ(Find<QComboBox>("CBVarID").count(), 8);
    EXPECT_EQ(Find<QComboBox>("CBVarID").currentText(), "Var-RAM 0");
    EXPECT_EQ(Text("Edit10"), "1234");
}

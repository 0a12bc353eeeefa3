#include "bench/events/event_page.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>

#include "bench/shell/control_text.h"
#include "bench/shell/script_lists.h"
#include "tests/support/sim_process.h"
#include "tests/support/temp_dir.h"
#include "tests/support/test_bench_host.h"

namespace {

// Two entries in every option vocabulary, so "first entry" means something.
const char* const kSettings =
    "[ACTION]\nCOUNT=2\nACT_NAME_cn_0=HOLD\nACT_NAME_cn_1=HOLD_FLASH\n"
    "[COLOR]\nCOUNT=2\nCOLOR_NAME_cn_0=RED\nCOLOR_NAME_cn_1=GREEN\n"
    "[FONTENG]\nCOUNT=2\nFONT_NAME_0=A16\nFONT_NAME_1=A24\nFONT_VALUE_1=0x0105\n"
    "[FONTCHN]\nCOUNT=2\nFONT_NAME_0=C16\nFONT_NAME_1=C24\n"
    "[SPEED]\nCOUNT=2\nSPEED_NAME_cn_0=FAST\nSPEED_NAME_cn_1=SLOW\n"
    "[STAY]\nCOUNT=2\nSTAY_NAME_cn_0=1S\nSTAY_NAME_cn_1=2S\n";

// The "Event Cmd" page against a virtual sign on loopback TCP, with the option
// boxes loaded from setup.cfg as the window loads them.
class EventPageTest : public ::testing::Test {
protected:
    EventPageTest() : sim({}), host(home.Path()), page(host)
    {
        host.UseTcp(sim.TcpHost(), sim.TcpPort());
        testsupport::WriteTextFile(home.File("setup.cfg"), kSettings);
        shell::LoadScriptLists(page, host.Settings());
        // The worked frames have every option box at its first entry.
        Get<QComboBox>("ComboBox_Action_EventText")->setCurrentIndex(0);
    }

    template <typename T>
    T* Get(const char* name)
    {
        auto* control = page.findChild<T*>(name);
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    void Click(const char* name)
    {
        auto* button = page.findChild<QPushButton*>(name);
        ASSERT_NE(button, nullptr) << name;
        button->click();
    }
    void Choose(const char* group, int index)
    {
        auto* radio = page.findChild<QRadioButton*>(QString("%1_%2").arg(group).arg(index));
        ASSERT_NE(radio, nullptr) << group << " " << index;
        radio->click();
    }
    void SelectRow(int row)
    {
        auto* grid = Get<QTableWidget>("StringGridWindows");
        grid->setCurrentCell(row, 0);
        page.StringGridWindowsClick();
    }
    std::string Last() const { return host.SentFrames().empty() ? "" : host.SentFrames().back(); }
    bool Replied() const
    {
        for (const std::string& line : host.monitorLines)
            if (line.rfind("[RECV]: ", 0) == 0) return true;
        return false;
    }
    std::vector<std::string> Row(int row)
    {
        std::vector<std::string> cells;
        auto* grid = Get<QTableWidget>("StringGridWindows");
        for (int column = 0; column < grid->columnCount(); ++column)
            cells.push_back(grid->item(row, column)->text().toStdString());
        return cells;
    }

    testsupport::TempDir home;
    testsupport::SimProcess sim;
    testsupport::TestBenchHost host;
    EventPage page;
};

QStringList ItemsOf(const QComboBox& box)
{
    QStringList items;
    for (int i = 0; i < box.count(); ++i) items << box.itemText(i);
    return items;
}

}  // namespace

TEST_F(EventPageTest, HoldsEveryControlWithItsCaptionAndDefault)
{
    struct Case {
        const char* name;
        const char* kind;
        QString caption;
        QString text;
    };
    const Case cases[] = {
        {"BtnExitEvent", "QPushButton", "00: Exit Event Status", ""},
        {"BtnEnterEven", "QPushButton", "01: Initial Event Status", ""},
        {"BtnClearScreen", "QPushButton", "02: Clear LED Screen", ""},
        {"BtnActionFromMemB", "QPushButton", "03: Action ", ""},
        {"BtnMoveUp", "QPushButton", "04: Move Up", ""},
        {"BtnMoveDown", "QPushButton", "04: Move Down", ""},
        {"BtnFlash", "QPushButton", "05: Flash", ""},
        {"BtnFlashNot", "QPushButton", "05: Normal", ""},
        {"BtnTextOut", "QPushButton", "06: Send Text", ""},
        {"BtnStartEvent", "QPushButton", "07: Start Windows", ""},
        {"BtnClearBackWnd", "QPushButton", "08: Clear Buffers", ""},
        {"BtnEventPgmLink", "QPushButton", "9: Send Link", ""},
        {"BtnInsertCharIndexEvent", "QPushButton", "Insert Icon", ""},
        {"RadioSendToWindow", "QGroupBox", "Event Mode", ""},
        {"RadioMemoPosiText", "QGroupBox", "Selected Memory ", ""},
        {"RadioGroup1", "QGroupBox", "Send  to ", ""},
        {"RadioAlign", "QGroupBox", "Align in Mem B", ""},
        {"RadioMemoPosi", "QGroupBox", "Selected Memory ", ""},
        {"RadioMemoPosiBitmap", "QGroupBox", "Selected Memory ", ""},
        {"Label9", "QLabel", "File ID:", ""},
        {"Label42", "QCheckBox", "Font Asian", ""},
        {"CheckMultiLines", "QCheckBox", "Auto Wrap / Multi Lines", ""},
        {"CheckBlackMoveUp", "QCheckBox", "Black Value", ""},
        {"EditText", "QLineEdit", "", "Text"},
        {"LabelCount", "QLabel", "Bytes:4", ""},
        {"EditXtxt", "QLineEdit", "", "0"},
        {"EditWtxt", "QLineEdit", "", "64"},
        {"EditYtxt", "QLineEdit", "", "0"},
        {"EditHtxt", "QLineEdit", "", "16"},
        {"EditXcls", "QLineEdit", "", "0"},
        {"EditWcls", "QLineEdit", "", "64"},
        {"EditYcls", "QLineEdit", "", "0"},
        {"EditHcls", "QLineEdit", "", "16"},
        {"EditXact1", "QLineEdit", "", "0"},
        {"EditWact1", "QLineEdit", "", "64"},
        {"EditYact1", "QLineEdit", "", "0"},
        {"EditHact1", "QLineEdit", "", "16"},
        {"EditXact2", "QLineEdit", "", "0"},
        {"EditWact2", "QLineEdit", "", "64"},
        {"EditYact2", "QLineEdit", "", "0"},
        {"EditHact2", "QLineEdit", "", "16"},
        {"EditLines", "QLineEdit", "", "16"},
        {"LabelWidth01", "QLabel", "Width = 0 is  Screen Width", ""},
        {"LabelHeight01", "QLabel", "Height = 0 is  Screen Height", ""},
        {"StringGridWindows", "QTableWidget", "", ""},
    };
    EXPECT_EQ(page.objectName(), "TabSheet_Event");
    for (const Case& c : cases) {
        auto* control = page.findChild<QWidget*>(c.name);
        ASSERT_NE(control, nullptr) << c.name;
        EXPECT_STREQ(control->metaObject()->className(), c.kind) << c.name;
        EXPECT_EQ(shell::Caption(*control), c.caption) << c.name;
        if (auto* edit = qobject_cast<QLineEdit*>(control)) {
            EXPECT_EQ(edit->text(), c.text) << c.name;
        }
    }
    for (int i = 0; i < 7; ++i) {
        auto* check = page.findChild<QCheckBox*>(QString("CheckBox%1").arg(i + 2));
        ASSERT_NE(check, nullptr);
        EXPECT_EQ(check->text(), QString("Window 0%1").arg(i + 1));
        EXPECT_TRUE(check->isChecked());
    }
    struct Group {
        const char* name;
        QStringList items;
    };
    const Group groups[] = {
        {"RadioSendToWindow", {"A:Window Mode", "B:RAM Directory"}},
        {"RadioMemoPosiText", {"A: Display Memory", "B: Backup Memory"}},
        {"RadioGroup1", {"Display Memory", "Back Memory"}},
        {"RadioAlign", {"Center", "Left", "Right"}},
        {"RadioMemoPosi", {"A: Display Memory", "B: Backup Memory", "A+B: All Memory"}},
        {"RadioMemoPosiBitmap", {"A: Display Memory", "B: Backup Memory"}},
    };
    for (const Group& g : groups) {
        auto* group = Get<QGroupBox>(g.name);
        QStringList items;
        for (QRadioButton* item : shell::RadioItems(*group)) items << item->text();
        EXPECT_EQ(items, g.items) << g.name;
        EXPECT_EQ(shell::RadioIndex(*group), 0) << g.name;
    }

    auto* windows = Get<QComboBox>("ComboWndID");
    EXPECT_TRUE(windows->isEditable());
    EXPECT_EQ(windows->currentText(), "Window 01");
    EXPECT_EQ(ItemsOf(*windows).size(), 7);
    EXPECT_EQ(ItemsOf(*Get<QComboBox>("ComboActionTimes")),
              (QStringList{"ALWAYS", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
    auto* fileIds = Get<QComboBox>("ComboBoxFileId1");
    EXPECT_EQ(fileIds->count(), 120);
    EXPECT_EQ(fileIds->itemText(119), "595");
    EXPECT_EQ(fileIds->currentText(), "200");
    auto* icons = Get<QComboBox>("CBFontTableNumEvent");
    EXPECT_EQ(icons->count(), 128);
    EXPECT_EQ(icons->currentText(), " No.0");

    struct Tab {
        const char* name;
        QString caption;
    };
    const Tab tabs[] = {{"TabEvent_Text", "Print Text && Link"}, {"TabEvent_Cls", "Clear Screen"},
                        {"TabEvent_Action", "Action-1"},         {"TabEvent_Action2", "Action-2"},
                        {"TabEvent_Action3", "Action-3"},        {"TabSheet5", "Program: Link"},
                        {"TabEvent_Picture", "Print Picture"}};
    for (const Tab& t : tabs) {
        auto* tab = Get<QWidget>(t.name);
        EXPECT_EQ(shell::Caption(*tab), t.caption) << t.name;
    }
    EXPECT_EQ(shell::TabWidgetOf(*Get<QWidget>("TabEvent_Text"))->currentWidget()->objectName(),
              "TabEvent_Text");
}

TEST_F(EventPageTest, WorkedFramesOfTheButtons)
{
    struct Case {
        const char* button;
        const char* frame;
    };
    const Case cases[] = {
        {"BtnExitEvent", "7E 01 FE FE 00 06 45 56 45 4E 00 00 FF FF 7E 00 "},
        {"BtnEnterEven", "7E 01 FE FE 00 08 45 56 45 4E 01 02 04 00 FF FF 7E 00 "},
        {"BtnClearScreen", "7E 01 FE FE 00 0D 45 56 45 4E 02 07 00 00 40 00 00 10 00 FF FF 7E 00 "},
        {"BtnActionFromMemB", "7E 01 FE FE 00 0E 45 56 45 4E 03 08 00 00 40 00 00 10 00 00 FF FF 7E 00 "},
        {"BtnMoveUp", "7E 01 FE FE 00 09 45 56 45 4E 04 03 10 00 00 FF FF 7E 00 "},
        {"BtnMoveDown", "7E 01 FE FE 00 09 45 56 45 4E 04 03 10 00 01 FF FF 7E 00 "},
        {"BtnFlash", "7E 01 FE FE 00 0E 45 56 45 4E 05 08 00 00 40 00 00 10 00 01 FF FF 7E 00 "},
        {"BtnFlashNot", "7E 01 FE FE 00 0E 45 56 45 4E 05 08 00 00 40 00 00 10 00 00 FF FF 7E 00 "},
        {"BtnTextOut",
         "7E 01 FE FE 00 1E 45 56 45 4E 06 18 01 00 00 40 00 00 10 00 00 00 00 00 00 00 00 00 "
         "01 00 02 10 54 65 78 74 FF FF 7E 00 "},
        {"BtnStartEvent", "7E 01 FE FE 00 08 45 56 45 4E 07 02 FF 00 FF FF 7E 00 "},
        {"BtnClearBackWnd", "7E 01 FE FE 00 07 45 56 45 4E 08 01 FF FF FF 7E 00 "},
        {"BtnEventPgmLink",
         "7E 01 FE FE 00 1A 45 56 45 4E 09 14 01 00 00 40 00 00 10 00 00 00 00 00 00 00 00 00 "
         "00 C8 00 00 FF FF 7E 00 "},
    };
    for (const Case& c : cases) {
        host.monitorLines.clear();
        host.lastLayout = -1;
        Click(c.button);
        EXPECT_EQ(Last(), c.frame) << c.button;
        EXPECT_EQ(host.lastLayout, 0) << c.button;
        EXPECT_TRUE(Replied()) << c.button;
        EXPECT_EQ(host.Reply().bytes[10], 0x00) << c.button;  // the sign took it
    }
}

TEST_F(EventPageTest, WindowMasksAndMoveOptions)
{
    for (int i = 2; i <= 8; ++i) Get<QCheckBox>(QString("CheckBox%1").arg(i).toLatin1())->setChecked(i == 4);
    Click("BtnStartEvent");
    EXPECT_EQ(Last(), "7E 01 FE FE 00 08 45 56 45 4E 07 02 84 00 FF FF 7E 00 ");
    Get<QCheckBox>("CheckBox4")->setChecked(false);
    Click("BtnClearBackWnd");
    EXPECT_EQ(Last(), "7E 01 FE FE 00 07 45 56 45 4E 08 01 80 FF FF 7E 00 ");

    Get<QCheckBox>("CheckBlackMoveUp")->setChecked(true);
    Click("BtnMoveDown");
    EXPECT_EQ(Last(), "7E 01 FE FE 00 09 45 56 45 4E 04 03 10 01 01 FF FF 7E 00 ");

    Get<QLineEdit>("EditXcls")->setText("126");
    Choose("RadioMemoPosi", 2);
    Click("BtnClearScreen");
    EXPECT_EQ(Last(), "7E 01 FE FE 00 0D 45 56 45 4E 02 07 7D 02 00 40 00 00 10 02 FF FF 7E 00 ");
}

TEST_F(EventPageTest, TextOutToWindow3FromTheGrid)
{
    SelectRow(3);
    EXPECT_EQ(Get<QComboBox>("ComboWndID")->currentText(), "Window 03");
    EXPECT_EQ(Get<QLineEdit>("EditText")->text(), "[DH]:[DM]:[DS]");
    EXPECT_EQ(Get<QLabel>("LabelCount")->text(), "Bytes:14");

    Get<QComboBox>("ComboBox_FontEngEvent")->setCurrentIndex(1);  // FONT_VALUE_1=0x0105
    Get<QCheckBox>("Label42")->setChecked(false);                 // the Asian code repeats it
    Click("BtnTextOut");
    EXPECT_EQ(Last(),
              "7E 01 FE FE 00 28 45 56 45 4E 06 22 03 00 00 40 00 10 10 00 00 00 00 00 00 00 00 00 "
              "01 05 01 05 5B 44 48 5D 3A 5B 44 4D 5D 3A 5B 44 53 5D FF FF 7E 00 ");
    EXPECT_TRUE(Replied());
}

TEST_F(EventPageTest, IconsAreInsertedAtTheCaretAndConvertInTensAndUnits)
{
    auto* text = Get<QLineEdit>("EditText");
    text->setText("AB");
    text->setCursorPosition(1);
    Get<QComboBox>("CBFontTableNumEvent")->setCurrentIndex(12);
    Click("BtnInsertCharIndexEvent");
    EXPECT_EQ(text->text(), "A{12}B");
    EXPECT_EQ(text->cursorPosition(), 1);
    EXPECT_EQ(Get<QLabel>("LabelCount")->text(), "Bytes:6");
    Click("BtnTextOut");
    EXPECT_NE(Last().find("41 81 12 42 FF FF 7E 00 "), std::string::npos) << Last();
}

TEST_F(EventPageTest, TextLongerThan229BytesIsNotSent)
{
    Get<QLineEdit>("EditText")->setText(QString(229, 'A'));
    Click("BtnTextOut");
    ASSERT_EQ(host.SentFrames().size(), 1u);
    EXPECT_EQ(Last().substr(0, 36), "7E 01 FE FE 00 FF 45 56 45 4E 06 F9 ");

    host.monitorLines.clear();
    Get<QLineEdit>("EditText")->setText(QString(115, 'A') + "{1}");  // 115 + 2 = 117 bytes: fits
    Click("BtnTextOut");
    EXPECT_EQ(host.SentFrames().size(), 2u);

    host.monitorLines.clear();
    Get<QLineEdit>("EditText")->setText(QString(228, 'A') + "{1}");  // 230 bytes
    Click("BtnTextOut");
    EXPECT_EQ(host.SentFrames().size(), 2u);
    ASSERT_EQ(host.monitorLines.size(), 2u);
    EXPECT_EQ(host.monitorLines[0], "[ERROR]: Event text converts to 230 bytes, more than 229: not sent");
    EXPECT_EQ(host.monitorLines[1], "---------------------------------");
}

TEST_F(EventPageTest, ABraceNumberBeyondItsByteIsNotSent)
{
    Get<QLineEdit>("EditText")->setText("A{1280}");
    Click("BtnTextOut");
    EXPECT_TRUE(host.SentFrames().empty());
    EXPECT_TRUE(host.boxes.empty());
    ASSERT_EQ(host.monitorLines.size(), 2u);
    EXPECT_EQ(host.monitorLines[0],
              "[ERROR]: Event text: brace code {1280} is too large by 1 (largest 1279): not sent");
    EXPECT_EQ(host.monitorLines[1], "---------------------------------");
}

TEST_F(EventPageTest, NumbersThatAreNoNumbersStopTheOperation)
{
    struct Case {
        const char* edit;
        const char* value;
        const char* button;
        const char* message;
    };
    const Case cases[] = {
        {"EditXcls", "x1", "BtnClearScreen", "'x1' is not a valid integer value"},
        {"EditHact1", "", "BtnActionFromMemB", "'' is not a valid integer value"},
        {"EditLines", "16.5", "BtnMoveUp", "'16.5' is not a valid integer value"},
        {"EditWact2", "w", "BtnFlash", "'w' is not a valid integer value"},
        {"EditText", "A{1:}", "BtnTextOut", "'1:' is not a valid integer value"},
    };
    for (const Case& c : cases) {
        auto* edit = Get<QLineEdit>(c.edit);
        const QString before = edit->text();
        edit->setText(c.value);
        host.boxes.clear();
        Click(c.button);
        EXPECT_TRUE(host.SentFrames().empty()) << c.button;
        EXPECT_EQ(host.boxes, std::vector<std::string>{c.message}) << c.button;
        edit->setText(before);
    }
}

TEST_F(EventPageTest, AWindowThatIsNoEntryReadsTheHeaderRowAndStops)
{
    Get<QComboBox>("ComboWndID")->setEditText("Window 9");
    for (const char* button : {"BtnTextOut", "BtnEventPgmLink"}) {
        host.boxes.clear();
        Click(button);
        EXPECT_EQ(host.boxes, std::vector<std::string>{"'X' is not a valid integer value"}) << button;
    }
    EXPECT_TRUE(host.SentFrames().empty());
}

TEST_F(EventPageTest, RamDirectoryModeTakesTheOperationWindowAndSwitchingBackRestoresTheGrid)
{
    auto* grid = Get<QTableWidget>("StringGridWindows");
    grid->item(2, 1)->setText("999");
    EXPECT_EQ(Row(0), (std::vector<std::string>{"No.", "X", "Y", "Width", "Height", "Demo Text String"}));

    Choose("RadioSendToWindow", 1);
    struct Shown {
        const char* name;
        bool windowMode;
    };
    const Shown shown[] = {{"GroupBoxSen", true},        {"RadioGroup1", true},    {"PanelEventWnd", true},
                           {"StringGridWindows", true},  {"ComboWndID", true},     {"Image6", false},
                           {"RadioMemoPosiText", false}, {"RadioMemoPosi1", false}};
    for (const Shown& s : shown) EXPECT_EQ(Get<QWidget>(s.name)->isHidden(), s.windowMode) << s.name;
    auto* inner = shell::TabWidgetOf(*Get<QWidget>("TabEvent_Cls"));
    for (const char* tab : {"TabEvent_Cls", "TabEvent_Action", "TabEvent_Action2", "TabEvent_Action3"})
        EXPECT_TRUE(inner->isTabVisible(inner->indexOf(Get<QWidget>(tab)))) << tab;
    auto* textTabs = shell::TabWidgetOf(*Get<QWidget>("TabSheet5"));
    EXPECT_FALSE(textTabs->isTabVisible(textTabs->indexOf(Get<QWidget>("TabSheet5"))));

    Get<QLineEdit>("EditXtxt")->setText("8");
    Choose("RadioMemoPosiText", 1);
    Get<QLineEdit>("EditText")->setText("Hi");
    Click("BtnTextOut");
    EXPECT_EQ(Last(),
              "7E 01 FE FE 00 1C 45 56 45 4E 06 16 00 08 00 40 00 00 10 01 00 00 00 00 00 00 00 00 "
              "01 00 02 10 48 69 FF FF 7E 00 ");

    Choose("RadioSendToWindow", 0);
    EXPECT_EQ(Row(2), (std::vector<std::string>{"2", "64", "0", "64", "16", "[CH8]AB[CR]CD[FC01][FT101]EF"}));
    EXPECT_EQ(Row(7), (std::vector<std::string>{"7", "0", "48", "64", "16", "TEXT 6"}));
    EXPECT_FALSE(Get<QWidget>("StringGridWindows")->isHidden());
    EXPECT_FALSE(inner->isTabVisible(inner->indexOf(Get<QWidget>("TabEvent_Cls"))));
}

TEST_F(EventPageTest, TheDefaultGrid)
{
    const std::vector<std::vector<std::string>> rows = {
        {"1", "0", "0", "64", "16", "Hello"},
        {"2", "64", "0", "64", "16", "[CH8]AB[CR]CD[FC01][FT101]EF"},
        {"3", "0", "16", "64", "16", "[DH]:[DM]:[DS]"},
        {"4", "64", "16", "64", "16", "[FL000]{0}"},
        {"5", "0", "32", "64", "16", "[FC01]R[FC02]G[FC07]B"},
        {"6", "64", "32", "64", "16", "[DN]"},
        {"7", "0", "48", "64", "16", "TEXT 6"},
    };
    for (std::size_t r = 0; r < rows.size(); ++r) EXPECT_EQ(Row(static_cast<int>(r) + 1), rows[r]) << r + 1;
    auto* grid = Get<QTableWidget>("StringGridWindows");
    EXPECT_EQ(grid->rowCount(), 8);
    EXPECT_EQ(grid->columnWidth(5), 120);
    EXPECT_TRUE(grid->horizontalHeader()->isHidden());
}

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>

#include "bench/shell/control_text.h"
#include "tests/shell/window_fixture.h"

namespace {

enum class Kind { Button, Label, Edit, Memo, DropDown, ListBox, RadioGroup, CheckBox, GroupBox, Panel, Page, PageControl, SpeedButton };

bool IsKind(const QWidget& w, Kind kind)
{
    switch (kind) {
    case Kind::Button: return qobject_cast<const QPushButton*>(&w);
    case Kind::Label: return qobject_cast<const QLabel*>(&w);
    case Kind::Edit: return qobject_cast<const QLineEdit*>(&w);
    case Kind::Memo: return qobject_cast<const QPlainTextEdit*>(&w);
    case Kind::DropDown: return qobject_cast<const QComboBox*>(&w);
    case Kind::ListBox: return qobject_cast<const QListWidget*>(&w);
    case Kind::RadioGroup: return qobject_cast<const QGroupBox*>(&w) && !shell::RadioItems(w).empty();
    case Kind::CheckBox: return qobject_cast<const QCheckBox*>(&w);
    case Kind::GroupBox: return qobject_cast<const QGroupBox*>(&w);
    case Kind::Panel: return w.inherits("QFrame") || w.metaObject() == &QWidget::staticMetaObject;
    case Kind::Page: return shell::TabWidgetOf(w) != nullptr;
    case Kind::PageControl: return qobject_cast<const QTabWidget*>(&w);
    case Kind::SpeedButton: return qobject_cast<const QToolButton*>(&w);
    }
    return false;
}

struct ControlRow {
    const char* name;
    Kind kind;
    const char* text;  // caption, shown text or chosen entry; null: not checked
    bool visible;
    QStringList items;  // empty: not checked
    int count = -1;     // item count when the items are not all listed
};

QStringList Items(const QWidget& w)
{
    QStringList items;
    if (const auto* box = qobject_cast<const QComboBox*>(&w)) {
        for (int i = 0; i < box->count(); ++i) {
            items << box->itemText(i);
        }
    }
    for (const auto* radio : shell::RadioItems(w)) {
        items << radio->text();
    }
    return items;
}

class ControlTableTest : public WindowTest {
protected:
    void Check(const std::vector<ControlRow>& rows)
    {
        for (const auto& row : rows) {
            const QWidget* control = Find<QWidget>(row.name);
            ASSERT_NE(control, nullptr) << row.name;
            EXPECT_TRUE(IsKind(*control, row.kind)) << row.name << " is a " << control->metaObject()->className();
            if (row.text) {
                EXPECT_EQ(Text(row.name), QString::fromUtf8(row.text)) << row.name;
            }
            EXPECT_EQ(!control->isHidden(), row.visible) << row.name;
            if (!row.items.isEmpty()) {
                EXPECT_EQ(Items(*control), row.items) << row.name;
            }
            if (row.count >= 0) {
                EXPECT_EQ(Items(*control).size(), row.count) << row.name;
            }
        }
    }
};

TEST_F(ControlTableTest, LinkAreaProtocolViewAndMonitor)
{
    Open("[PROGRAM]\nLANGUAGE=EN\n");
    EXPECT_EQ(form->width(), 1314);
    EXPECT_EQ(form->height(), 712);
    EXPECT_TRUE(form->windowTitle().contains("K77T05"));
    EXPECT_EQ(form->font().family(), "Arial");
    EXPECT_EQ(form->font().pixelSize(), 12);
    QStringList baud = {"9600", "19200", "38400", "57600", "115200", "230400", "460800", "921600"};
    Check({
        {"PanelMain", Kind::Panel, nullptr, true, {}},
        {"Label27", Kind::Label, "&English", true, {}},
        {"Label31", Kind::Label, "&Chinese", true, {}},
        {"PageControl1", Kind::PageControl, nullptr, true, {}},
        {"PanelBottom", Kind::Panel, nullptr, true, {}},
        {"GroupBoxProtocol", Kind::GroupBox, "Protocol Data ", true, {}},
        {"Memo1", Kind::Memo, "", true, {}},
        {"EditHexData", Kind::Edit, "", false, {}},
        {"RadioGroupCommu", Kind::RadioGroup, "RS232", true, {"RS232", "TCP/IP"}},
        {"PanelRs232", Kind::Panel, nullptr, true, {}},
        {"GroupBoxCommuPara", Kind::GroupBox, "Commu Port", true, {}},
        {"CBComPort1", Kind::DropDown, "COM1", true, {}, 30},
        {"CBComBaud1", Kind::DropDown, "57600", true, baud},
        {"ComboBox9", Kind::DropDown, "1000", true, {"1000", "2000", "3000"}},
        {"EditSignEdit", Kind::Edit, "65278", true, {}},
        {"Label12", Kind::Label, "Sign ID:", true, {}},
        {"BtnFindPort", Kind::Button, "Find", true, {}},
        {"BtnFindComPort", Kind::Button, "Find Com", false, {}},
        {"BtnAutoSend", Kind::Button, "Auto Find", false, {}},
        {"PanelTcpip", Kind::Panel, nullptr, false, {}},
        {"EditTcpip", Kind::Edit, "192.168.1.250", true, {}},
        {"BtnIcmpPing", Kind::Button, "Ping", true, {}},
        {"Button5", Kind::Button, "WIFI", true, {}},
        {"BtnSend1", Kind::Button, "Send ", false, {}},
        {"MemoOut", Kind::Memo, "", true, {}},
        {"LabelCommuMonitor", Kind::Label, "Communication Monitor", true, {}},
        {"SpeedButton1", Kind::SpeedButton, "", true, {}},
        {"SpeedButton6", Kind::SpeedButton, "", true, {}},
        {"Hide", Kind::Button, "Hide", true, {}},
        {"CheckBoxComment", Kind::CheckBox, "0", false, {}},
        {"ComboBoxLong", Kind::DropDown, "5", false, {}, 26},
    });
    EXPECT_EQ(shell::Caption(*Find<QWidget>("CheckBoxComment")), "// Comment   Length=");
    EXPECT_EQ(shell::Caption(*Find<QWidget>("RadioGroupCommu")), "Commu Option");
    EXPECT_FALSE(Find<QWidget>("EditHexData")->isEnabled());
    EXPECT_TRUE(Find<QLineEdit>("EditHexData")->isReadOnly());
    EXPECT_EQ(Find<QPlainTextEdit>("MemoOut")->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(Find<QPlainTextEdit>("MemoOut")->font().family(), "Courier New");

    const char* pages[] = {"TabSheet_ProgramSelect", "TabSheet_INST",   "TabSheet1",     "TabSheet_EasyPgm", "TabSheet_Program2",
                           "TabSheet_StringFile",    "TabSheet_Time",   "TabSheet_Event", "TabSheet6"};
    const char* captions[] = {"Switch File ID", "Send Text", "Make XBmp", "Send Image", "Switch Program",
                              "Variable",       "Setup",     "Event Cmd", "Font"};
    auto* tabs = Find<QTabWidget>("PageControl1");
    ASSERT_EQ(tabs->count(), 9);
    for (int i = 0; i < 9; ++i) {
        const auto tab = shell::TabOf(*Find<QWidget>(pages[i]));
        ASSERT_TRUE(tab.has_value()) << pages[i];
        EXPECT_EQ(tab->tabs, tabs) << pages[i];
        EXPECT_EQ(tab->index, i) << pages[i];
        EXPECT_EQ(tabs->tabText(i), captions[i]);
    }
}

TEST_F(ControlTableTest, SendTextPage)
{
    Open("[PROGRAM]\nLANGUAGE=EN\n");
    const QStringList back = {"0x00: Hold (0x00-0x0f)", "0xF1: Hold Action 1", "0xF2: Hold Action 2",
                              "0xF3: Hold Action 3",    "0xF4: Hold Action Flash", "0x10: Red/Black",
                              "0x11: Red/Red",          "0x12: Red/Green",     "0x20: Green/Black",
                              "0x22: Green/Green",      "0x30: Yellow/Black",  "0x31: Yellow/Red",
                              "0x32: Yellow/Green",     "0x41: Blue/Red",      "0x50: Pink/Black",
                              "0x60: Cyan/Black",       "0x70: White/Black"};
    const QStringList seconds = {"Normal", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "30", "60", "90"};
    const QStringList dates = {QString::fromUtf8("日期:2015-12-31"),     QString::fromUtf8("日期:2015/12/31"),
                               QString::fromUtf8("日期:2015年12月31日"), QString::fromUtf8("时分秒:23:09:09"),
                               QString::fromUtf8("时分秒:23:9:9"),       QString::fromUtf8("时分秒:23时9分9秒"),
                               QString::fromUtf8("星期")};
    Check({
        {"ListBoxPgm", Kind::ListBox, nullptr, true, {}},
        {"EditPgmAlias", Kind::Edit, "", true, {}},
        {"GroupBoxPgmEdit", Kind::GroupBox, " Program Edit", true, {}},
        {"Edit5", Kind::Edit, "Hello", true, {}},
        {"CBSubCommand", Kind::DropDown, "0: Normal", true, {"0: Normal", "1: Hiding", "2: Append"}},
        {"ComboBoxFileId", Kind::DropDown, "160", true, {}, 120},
        {"SpeedButton3", Kind::SpeedButton, "", true, {}},
        {"SpeedButton5", Kind::SpeedButton, "", true, {}},
        {"SpeedButton2", Kind::SpeedButton, "", true, {}},
        {"SpeedButton4", Kind::SpeedButton, "", true, {}},
        {"LabelMsg", Kind::Label, ".", true, {}},
        {"ComboBox_Action", Kind::DropDown, "", true, {}},
        {"ComboBox_Color", Kind::DropDown, "", true, {}},
        {"ComboBox_FontEng", Kind::DropDown, "", true, {}},
        {"ComboBox_FontChn", Kind::DropDown, "", true, {}},
        {"ComboBox_Speed", Kind::DropDown, "", true, {}},
        {"ComboBox_Stay", Kind::DropDown, "", true, {}},
        {"BtnSendOtxt", Kind::Button, "INST: Send Pgm ", true, {}},
        {"EditPgmHex", Kind::Edit, nullptr, false, {}},
        {"ComboBox_Seconds", Kind::DropDown, "Normal", true, seconds},
        {"Label23", Kind::CheckBox, "1", true, {}},
        {"CBBackColor", Kind::DropDown, "0x00: Hold (0x00-0x0f)", true, back},
        {"ComboBox_Date", Kind::DropDown, "日期:2015-12-31", true, dates},
        {"suiButton23", Kind::Button, "Insert Time", true, {}},
        {"ComboBox_Color2", Kind::DropDown, "", true, {}},
        {"suiButton15", Kind::Button, "Insert Color", true, {}},
        {"CBRamVarID", Kind::DropDown, "Ram Var 0", true, {}, 16},
        {"BtnInsertRamVar", Kind::Button, "Insert Ram Var", true, {}},
        {"CBFlashVarID", Kind::DropDown, "Flash Var 0", true, {}, 128},
        {"BtnInsertFlashVar", Kind::Button, "Insert Flash Var", true, {}},
        {"CBFontTableNumEvent2", Kind::DropDown, " No.0", true, {}, 128},
        {"suiButton27", Kind::Button, "Insert Icon", true, {}},
        {"suiButton1", Kind::Button, "DALL: Delete All ", true, {}},
        {"GroupBoxPgmSetup", Kind::GroupBox, "Program Setup:", true, {}},
        {"GroupBox10", Kind::GroupBox, "Insert time or color to text", true, {}},
        {"GroupBox4", Kind::GroupBox, "Insert FLASH String Variable to text", true, {}},
        {"GroupBox5", Kind::GroupBox, "Insert RAM String Variable ID to text", true, {}},
        {"Label28", Kind::Label, "Porgram Type: ", true, {}},
        {"Label25", Kind::Label, "Background Action (Color: H4 bits / L4 bits) ", true, {}},
    });
    EXPECT_TRUE(Find<QWidget>("ComboBoxFileId")->toolTip().startsWith(QString::fromUtf8("注意: 一个节目至少要占3个文件ID")));
}

}  // namespace

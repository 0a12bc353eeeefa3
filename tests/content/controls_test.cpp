#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QToolButton>
#include <gtest/gtest.h>

#include <memory>

#include "bench/content/switch_file_id_page.h"
#include "bench/content/switch_program_page.h"
#include "bench/content/variable_page.h"
#include "bench/shell/control_text.h"
#include "tests/support/temp_dir.h"
#include "tests/support/test_bench_host.h"

// Every control of the three pages: its kind, caption, items, default and visibility.
namespace {

enum class Kind { Button, Label, Edit, Combo, Check, Group, Radio, Grid, Memo, Tool };

struct Control {
    const char* name;
    Kind kind;
    const char* caption = nullptr;  // caption, edit text or chosen entry
    int items = -1;                 // entry count of a list or radio group
    const char* first = nullptr;    // first entry
    const char* last = nullptr;     // last entry
    bool visible = true;
};

const Control kSwitchFileId[] = {
    {"Label13", Kind::Group, "Select Running Program File(s) "},
    {"CBPgmGroup", Kind::Combo, "A", 26, "A", "Z"},
    {"CBStartProgram", Kind::Combo, "0", 1024, "0", "1023"},
    {"CBEndProgram", Kind::Combo, "999", 1024, "0", "1023"},
    {"Label2", Kind::Label, "Program Group"},
    {"Label3", Kind::Label, "Start File ID"},
    {"Label4", Kind::Label, "End File ID"},
    {"suiButton17", Kind::Button, "All"},
    {"CheckInterrupt", Kind::Check, "Break running program"},
    {"GroupBox11", Kind::Group, "Level 2. PRAM (Ram Play Table )"},
    {"BtnCreatePlayList", Kind::Button, "Switch Program by File ID"},
    {"BtnCreatePlayList1", Kind::Button, "Exit to Normal Program"},
    {"CBPgmLoops", Kind::Combo, "Loop Allways", 7, "Loop Allways", "Loop 6 Times"},
    {"CBPgmSeconds", Kind::Combo, "All Time", 11, "All Time", "10 Seconds"},
    {"GroupBox8", Kind::Group, "Level 3. PLAY (Flash Play Table )"},
    {"BtnCreatePlayFlashList", Kind::Button, "Switch Program by File ID"},
    {"BtnCreatePlayFlashList1", Kind::Button, "Exit to Normal Program"},
    {"GroupBoxLevel1", Kind::Group, "Level 1. EVENT"},
    {"BtnEvent", Kind::Button, "Event   (V394)"},
    {"BtnQuitEvent", Kind::Button, "Exit   (V394)"},
    {"LabelPgmList", Kind::Label, "Program List:"},
    {"StringGrid1", Kind::Grid},
    {"BtnGetAlias", Kind::Button, "ALAS: Get Program Alias"},
    {"CheckBoxVer393", Kind::Check, "Use next ID"},
    {"GroupBoxGetAlias", Kind::Group, "Get Running Alias"},
    {"LabelAlias", Kind::Label, "Program:                ID: "},
    {"BtnGetCurrentRunningAlias", Kind::Button, "ALAS: Get Runing PGM id"},
    {"Edit1", Kind::Edit, ""},
    {"Edit2", Kind::Edit, ""},
    {"CheckHide", Kind::Check, "Hide?"},
    {"BtnDelePgm", Kind::Button, "DELP: Delete PGM"},
    {"GroupBox12", Kind::Group, "GETX  ( Get empty id automatic )"},
    {"EditStart", Kind::Edit, "200"},
    {"ComboBoxScale", Kind::Combo, "10", 5, "1", "15"},
    {"suiButton16", Kind::Button, "Get Empty Pgm ID"},
    {"EditGetx", Kind::Edit, ""},
};

const Control kSwitchProgram[] = {
    {"LabelProgramSwitch", Kind::Label, "Select Running Program Order"},
    {"GroupBoxProgramSwitch", Kind::Group, " Program Running Select  (PRAM)"},
    {"suiButton3", Kind::Button, "PRAM: Program 1"},
    {"suiButton6", Kind::Button, "PRAM: Program 4"},
    {"suiButton11", Kind::Button, "PRAM: Program 9"},
    {"suiButton12", Kind::Button, "PRAM: Program 1-9"},
    {"GroupBox3", Kind::Group, "Program Multi Select (PRAM)"},
    {"Label16", Kind::Label, "Start: "},
    {"Label17", Kind::Label, "End:"},
    {"CBProgramStart", Kind::Combo, "1", 9, "1", "9"},
    {"CBProgramEnd", Kind::Combo, "1", 9, "1", "9"},
    {"BtnSendMultiProgram", Kind::Button, "PRAM: Select Ranger"},
    {"CBPgmLoops1", Kind::Combo, "0", 7, "0", "6"},
    {"CBPgmSeconds1", Kind::Combo, "0 S", 11, "0 S", "10 S"},
    {"BtnSendProgramSwitch", Kind::Button, "PRAM: Quit Selected"},
    {"Memo2", Kind::Memo, "MESG 7E 01 FE FE 00 06 4D 45 53 47 00 00 FF FF 7E 00 "},
};

const Control kVariable[] = {
    {"RGVariableType", Kind::Radio, "VRAM: Ram Variable ( < 16 Bytes)", 2, "VRAM: Ram Variable ( < 16 Bytes)",
     "VROM: Rom (Flash) Variable ( < 32 Bytes)"},
    {"CBVarID", Kind::Combo, "Var-RAM 0", 8, "Var-RAM 0", "Var-RAM 7"},
    {"LabelVarName", Kind::Label, "Variable Name: "},
    {"LabelVarString", Kind::Label, "Variable String : "},
    {"EditVarString", Kind::Edit, "Hello"},
    {"EditHexString", Kind::Edit, nullptr, -1, nullptr, nullptr, false},
    {"BtnCreateRom", Kind::Button, "Send Variable"},
    {"GroupBoxInsertVar", Kind::Group, "Insert Bitmap Text  "},
    {"CBFontTableNum", Kind::Combo, " No.0", 128, " No.0", " No.127"},
    {"BtnInsertCharIndex", Kind::Button, "Insert Char-Bitmap"},
    {"GroupBox6", Kind::Group, "Insert Color"},
    {"ComboBox_Color1", Kind::Combo},
    {"suiButtonInsertColor", Kind::Button, "Insert Color"},
    {"suiButton20", Kind::Button, "Read Variable [MRED]"},
    {"RGMredMode", Kind::Radio, "Flash", 5, "Flash", "RAM"},
    {"Edit10", Kind::Edit, "A000"},
    {"LabelFlashAddress", Kind::Label, "Flash Address"},
    {"Edit11", Kind::Edit, "20"},
    {"LabelMredBytes", Kind::Label, "Bytes"},
    {"Edit9", Kind::Edit, ""},
    {"RGForecourt", Kind::Radio, "", 6, "Program 01", "Program 06"},
    {"RGOilWindows", Kind::Radio, "", 6, "Windows 1", "Windows 6"},
    {"SpeedButton7", Kind::Tool},
};

bool IsKind(const QWidget& w, Kind kind)
{
    switch (kind) {
    case Kind::Button: return qobject_cast<const QPushButton*>(&w);
    case Kind::Label: return qobject_cast<const QLabel*>(&w);
    case Kind::Edit: return qobject_cast<const QLineEdit*>(&w);
    case Kind::Combo: return qobject_cast<const QComboBox*>(&w);
    case Kind::Check: return qobject_cast<const QCheckBox*>(&w);
    case Kind::Group:
    case Kind::Radio: return qobject_cast<const QGroupBox*>(&w);
    case Kind::Grid: return qobject_cast<const QTableWidget*>(&w);
    case Kind::Memo: return qobject_cast<const QPlainTextEdit*>(&w);
    case Kind::Tool: return qobject_cast<const QToolButton*>(&w);
    }
    return false;
}

void CheckControls(QWidget& page, const char* pageName, const Control* begin, const Control* end)
{
    EXPECT_EQ(page.objectName(), pageName);
    page.show();
    for (const Control* c = begin; c != end; ++c) {
        SCOPED_TRACE(c->name);
        auto* w = page.findChild<QWidget*>(c->name);
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(IsKind(*w, c->kind));
        EXPECT_EQ(w->isVisible(), c->visible);
        if (auto* box = qobject_cast<QComboBox*>(w)) {
            if (c->caption) {
                EXPECT_EQ(box->currentText().toStdString(), c->caption);
            }
            if (c->items >= 0) {
                EXPECT_EQ(box->count(), c->items);
            }
            if (c->first) {
                EXPECT_EQ(box->itemText(0).toStdString(), c->first);
            }
            if (c->last) {
                EXPECT_EQ(box->itemText(box->count() - 1).toStdString(), c->last);
            }
        } else if (c->kind == Kind::Radio) {
            const auto items = shell::RadioItems(*w);
            ASSERT_EQ(static_cast<int>(items.size()), c->items);
            EXPECT_EQ(items.front()->text().toStdString(), c->first);
            EXPECT_EQ(items.back()->text().toStdString(), c->last);
            const int chosen = shell::RadioIndex(*w);
            EXPECT_EQ(chosen < 0 ? std::string() : items[chosen]->text().toStdString(), c->caption);
        } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            if (c->caption) {
                EXPECT_EQ(edit->text().toStdString(), c->caption);
            }
        } else if (auto* memo = qobject_cast<QPlainTextEdit*>(w)) {
            EXPECT_EQ(memo->toPlainText().toStdString(), c->caption);
        } else if (c->caption) {
            EXPECT_EQ(shell::Caption(*w).toStdString(), c->caption);
        }
    }
}

}  // namespace

TEST(ContentControls, EveryControlOfTheThreePages)
{
    testsupport::TempDir dir;
    testsupport::TestBenchHost host(dir.Path());
    SwitchFileIdPage fileId(host);
    CheckControls(fileId, "TabSheet_ProgramSelect", std::begin(kSwitchFileId), std::end(kSwitchFileId));
    SwitchProgramPage program(host);
    CheckControls(program, "TabSheet_Program2", std::begin(kSwitchProgram), std::end(kSwitchProgram));
    VariablePage variable(host);
    CheckControls(variable, "TabSheet_StringFile", std::begin(kVariable), std::end(kVariable));
}

TEST(ContentControls, ChecksAndGridStartAsGiven)
{
    testsupport::TempDir dir;
    testsupport::TestBenchHost host(dir.Path());
    SwitchFileIdPage page(host);
    EXPECT_TRUE(page.findChild<QCheckBox*>("CheckInterrupt")->isChecked());
    EXPECT_TRUE(page.findChild<QCheckBox*>("CheckBoxVer393")->isChecked());
    EXPECT_FALSE(page.findChild<QCheckBox*>("CheckHide")->isChecked());
    const auto* grid = page.findChild<QTableWidget*>("StringGrid1");
    ASSERT_EQ(grid->columnCount(), 4);
    ASSERT_EQ(grid->rowCount(), 2);
    const char* headers[] = {"No.", "Program Name", "File ID.", "Propety"};
    for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(grid->item(0, c)->text().toStdString(), headers[c]);
        EXPECT_EQ(grid->item(1, c)->text().toStdString(), "");
    }
    EXPECT_EQ(grid->selectionBehavior(), QAbstractItemView::SelectRows);
}

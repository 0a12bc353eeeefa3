#include <QComboBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <filesystem>

#include "bench/shell/control_text.h"
#include "tests/shell/window_fixture.h"

namespace {

TEST_F(WindowTest, StartUpFromSetupCfg)
{
    struct Case {
        const char* what;
        const char* settings;  // null: no setup.cfg
        const char* link;
        bool tcpPanel;
        const char* port;
        const char* monitorTitle;  // shows the language
    };
    const Case cases[] = {
        {"no file", nullptr, "RS232", false, "COM1", "通讯窗口"},
        {"network link", "[PORT]\nCOMMUTYPEIDX=1\n[PROGRAM]\nLANGUAGE=EN\n", "TCP/IP", true, "COM1",
         "Communication Monitor"},
        {"port index 4", "[PORT]\nCOM=4\n", "RS232", false, "COM5", "通讯窗口"},
        {"language lower case", "[PROGRAM]\nLANGUAGE=en\n", "RS232", false, "COM1", "Communication Monitor"},
        {"language CN", "[PROGRAM]\nLANGUAGE=CN\n", "RS232", false, "COM1", "通讯窗口"},
        {"empty language", "[PROGRAM]\nLANGUAGE=\n", "RS232", false, "COM1", "通讯窗口"},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(home.File("setup.cfg"));
        if (c.settings) {
            Open(std::string(c.settings));
        } else {
            Open(nullptr);
        }
        EXPECT_EQ(Text("RadioGroupCommu"), c.link) << c.what;
        EXPECT_EQ(Find<QWidget>("PanelTcpip")->isHidden(), !c.tcpPanel) << c.what;
        EXPECT_EQ(Find<QWidget>("PanelRs232")->isHidden(), c.tcpPanel) << c.what;
        EXPECT_EQ(Text("CBComPort1"), c.port) << c.what;
        EXPECT_EQ(Text("LabelCommuMonitor"), QString::fromUtf8(c.monitorTitle)) << c.what;
        // Design values that are never stored.
        EXPECT_EQ(Text("CBComBaud1"), "57600") << c.what;
        EXPECT_EQ(Text("ComboBox9"), "1000") << c.what;
        EXPECT_EQ(Text("EditSignEdit"), "65278") << c.what;
        EXPECT_EQ(Text("EditTcpip"), "192.168.1.250") << c.what;
        const auto start = shell::TabOf(*Find<QWidget>("TabSheet_ProgramSelect"));
        ASSERT_TRUE(start.has_value()) << c.what;
        EXPECT_EQ(start->tabs->currentIndex(), start->index) << c.what;
        if (!c.settings) {
            EXPECT_FALSE(std::filesystem::exists(home.File("setup.cfg"))) << "a start from no file writes nothing";
        }
    }
}

TEST_F(WindowTest, NetworkLinkIsWrittenBackAndKeptAcrossRestarts)
{
    Open("[PORT]\nCOMMUTYPEIDX=1\n");
    EXPECT_EQ(Settings().ReadInt("PORT", "COMMUTYPEIDX", -9), 1);

    Open("[PORT]\nCOMMUTYPEIDX=0\n");
    Find<QRadioButton>("RadioGroupCommu_1")->click();
    EXPECT_FALSE(Find<QWidget>("PanelTcpip")->isHidden());
    EXPECT_TRUE(Find<QWidget>("PanelRs232")->isHidden());
    EXPECT_EQ(Settings().ReadInt("PORT", "COMMUTYPEIDX", -9), 1);
    Reopen();
    EXPECT_EQ(Text("RadioGroupCommu"), "TCP/IP");
}

TEST_F(WindowTest, PickingAPortStoresItsIndex)
{
    Open(nullptr);
    auto* ports = Find<QComboBox>("CBComPort1");
    ports->setCurrentIndex(6);
    emit ports->activated(6);
    EXPECT_EQ(Settings().ReadInt("PORT", "COM", -1), 6);
    Reopen();
    EXPECT_EQ(Text("CBComPort1"), "COM7");
}

TEST_F(WindowTest, SignIdQuickCycle)
{
    Open(nullptr);
    const std::pair<const char*, const char*> cases[] = {
        {"65278", "1"}, {"8", "9"}, {"9", "65278"}, {"300", "65278"}, {"-3", "-2"}, {"0", "1"}, {"00009", "65278"},
    };
    auto* edit = Find<QLineEdit>("EditSignEdit");
    for (const auto& [before, after] : cases) {
        edit->setText(before);
        form->Label12Click();
        EXPECT_EQ(edit->text(), after) << before;
    }
    edit->setText("abc");
    printed.clear();
    form->Label12Click();
    EXPECT_EQ(edit->text(), "abc");
    ASSERT_EQ(printed.size(), 1u);
    EXPECT_EQ(printed[0], "[BOX] 'abc' is not a valid integer value");
}

TEST_F(WindowTest, HideTogglesBothViews)
{
    Open(nullptr);
    auto* hide = Find<QPushButton>("Hide");
    hide->click();
    EXPECT_TRUE(Find<QWidget>("Memo1")->isHidden());
    EXPECT_TRUE(Find<QWidget>("MemoOut")->isHidden());
    hide->click();
    EXPECT_FALSE(Find<QWidget>("Memo1")->isHidden());
    EXPECT_FALSE(Find<QWidget>("MemoOut")->isHidden());
}

TEST_F(WindowTest, StartListsAndFirstScriptSelected)
{
    Open("[PROGRAM]\nLANGUAGE=EN\nCOUNT=2\nPGM_NAME_0=First\nPGM_TEXT_0=one\nPGM_STAR_0=3\n"
         "PGM_NAME_1=Second\nPGM_TEXT_1=two\n");
    EXPECT_EQ(Text("ComboBoxLong"), "5");
    EXPECT_EQ(Find<QComboBox>("ComboBoxLong")->count(), 26);
    EXPECT_EQ(Find<QComboBox>("ComboBoxFileId")->count(), 120);
    EXPECT_EQ(Find<QComboBox>("CBRamVarID")->count(), 16);
    EXPECT_EQ(Text("CBFlashVarID"), "Flash Var 0");
    EXPECT_EQ(Find<QComboBox>("CBFlashVarID")->count(), 128);
    EXPECT_EQ(Text("CBFontTableNumEvent2"), " No.0");
    EXPECT_EQ(Find<QListWidget>("ListBoxPgm")->currentRow(), 0);
    EXPECT_EQ(Text("EditPgmAlias"), "First");
    EXPECT_EQ(Text("GroupBoxPgmEdit"), "First");
    EXPECT_EQ(Text("Edit5"), "one");
    EXPECT_EQ(Text("ComboBoxFileId"), "15");
    EXPECT_EQ(Text("LabelMsg"), "");
}

TEST_F(WindowTest, WithoutScriptsTheEditingFieldsKeepTheirDesignValues)
{
    Open("[PROGRAM]\nLANGUAGE=EN\n");
    EXPECT_EQ(Find<QListWidget>("ListBoxPgm")->count(), 0);
    EXPECT_EQ(Text("Edit5"), "Hello");
    EXPECT_EQ(Text("EditPgmAlias"), "");
    EXPECT_EQ(Text("GroupBoxPgmEdit"), " Program Edit");
    EXPECT_EQ(Text("ComboBoxFileId"), "160");
    EXPECT_EQ(Text("LabelMsg"), ".");
    EXPECT_EQ(SettingsText().find("PGM_TEXT"), std::string::npos);
}

}  // namespace

#include <QListWidget>
#include <QTabWidget>

#include "bench/shell/chinese_captions.h"
#include "bench/shell/control_text.h"
#include "tests/shell/window_fixture.h"

namespace {

// The present text of every switched entry that exists in the window.
std::vector<QString> Present(const QWidget& root)
{
    return shell::CaptureCaptions(root);
}

TEST_F(WindowTest, LanguageSwitchesBothWaysAndIsStored)
{
    Open("[PROGRAM]\nLANGUAGE=cn\n");
    const auto& table = shell::SwitchedCaptions();
    const auto chinese = shell::ChineseCaptionTexts();
    const auto inChinese = Present(*form);
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (!inChinese[i].isEmpty()) {
            EXPECT_EQ(inChinese[i], chinese[i]) << table[i].control << " " << table[i].item;
        }
    }
    EXPECT_EQ(Text("TabSheet_INST"), QString::fromUtf8("发送OTXT 节目"));
    EXPECT_EQ(Text("GroupBoxCommuPara"), QString::fromUtf8("通讯参数"));
    // Not switched: they keep their English captions in Chinese mode.
    EXPECT_EQ(Text("Hide"), "Hide");
    EXPECT_EQ(Text("RadioGroupCommu"), "RS232");
    EXPECT_EQ(shell::Caption(*Find<QWidget>("RadioGroupCommu")), "Commu Option");
    EXPECT_EQ(Text("Label27"), "&English");
    EXPECT_EQ(Text("suiButton27"), "Insert Icon");

    form->Label27Click();
    EXPECT_EQ(Settings().ReadText("PROGRAM", "LANGUAGE", ""), "EN");
    const auto inEnglish = Present(*form);
    const struct {
        const char* control;
        const char* english;
    } designs[] = {
        {"TabSheet_ProgramSelect", "Switch File ID"}, {"TabSheet_INST", "Send Text"},
        {"TabSheet_EasyPgm", "Send Image"},           {"TabSheet_Program2", "Switch Program"},
        {"TabSheet_StringFile", "Variable"},          {"TabSheet_Time", "Setup"},
        {"TabSheet_Event", "Event Cmd"},              {"GroupBoxCommuPara", "Commu Port"},
        {"LabelCommuMonitor", "Communication Monitor"}, {"GroupBoxProtocol", "Protocol Data "},
        {"BtnFindPort", "Find"},                      {"BtnSendOtxt", "INST: Send Pgm "},
        {"suiButton1", "DALL: Delete All "},          {"suiButton15", "Insert Color"},
        {"BtnInsertRamVar", "Insert Ram Var"},        {"Label23", "Font Asian"},
        {"TabEvent_Action3", "Action-3"},             {"TabEvent_Text", "Print Text && Link"},
    };
    for (const auto& design : designs) {
        EXPECT_EQ(shell::Caption(*Find<QWidget>(design.control)), design.english) << design.control;
    }
    // Whatever the other pages' design captions are, English restores them all.
    form->Label31Click();
    EXPECT_EQ(Settings().ReadText("PROGRAM", "LANGUAGE", ""), "CN");
    EXPECT_EQ(Present(*form), inChinese);
    form->Label27Click();
    EXPECT_EQ(Present(*form), inEnglish);
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (!inEnglish[i].isEmpty()) {
            EXPECT_NE(inEnglish[i], chinese[i]) << table[i].control;
        }
    }
}

TEST_F(WindowTest, ChineseClickWritesCnEvenWhenShownAndReloadsScripts)
{
    Open("[PROGRAM]\nCOUNT=1\nPGM_NAME_0=a\n[ACTION]\nCOUNT=1\nACT_NAME_CN_0=cn-hold\nACT_NAME_EN_0=en-hold\n");
    EXPECT_EQ(Text("ComboBox_Action"), "cn-hold");
    Settings().Write("PROGRAM", "COUNT", "0");
    form->Label31Click();
    EXPECT_EQ(Settings().ReadText("PROGRAM", "LANGUAGE", ""), "CN");
    EXPECT_EQ(Find<QListWidget>("ListBoxPgm")->count(), 0) << "the script list was loaded again";
    EXPECT_EQ(Text("ComboBox_Action"), "cn-hold");
    form->Label27Click();
    EXPECT_EQ(Text("ComboBox_Action"), "en-hold");
}

TEST_F(WindowTest, EverySwitchedControlExists)
{
    Open("[PROGRAM]\nLANGUAGE=EN\n");
    std::vector<std::string> missing;
    for (const auto name : shell::SwitchedControls()) {
        if (!form->findChild<QWidget*>(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())))) {
            missing.emplace_back(name);
        }
    }
    std::string list;
    for (const auto& name : missing) {
        list += name + " ";
    }
    EXPECT_TRUE(missing.empty()) << missing.size() << " missing: " << list;
    for (const auto& entry : shell::SwitchedCaptions()) {
        if (entry.item < 0) {
            continue;
        }
        const QWidget* group = form->findChild<QWidget*>(
            QString::fromUtf8(entry.control.data(), static_cast<qsizetype>(entry.control.size())));
        if (group) {
            EXPECT_GT(shell::RadioItems(*group).size(), static_cast<std::size_t>(entry.item)) << entry.control;
        }
    }
}

}  // namespace

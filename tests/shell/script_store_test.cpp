#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QToolButton>

#include "bench/content/program_scripts.h"
#include "bench/shell/script_lists.h"
#include "tests/shell/window_fixture.h"

namespace {

const char* kVocabulary =
    "[ACTION]\nCOUNT=2\nACT_NAME_EN_0=HOLD\nACT_NAME_EN_1=HOLD_FLASH\n"
    "[SPEED]\nCOUNT=3\nSPEED_NAME_EN_0=fast\nSPEED_NAME_EN_1=mid\nSPEED_NAME_EN_2=slow\n";

std::string ThreeScripts()
{
    return std::string("[PROGRAM]\nLANGUAGE=EN\nCOUNT=3\n") +
           "PGM_NAME_0=x\nPGM_TEXT_0=text0\nPGM_SPEED_0=1\n"
           "PGM_NAME_1=y\nPGM_TEXT_1=text1\nPGM_SPEED_1=2\n"
           "PGM_NAME_2=z\nPGM_TEXT_2=text2\nPGM_HIDE_2=2\n" +
           kVocabulary;
}

class ScriptStoreTest : public WindowTest {
protected:
    void Select(int row)
    {
        auto* list = Find<QListWidget>("ListBoxPgm");
        list->setCurrentRow(row);
        emit list->itemClicked(list->item(row));
    }
    void Press(const char* button, bool ok = true)
    {
        session.confirmAnswers.push_back(ok);
        Find<QToolButton>(button)->click();
    }
    std::string Key(const std::string& key) { return Settings().ReadRaw("PROGRAM", key).value_or("<absent>"); }
    QStringList Listed()
    {
        QStringList names;
        auto* list = Find<QListWidget>("ListBoxPgm");
        for (int i = 0; i < list->count(); ++i) {
            names << list->item(i)->text();
        }
        return names;
    }
};

TEST_F(ScriptStoreTest, MissingNameShowsAsAt)
{
    Open("[PROGRAM]\nCOUNT=3\nPGM_NAME_0=x\nPGM_NAME_2=z\n");
    EXPECT_EQ(Listed(), QStringList({"x", "@", "z"}));
}

TEST_F(ScriptStoreTest, SelectingLoadsTheScriptByNumberEvenWhenNamesRepeat)
{
    Open("[PROGRAM]\nLANGUAGE=EN\nCOUNT=5\nPGM_NAME_0=a\nPGM_NAME_1=twin\nPGM_TEXT_1=one\nPGM_SPEED_1=1\n"
         "PGM_NAME_2=b\nPGM_NAME_3=c\nPGM_NAME_4=twin\nPGM_TEXT_4=four\nPGM_SPEED_4=2\n" +
         std::string(kVocabulary));
    Select(1);
    EXPECT_EQ(Text("Edit5"), "one");
    EXPECT_EQ(Text("ComboBox_Speed"), "mid");
    EXPECT_EQ(Key("PGM_TEXT_1"), "one") << "number 4's text must not land in number 1";
    Select(4);
    EXPECT_EQ(Text("Edit5"), "four");
    EXPECT_EQ(Text("ComboBox_Speed"), "slow");
    EXPECT_EQ(Key("PGM_TEXT_1"), "one");
}

TEST_F(ScriptStoreTest, SelectingWithTheKeyboardLoadsTheScriptToo)
{
    // An arrow key moves the selection without a mouse click; the fields must follow,
    // or the next edit would store the old script's text under the new number.
    Open(ThreeScripts());
    Select(0);
    auto* list = Find<QListWidget>("ListBoxPgm");
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(list, &down);
    ASSERT_EQ(list->currentRow(), 1);
    EXPECT_EQ(Text("EditPgmAlias"), "y");
    EXPECT_EQ(Text("GroupBoxPgmEdit"), "y");
    EXPECT_EQ(Text("Edit5"), "text1");
    EXPECT_EQ(Text("ComboBox_Speed"), "slow");
    EXPECT_EQ(Key("PGM_TEXT_1"), "text1");
    Find<QLineEdit>("Edit5")->setText("edited");
    EXPECT_EQ(Key("PGM_TEXT_1"), "edited");
    EXPECT_EQ(Key("PGM_TEXT_0"), "text0");
}

TEST_F(ScriptStoreTest, TextAndOptionChangesAreStoredUnderTheSelectedNumber)
{
    Open(ThreeScripts());
    Select(2);
    EXPECT_EQ(Text("CBSubCommand"), "2: Append");
    EXPECT_EQ(Text("LabelMsg"), "");
    Find<QLineEdit>("Edit5")->setText("new words");
    EXPECT_EQ(Key("PGM_TEXT_2"), "new words");
    auto* speed = Find<QComboBox>("ComboBox_Speed");
    speed->setCurrentIndex(2);
    emit speed->activated(2);
    EXPECT_EQ(Key("PGM_SPEED_2"), "2");
    EXPECT_EQ(Key("PGM_SPEED_0"), "1");
    // Type and start id wait for Save.
    Find<QComboBox>("CBSubCommand")->setCurrentIndex(1);
    EXPECT_EQ(Key("PGM_HIDE_2"), "2");
}

TEST_F(ScriptStoreTest, NothingIsStoredWhileNoScriptIsSelected)
{
    Open("[PROGRAM]\nLANGUAGE=EN\n" + std::string(kVocabulary));
    Find<QLineEdit>("Edit5")->setText("typed");
    auto* action = Find<QComboBox>("ComboBox_Action");
    emit action->activated(1);
    Press("SpeedButton5");
    Press("SpeedButton4");
    EXPECT_EQ(SettingsText().find("PGM_"), std::string::npos) << SettingsText();
}

TEST_F(ScriptStoreTest, NewAppendsOnlyNameTypeAndStartId)
{
    Open("[PROGRAM]\nLANGUAGE=EN\nCOUNT=5\nPGM_NAME_0=a\nPGM_NAME_1=b\nPGM_NAME_2=c\nPGM_NAME_3=d\nPGM_NAME_4=e\n");
    Select(1);
    Find<QLineEdit>("EditPgmAlias")->setText("fresh");
    Find<QComboBox>("CBSubCommand")->setCurrentIndex(1);
    Find<QComboBox>("ComboBoxFileId")->setCurrentIndex(40);
    Press("SpeedButton3");
    EXPECT_EQ(Key("COUNT"), "6");
    EXPECT_EQ(Key("PGM_NAME_5"), "fresh");
    EXPECT_EQ(Key("PGM_HIDE_5"), "1");
    EXPECT_EQ(Key("PGM_STAR_5"), "40");
    EXPECT_EQ(Key("PGM_TEXT_5"), "<absent>");
    EXPECT_EQ(Key("PGM_SPEED_5"), "<absent>");
    EXPECT_EQ(Listed().size(), 6);
    EXPECT_EQ(Find<QListWidget>("ListBoxPgm")->currentRow(), 1) << "the selection is restored by position";
}

TEST_F(ScriptStoreTest, CancelChangesNothing)
{
    Open(ThreeScripts());
    Select(0);
    const std::string selected = SettingsText();
    Find<QLineEdit>("EditPgmAlias")->setText("renamed");
    for (const char* button : {"SpeedButton3", "SpeedButton5", "SpeedButton2"}) {
        Press(button, false);
        EXPECT_EQ(SettingsText(), selected) << button;
    }
    EXPECT_EQ(printed.back(), "[BOX] Delete ?");
}

TEST_F(ScriptStoreTest, SaveRenamesTheSelectedScript)
{
    Open(ThreeScripts());
    Select(1);
    Find<QLineEdit>("EditPgmAlias")->setText("why");
    Find<QComboBox>("ComboBoxFileId")->setCurrentIndex(7);
    Press("SpeedButton5");
    EXPECT_EQ(Key("PGM_NAME_1"), "why");
    EXPECT_EQ(Key("PGM_STAR_1"), "7");
    EXPECT_EQ(Listed(), QStringList({"x", "why", "z"}));
    EXPECT_EQ(Text("ComboBox_Speed"), "fast") << "option boxes show their first entries after a reload";
}

TEST_F(ScriptStoreTest, DeleteRemovesTheSelectedScriptAndRenumbersTheLaterOnes)
{
    Open(ThreeScripts());
    Select(0);
    Press("SpeedButton2");
    EXPECT_EQ(Key("COUNT"), "2");
    EXPECT_EQ(Listed(), QStringList({"y", "z"}));
    EXPECT_EQ(Key("PGM_NAME_0"), "y");
    EXPECT_EQ(Key("PGM_TEXT_0"), "text1");
    EXPECT_EQ(Key("PGM_SPEED_0"), "2");
    EXPECT_EQ(Key("PGM_NAME_1"), "z");
    EXPECT_EQ(Key("PGM_TEXT_1"), "text2");
    EXPECT_EQ(Key("PGM_HIDE_1"), "2");
    // The script now at the position is selected and shown, so edits go to it.
    EXPECT_EQ(Find<QListWidget>("ListBoxPgm")->currentRow(), 0);
    EXPECT_EQ(Text("Edit5"), "text1");

    Select(1);
    Press("SpeedButton2");
    EXPECT_EQ(Listed(), QStringList({"y"}));
    EXPECT_EQ(Find<QListWidget>("ListBoxPgm")->currentRow(), 0);
}

TEST_F(ScriptStoreTest, DeleteOnAnEmptyListDoesNothing)
{
    Open("[PROGRAM]\nLANGUAGE=EN\nCOUNT=0\n");
    const std::string before = SettingsText();
    Press("SpeedButton2");
    EXPECT_EQ(SettingsText(), before);
    session.confirmAnswers.clear();
    Find<QLineEdit>("EditPgmAlias")->setText("first");
    Press("SpeedButton3");
    EXPECT_EQ(Key("COUNT"), "1");
    EXPECT_EQ(Key("PGM_NAME_0"), "first");
}

TEST(ScriptLists, VocabulariesFillEveryBoxOfTheirRow)
{
    testsupport::TempDir home;
    testsupport::WriteTextFile(home.File("setup.cfg"),
                               "[PROGRAM]\nLANGUAGE=EN\n[ACTION]\nCOUNT=2\nACT_NAME_EN_0=HOLD\nACT_NAME_EN_1=HOLD_FLASH\n"
                               "[COLOR]\nCOUNT=1\nCOLOR_NAME_EN_0=Red\n[FONTENG]\nCOUNT=2\nFONT_NAME_0=A\n"
                               "[STAY]\nCOUNT=0\n[FONT]\nFONT_PANEL=1\n");
    QWidget root;
    for (const auto& vocabulary : content::Vocabularies()) {
        for (const auto box : vocabulary.boxes) {
            auto* combo = new QComboBox(&root);
            combo->setObjectName(QString::fromUtf8(box.data(), static_cast<qsizetype>(box.size())));
            combo->addItem("design entry");
        }
    }
    auto* panel = new QWidget(&root);
    panel->setObjectName("PanelFontSpecial");
    panel->hide();
    shell::LoadScriptLists(root, platform::Profile(home.File("setup.cfg")));

    struct Case {
        const char* box;
        QStringList items;
        QString chosen;
    };
    const Case cases[] = {
        {"ComboBox_Action", {"HOLD", "HOLD_FLASH"}, "HOLD"},
        {"ComboBox_Action_Ogif", {"HOLD", "HOLD_FLASH"}, "HOLD"},
        {"ComboBox_Action_Event", {"HOLD", "HOLD_FLASH"}, "HOLD"},
        {"ComboBox_Action_EventText", {"HOLD", "HOLD_FLASH"}, "HOLD_FLASH"},
        {"ComboBox_Color2", {"Red"}, "Red"},
        {"ComboBox_FontEngEvent", {"A", "@"}, "A"},
        {"ComboBox_FontChn", {}, ""},
        {"ComboBox_StayEvent", {}, ""},
        {"ComboBox_Speed_Ogif", {}, ""},
    };
    for (const auto& c : cases) {
        auto* combo = root.findChild<QComboBox*>(c.box);
        ASSERT_NE(combo, nullptr) << c.box;
        QStringList items;
        for (int i = 0; i < combo->count(); ++i) {
            items << combo->itemText(i);
        }
        EXPECT_EQ(items, c.items) << c.box;
        EXPECT_EQ(combo->currentText(), c.chosen) << c.box;
    }
    EXPECT_FALSE(panel->isHidden());
}

TEST(ScriptLists, LongTextsAreCutAt2047BytesWithoutSplittingACharacter)
{
    testsupport::TempDir home;
    std::string chinese;
    for (int i = 0; i < 700; ++i) {
        chinese += "\xE6\xB1\x89";  // three bytes each in UTF-8
    }
    const std::string ascii(3000, 'a');
    testsupport::WriteTextFile(home.File("setup.cfg"),
                               "[PROGRAM]\nCOUNT=2\nPGM_NAME_0=" + chinese + "\nPGM_TEXT_0=" + chinese +
                                   "\nPGM_TEXT_1=" + ascii + "\n");
    const platform::Profile settings(home.File("setup.cfg"));
    const content::ProgramScript script = content::ReadScript(settings, 0);
    EXPECT_EQ(script.text, chinese.substr(0, 2046)) << "682 whole characters";
    EXPECT_EQ(script.name, chinese.substr(0, 2046));
    EXPECT_EQ(content::ScriptNames(settings).front(), chinese.substr(0, 2046));
    EXPECT_EQ(content::ReadScript(settings, 1).text, ascii.substr(0, 2047));
}

TEST(ScriptLists, WithoutLanguageTheNamesUseTheCnVariant)
{
    testsupport::TempDir home;
    testsupport::WriteTextFile(home.File("setup.cfg"),
                               "[ACTION]\nCOUNT=1\nACT_NAME_CN_0=hold-cn\nACT_NAME_EN_0=hold-en\n");
    const platform::Profile settings(home.File("setup.cfg"));
    EXPECT_EQ(content::ScriptLanguage(settings), "cn");
    EXPECT_EQ(content::ReadVocabulary(settings, content::Vocabularies()[0], content::ScriptLanguage(settings)),
              std::vector<std::string>{"hold-cn"});
}

}  // namespace

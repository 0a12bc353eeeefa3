#include <QCheckBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTime>
#include <filesystem>

#include "tests/shell/window_fixture.h"

namespace {

const std::string kSeparator(33, '-');

class MonitorTest : public WindowTest {
protected:
    void Tick(bool on)
    {
        auto* time = Find<QCheckBox>("CheckBoxTime");
        ASSERT_NE(time, nullptr);
        if (time->isChecked() != on) time->click();
        ASSERT_EQ(time->isChecked(), on);
    }
    void Save() { Find<QPushButton>("BtnSaveMonitor")->click(); }
};

TEST_F(MonitorTest, WithTimeOffEveryLineIsAsBefore)
{
    Open(std::string("[PORT]\nCOM=0\n"));
    EXPECT_EQ(Text("CheckBoxTime"), "0");
    form->MonitorLog("PORT", "COM1", true);
    EXPECT_EQ(MonitorLines(), (std::vector<std::string>{"[PORT]: COM1", kSeparator}));
}

TEST_F(MonitorTest, TimeStampsEachShownLineButNeverTheBatchOutputAndIsKept)
{
    Open(std::string("[PORT]\nCOM=0\n"));
    Tick(true);
    EXPECT_EQ(Settings().ReadInt("MONITOR", "TIME", -1), 1);

    const QTime before = QTime::currentTime();
    form->MonitorLog("SEND", "7E 01", true);
    const QTime after = QTime::currentTime();
    const auto lines = MonitorLines();
    ASSERT_EQ(lines.size(), 2u);
    const QRegularExpression stamped(R"(^(\d\d:\d\d:\d\d\.\d\d\d) (.*)$)");
    const std::vector<std::string> rest{"[SEND]: 7E 01", kSeparator};
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto match = stamped.match(QString::fromStdString(lines[i]));
        ASSERT_TRUE(match.hasMatch()) << lines[i];
        EXPECT_EQ(match.captured(2).toStdString(), rest[i]);
        const QTime at = QTime::fromString(match.captured(1), "hh:mm:ss.zzz");
        // Across midnight the order of the times turns over; any order is fine then.
        if (before <= after) {
            EXPECT_TRUE(at >= before && at <= after) << lines[i];
        }
    }
    EXPECT_EQ(std::vector<std::string>(printed.end() - 2, printed.end()), rest);

    Reopen();
    EXPECT_EQ(Text("CheckBoxTime"), "1");
    Tick(false);
    EXPECT_EQ(Settings().ReadInt("MONITOR", "TIME", -1), 0);
    form->MonitorLog("RECV", "7E 00", false);
    EXPECT_EQ(MonitorLines(), (std::vector<std::string>{"[RECV]: 7E 00"}));
}

TEST_F(MonitorTest, SaveWritesTheMonitorTextAsUtf8ToTheChosenFile)
{
    Open(std::string("[PORT]\nCOM=0\n"));
    form->MonitorLog("SEND", "显示 Hello", true);
    const std::string path = home.File("monitor.txt");
    session.fileAnswers.push_back(path);
    Save();
    EXPECT_EQ(testsupport::ReadTextFile(path), "[SEND]: 显示 Hello\n" + kSeparator + "\n");

    // Cancelled: nothing is written; a file that cannot be written is reported.
    std::filesystem::remove(path);
    Save();
    EXPECT_FALSE(std::filesystem::exists(path));
    session.fileAnswers.push_back(home.File("no-such-folder/monitor.txt"));
    Save();
    EXPECT_EQ(printed.back(), "[BOX] Cannot write " + home.File("no-such-folder/monitor.txt"));
}

}  // namespace

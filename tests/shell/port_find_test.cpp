#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/ping.h"
#include "tests/shell/window_fixture.h"
#include "tests/support/sim_process.h"

namespace {

const std::string kProbe = "7E 01 FE FE 00 04 4E 4F 4E 45 FF FF 7E 00  ";
const std::string kSeparator(33, '-');

// The window with virtual signs on ptys mapped as COM<n>, and a system that shows
// no serial device of its own, so only the mapped ports are found.
class PortFindTest : public WindowTest {
protected:
    void AddSign(int number, std::vector<std::string> faults = {})
    {
        testsupport::SimProcess::Options options;
        options.tcp = false;
        options.ptyLink = home.File("com" + std::to_string(number));
        options.extraArgs = std::move(faults);
        signs.push_back(std::make_unique<testsupport::SimProcess>(options));
        map += "COM" + std::to_string(number) + "=" + options.ptyLink + "\n";
    }
    void OpenWithSigns()
    {
        Open("[PORT]\nCOM=0\n[SERIALPORTS]\n" + map);
        links::PortSource none;
        none.sysClassTty = home.File("sys");
        none.devFolder = home.File("dev");
        form->SetPortSource(none);
        // A short read time-out keeps a silent port cheap.
        auto* timeout = Find<QComboBox>("ComboBox9");
        timeout->addItem("150");
        timeout->setCurrentText("150");
    }
    void Click(const char* name) { Find<QPushButton>(name)->click(); }
    bool Printed(const std::string& line) const
    {
        return std::find(printed.begin(), printed.end(), line) != printed.end();
    }

    std::vector<std::unique_ptr<testsupport::SimProcess>> signs;
    std::string map;
};

TEST_F(PortFindTest, FindProbesASilentPortThenSelectsAndStoresTheAnsweringOne)
{
    AddSign(1, {"--fault", "silent"});
    AddSign(4);
    OpenWithSigns();
    Click("BtnFindPort");

    EXPECT_EQ(Find<QLineEdit>("EditHexData")->text().toStdString(), kProbe);
    const auto lines = MonitorLines();
    ASSERT_EQ(lines.size(), 11u) << Text("MemoOut").toStdString();
    const std::vector<std::string> head = {
        "[FOUND]: COM1 COM4 ",
        "[PORT#]: 1 4 ",
        kSeparator,
        "[PORT]: COM1",
        "[SEND]: " + kProbe,
        "[RECV]: None Respond from : COM1",
        kSeparator,
        "[PORT]: COM4",
        "[SEND]: " + kProbe,
    };
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 9), head);
    EXPECT_EQ(lines[9].rfind("[RECV]: 7E 01 FE FE ", 0), 0u) << lines[9];
    EXPECT_EQ(lines[10], kSeparator);
    EXPECT_EQ(Text("LabelMsg"), "COM4 Successful!");
    EXPECT_EQ(Text("CBComPort1"), "COM4");
    EXPECT_EQ(Settings().ReadInt("PORT", "COM", -1), 3);
}

TEST_F(PortFindTest, NoAnswerWarnsWithThePortsTriedAndKeepsSending)
{
    struct Case {
        const char* what;
        std::vector<std::vector<std::string>> signs;  // faults of COM1, COM2 ...
        std::string box;
    } cases[] = {
        {"no port at all", {}, "[BOX] no respond!"},
        {"a silent port and a four-byte answer",
         {{"--fault", "silent"}, {"--fault", "flood:2"}},
         "[BOX] COM1,COM2,no respond!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        signs.clear();
        map.clear();
        printed.clear();
        for (std::size_t i = 0; i < c.signs.size(); ++i) AddSign(static_cast<int>(i + 1), c.signs[i]);
        OpenWithSigns();
        Click("BtnFindPort");
        EXPECT_TRUE(Printed(c.box)) << Text("MemoOut").toStdString();
        EXPECT_EQ(Text("LabelMsg"), "Sending...");
        EXPECT_EQ(Text("CBComPort1"), "COM1");
        EXPECT_EQ(Settings().ReadInt("PORT", "COM", -1), 0);
    }
}

TEST_F(PortFindTest, PortAboveTheListIsAddedShownStoredAndRestored)
{
    AddSign(40);
    OpenWithSigns();
    Click("BtnFindPort");
    EXPECT_EQ(Text("LabelMsg"), "COM40 Successful!");
    EXPECT_EQ(Text("CBComPort1"), "COM40");
    EXPECT_EQ(Settings().ReadInt("PORT", "COM", -1), 39);

    Reopen();
    EXPECT_EQ(Text("CBComPort1"), "COM40");
    EXPECT_EQ(Find<QComboBox>("CBComPort1")->findText("COM31"), 30);
}

TEST_F(PortFindTest, FindComListsAndMapsAnAdapterWithoutProbing)
{
    AddSign(1);
    OpenWithSigns();
    links::PortSource fixture;
    fixture.sysClassTty = home.File("sys");
    fixture.devFolder = home.File("dev");
    std::filesystem::create_directories(fixture.sysClassTty + "/ttyUSB0/device");
    std::filesystem::create_directories(fixture.devFolder);
    testsupport::WriteTextFile(fixture.devFolder + "/ttyUSB0", "");
    form->SetPortSource(fixture);

    Click("BtnFindComPort");
    const std::vector<std::string> expected = {"[FOUND]: COM1 COM2 ", "[PORT#]: 1 2 ", kSeparator};
    EXPECT_EQ(MonitorLines(), expected);
    EXPECT_EQ(form->PortCount, 2);
    EXPECT_EQ(form->PortNames[1], "COM2");
    EXPECT_EQ(form->PortNumbers[1], 2);
    const std::string adapter = std::filesystem::canonical(fixture.devFolder + "/ttyUSB0").string();
    EXPECT_EQ(Settings().ReadText("SERIALPORTS", "COM2", ""), adapter);
    EXPECT_EQ(Text("LabelMsg"), ".");
}

TEST_F(PortFindTest, PingOfTheLoopbackAddressSucceeds)
{
    if (platform::Ping("127.0.0.1", 2000).kind == platform::PingOutcome::Kind::Failed)
        GTEST_SKIP() << "this system allows no ICMP socket";
    Open(nullptr);
    Find<QLineEdit>("EditTcpip")->setText("127.0.0.1");
    Click("BtnIcmpPing");
    const std::vector<std::string> expected = {"[PING]: Success to ping 127.0.0.1", kSeparator};
    EXPECT_EQ(MonitorLines(), expected);
}

TEST_F(PortFindTest, PingOfAnAddressThatCannotBeUsed)
{
    Open(nullptr);
    Find<QLineEdit>("EditTcpip")->setText("sign.local");
    Click("BtnIcmpPing");
    const std::vector<std::string> expected = {"[PING]: Can't ping host sign.local", kSeparator,
                                               "[ERRO]: No respond from sign.local", kSeparator};
    EXPECT_EQ(MonitorLines(), expected);
}

TEST_F(PortFindTest, WifiPutsTheAccessPointAddressAndStoresNothing)
{
    Open("[PORT]\nCOMMUTYPEIDX=1\n");
    const std::string before = SettingsText();
    Find<QLineEdit>("EditTcpip")->setText("127.0.0.1:2015");
    Click("Button5");
    EXPECT_EQ(Text("EditTcpip"), "192.168.4.1");
    EXPECT_EQ(SettingsText(), before);
    EXPECT_TRUE(MonitorLines().empty());
}

}  // namespace

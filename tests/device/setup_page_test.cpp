#include "bench/device/setup_page.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "bench/device/clock_frames.h"
#include "bench/shell/control_text.h"
#include "tests/support/sim_process.h"
#include "tests/support/temp_dir.h"
#include "tests/support/test_bench_host.h"

namespace {

// The "Setup" page against a virtual sign on loopback TCP.
class SetupPageTest : public ::testing::Test {
protected:
    explicit SetupPageTest(std::vector<std::string> simArgs = {"--adc", "616,1000,3"})
        : sim({true, "127.0.0.1:0", "", "", std::move(simArgs)}), host(home.Path()), page(host)
    {
        host.UseTcp(sim.TcpHost(), sim.TcpPort());
    }

    void Click(const char* name)
    {
        auto* button = page.findChild<QPushButton*>(name);
        ASSERT_NE(button, nullptr) << name;
        button->click();
    }
    template <typename T>
    T* Get(const char* name)
    {
        auto* control = page.findChild<T*>(name);
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    void Choose(const char* group, int index)
    {
        auto* radio = page.findChild<QRadioButton*>(QString("%1_%2").arg(group).arg(index));
        ASSERT_NE(radio, nullptr) << group << " " << index;
        radio->click();
    }
    bool Replied() const
    {
        for (const std::string& line : host.monitorLines)
            if (line.rfind("[RECV]: ", 0) == 0) return true;
        return false;
    }

    testsupport::TempDir home;
    testsupport::SimProcess sim;
    testsupport::TestBenchHost host;
    SetupPage page;
};

}  // namespace

TEST_F(SetupPageTest, HoldsEveryControlWithItsCaptionItemsAndDefault)
{
    struct Case {
        const char* name;
        const char* kind;
        QString caption;
    };
    const Case cases[] = {
        {"RBBrightManual", "QRadioButton", "Manual"},
        {"RBBrightAuto", "QRadioButton", "Auto"},
        {"CBBrightManual", "QComboBox", ""},
        {"BtnSendPowerBrightToSign", "QPushButton", "Send"},
        {"GroupBoxBright", "QGroupBox", " Brightness "},
        {"RGBoardCom1", "QGroupBox", "Board Com1"},
        {"RGBoardCom2", "QGroupBox", "Return Delay ms"},
        {"BtnBaud", "QPushButton", "Set Baud"},
        {"suiBtnPowerOn", "QPushButton", "Power On"},
        {"suiBtnPowerOff", "QPushButton", "Power Off"},
        {"suiButtonGetPwr", "QPushButton", "Get"},
        {"GroupBoxPowerOnOff", "QGroupBox", "Power Manual"},
        {"CheckBox9", "QCheckBox", "Power On?"},
        {"suiButton18", "QPushButton", "STID: Show ID"},
        {"suiButton19", "QPushButton", "STID: Exit"},
        {"suiButton2", "QPushButton", "UPDT"},
        {"suiButton13", "QPushButton", "Exit Updt  (A,2)"},
        {"BtnQver", "QPushButton", "Version"},
        {"Edit4", "QLineEdit", ""},
        {"BtnGetAdc", "QPushButton", "Get ADC"},
        {"EditADC", "QLineEdit", ""},
        {"RadioGroup2", "QGroupBox", " KEY Press "},
        {"CBResistorKeyMode", "QCheckBox", "New Resistor Keypad 520-4"},
        {"suiButtonBeep", "QPushButton", "BEEP"},
        {"RGBeepMode", "QGroupBox", "Beep Mode"},
        {"CBBeepMs", "QComboBox", ""},
        {"GroupBoxCountTimer", "QGroupBox", " Countdown Timer "},
        {"LabelHour", "QLabel", "Hour"},
        {"LabelMin", "QLabel", "Minute"},
        {"LabelSecond", "QLabel", "Second"},
        {"SuiSpinHour", "QSpinBox", ""},
        {"SuiSpinMinute", "QSpinBox", ""},
        {"SuiSpinSecond", "QSpinBox", ""},
        {"BitBtn3", "QPushButton", ""},
        {"BitBtn4", "QPushButton", ""},
        {"BitBtn5", "QPushButton", ""},
        {"BitBtn6", "QPushButton", ""},
        {"suiButtonSendTimer", "QPushButton", "Send Value"},
        {"BtnSendTime", "QPushButton", "Send Time"},
    };
    EXPECT_EQ(page.objectName(), "TabSheet_Time");
    for (const Case& c : cases) {
        auto* control = page.findChild<QWidget*>(c.name);
        ASSERT_NE(control, nullptr) << c.name;
        EXPECT_STREQ(control->metaObject()->className(), c.kind) << c.name;
        EXPECT_EQ(shell::Caption(*control), c.caption) << c.name;
        EXPECT_FALSE(control->isHidden()) << c.name;
    }

    struct Items {
        const char* name;
        QStringList items;
        int index;
    };
    const Items lists[] = {
        {"CBBrightManual",
         {"00:BRI 12%", "01:BRI 25%", "02:BRI 38%", "03:BRI 50%", "04:BRI 63%", "05:BRI 75%", "06:BRI 88%",
          "07:BRI 100%"},
         0},
        {"CBBeepMs",
         {"10: Beep 10ms", "20: Beep 20ms", "40: Beep 40ms", "100:Beep 100ms", "200:Beep 200ms",
          "250:Beep 250ms"},
         2},
    };
    for (const Items& l : lists) {
        auto* box = Get<QComboBox>(l.name);
        QStringList items;
        for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
        EXPECT_EQ(items, l.items) << l.name;
        EXPECT_EQ(box->currentIndex(), l.index) << l.name;
        EXPECT_FALSE(box->isEditable()) << l.name;
    }
    QStringList keys;
    for (int k = 1; k <= 15; ++k) keys << QString("KEY%1").arg(k);
    const Items groups[] = {
        {"RGBoardCom1", {"9600", "19200", "38400", "57600", "115200"}, 3},
        {"RGBoardCom2", {"0: Default Slow", "1", "5", "10", "20", "50", "100", "200"}, 0},
        {"RadioGroup2", keys, -1},
        {"RGBeepMode",
         {"0: Beep 1-255ms", "1: Beep turn on", "2: Beep turn off", "3 or other: Return Beep Status"},
         0},
    };
    for (const Items& g : groups) {
        auto* group = Get<QGroupBox>(g.name);
        QStringList items;
        for (QRadioButton* item : shell::RadioItems(*group)) items << item->text();
        EXPECT_EQ(items, g.items) << g.name;
        EXPECT_EQ(shell::RadioIndex(*group), g.index) << g.name;
    }
    struct Spin {
        const char* name;
        int maximum;
    };
    for (const Spin& s : {Spin{"SuiSpinHour", 99}, Spin{"SuiSpinMinute", 59}, Spin{"SuiSpinSecond", 59}}) {
        auto* spin = Get<QSpinBox>(s.name);
        EXPECT_EQ(spin->value(), 2) << s.name;
        EXPECT_EQ(spin->minimum(), 0) << s.name;
        EXPECT_EQ(spin->maximum(), s.maximum) << s.name;
    }
    EXPECT_TRUE(Get<QRadioButton>("RBBrightAuto")->isChecked());
    EXPECT_TRUE(Get<QCheckBox>("CBResistorKeyMode")->isChecked());
}

TEST_F(SetupPageTest, EveryButtonSendsItsFrame)
{
    struct Case {
        const char* button;
        const char* frame;
        int layout;
    };
    const Case cases[] = {
        {"BtnSendPowerBrightToSign",
         "7E 01 FE FE 00 14 42 52 49 47 04 01 00 00 00 00 00 00 00 00 00 00 00 00 00 00 FF FF 7E 00 ", -1},
        {"BtnBaud", "7E 01 FE FE 00 06 42 41 55 44 36 00 FF FF 7E 00 ", -1},
        {"suiBtnPowerOn", "7E 01 FE FE 00 0B 50 57 4F 4E 02 00 00 00 00 00 00 FF FF 7E 00 ", 0},
        {"suiBtnPowerOff", "7E 01 FE FE 00 0B 50 57 4F 4E 03 00 00 00 00 00 00 FF FF 7E 00 ", 0},
        {"suiButtonGetPwr", "7E 01 FE FE 00 0B 50 57 4F 4E 00 00 00 00 00 00 00 FF FF 7E 00 ", 0},
        {"suiButton18", "7E 01 FE FE 00 05 53 54 49 44 11 FF FF 7E 00 ", -1},
        {"suiButton19", "7E 01 FE FE 00 05 53 54 49 44 10 FF FF 7E 00 ", -1},
        {"BtnQver", "7E 01 FE FE 00 04 51 56 45 52 FF FF 7E 00 ", 0},
        {"BtnGetAdc", "7E 01 FE FE 00 04 47 41 44 43 FF FF 7E 00 ", 0},
        {"suiButtonBeep", "7E 01 FE FE 00 06 42 45 45 50 00 28 FF FF 7E 00 ", -1},
        {"BitBtn6", "7E 01 FE FE 00 08 54 43 4E 54 00 02 02 02 FF FF 7E 00 ", 5},
        {"suiButtonSendTimer", "7E 01 FE FE 00 08 54 43 4E 54 00 02 02 02 FF FF 7E 00 ", 5},
        {"suiButton2", "7E 01 FE FE 00 04 55 50 44 54 FF FF 7E 00 ", -1},
        {"suiButton13", "61 32 ", -1},
    };
    for (const Case& c : cases) {
        host.lastLayout = -1;
        host.monitorLines.clear();
        Click(c.button);
        ASSERT_FALSE(host.SentFrames().empty()) << c.button;
        EXPECT_EQ(host.SentFrames().back(), c.frame) << c.button;
        EXPECT_EQ(host.lastLayout, c.layout) << c.button;
        if (std::string(c.button) != "suiButton13") {
            EXPECT_TRUE(Replied()) << c.button;  // the two raw bytes get no answer
        }
    }
}

TEST_F(SetupPageTest, SendTimeCarriesTheClockOfTheMoment)
{
    page.SetClockSource(device::ClockTime::FromDate(2009, 1, 2, 3, 4, 5));
    Click("BtnSendTime");
    EXPECT_EQ(host.SentFrames().back(),
              "7E 01 FE FE 00 0E 54 49 4D 45 01 08 09 01 02 03 04 05 05 00 FF FF 7E 00 ");
    EXPECT_TRUE(Replied());
}

TEST_F(SetupPageTest, CountdownThroughAllFourModes)
{
    Get<QSpinBox>("SuiSpinHour")->setValue(99);
    Get<QSpinBox>("SuiSpinMinute")->setValue(59);
    Get<QSpinBox>("SuiSpinSecond")->setValue(7);
    struct Case {
        const char* button;
        const char* data;
    };
    const Case cases[] = {{"BitBtn6", "00 99 59 07 "},
                          {"BitBtn3", "01 00 00 00 "},
                          {"BitBtn4", "02 00 00 00 "},
                          {"BitBtn5", "03 00 00 00 "}};
    for (const Case& c : cases) {
        host.monitorLines.clear();
        Click(c.button);
        EXPECT_EQ(host.SentFrames().back(),
                  std::string("7E 01 FE FE 00 08 54 43 4E 54 ") + c.data + "FF FF 7E 00 ")
            << c.button;
        EXPECT_EQ(host.lastLayout, 5);
        EXPECT_TRUE(Replied()) << c.button;
        EXPECT_EQ(host.Reply().bytes[10], 0x00) << c.button;
    }
}

TEST_F(SetupPageTest, BrightnessBaudAndBeepFollowTheirControls)
{
    Get<QRadioButton>("RBBrightManual")->setChecked(true);
    Get<QComboBox>("CBBrightManual")->setCurrentIndex(5);
    Click("BtnSendPowerBrightToSign");
    EXPECT_EQ(host.SentFrames().back().substr(30, 9), "04 00 05 ");

    Choose("RGBoardCom1", 4);
    Choose("RGBoardCom2", 7);
    Click("BtnBaud");
    EXPECT_EQ(host.SentFrames().back(), "7E 01 FE FE 00 06 42 41 55 44 3C C8 FF FF 7E 00 ");

    Choose("RGBeepMode", 2);
    Click("suiButtonBeep");
    EXPECT_EQ(host.SentFrames().back(), "7E 01 FE FE 00 06 42 45 45 50 02 00 FF FF 7E 00 ");
}

TEST_F(SetupPageTest, PowerCheckBoxFollowsTheSign)
{
    auto* power = Get<QCheckBox>("CheckBox9");
    Click("suiBtnPowerOff");
    EXPECT_FALSE(power->isChecked());
    power->setChecked(true);
    Click("suiButtonGetPwr");
    EXPECT_FALSE(power->isChecked());
    Click("suiBtnPowerOn");
    EXPECT_TRUE(power->isChecked());
    Click("suiButtonGetPwr");
    EXPECT_TRUE(power->isChecked());
}

TEST_F(SetupPageTest, WithoutAReplyTheControlsKeepTheirContents)
{
    // Nothing listens on port 1 of the loopback: no reply comes.
    host.UseTcp("127.0.0.1", 1);
    auto* power = Get<QCheckBox>("CheckBox9");
    power->setChecked(true);
    Get<QLineEdit>("Edit4")->setText("before");
    Get<QLineEdit>("EditADC")->setText("before");
    Click("suiButtonGetPwr");
    Click("BtnQver");
    Click("BtnGetAdc");
    EXPECT_TRUE(power->isChecked());
    EXPECT_EQ(Get<QLineEdit>("Edit4")->text(), "before");
    EXPECT_EQ(Get<QLineEdit>("EditADC")->text(), "before");
}

TEST_F(SetupPageTest, VersionIsReadIntoEdit4)
{
    Click("BtnQver");
    EXPECT_EQ(Get<QLineEdit>("Edit4")->text(),
              "[ARM]: ARM V4.82   [AVR]: AVR V2.5   [SUB]: SUB V1.2   [NAME]: K77T05 signsim");
}

TEST_F(SetupPageTest, AdcShowsTheKeyAndTheVoltages)
{
    auto* keys = Get<QGroupBox>("RadioGroup2");
    Click("BtnGetAdc");
    EXPECT_EQ(shell::RadioIndex(*keys), 0);  // KEY1: 616 / 4 = 154
    EXPECT_EQ(Get<QLineEdit>("EditADC")->text(), "3.08V  5.00V  0.02V ");

    Get<QCheckBox>("CBResistorKeyMode")->setChecked(false);
    Click("BtnGetAdc");
    EXPECT_EQ(shell::RadioIndex(*keys), -1);  // no key of the old keypad is near 154
}

TEST_F(SetupPageTest, ASignIdThatIsNoNumberStopsBeforeSending)
{
    host.signIdText = "12a";
    for (const char* button : {"BtnQver", "suiButtonBeep", "BitBtn3", "BtnSendTime"}) {
        host.boxes.clear();
        const std::size_t sent = host.SentFrames().size();
        Click(button);
        EXPECT_EQ(host.SentFrames().size(), sent) << button;
        EXPECT_EQ(host.boxes, std::vector<std::string>{"'12a' is not a valid integer value"}) << button;
    }
}

TEST_F(SetupPageTest, ASignIdIsWrittenEscaped)
{
    host.signIdText = "126";  // 00 7E
    Click("BtnQver");
    EXPECT_EQ(host.SentFrames().back(), "7E 01 00 7D 02 00 04 51 56 45 52 FF FF 7E 00 ");
}

#include "bench/device/setup_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyle>
#include <QVBoxLayout>

#include "bench/device/device_frames.h"
#include "bench/device/device_replies.h"
#include "bench/fields/sign_id.h"
#include "bench/shell/bench_host.h"
#include "bench/shell/control_text.h"
#include "bench/shell/named_controls.h"
#include "platform/gbk.h"

namespace {

QSpinBox* Spin(QWidget* parent, const char* name, int maximum)
{
    auto* spin = shell::Named(new QSpinBox(parent), name);
    spin->setRange(0, maximum);
    spin->setSingleStep(1);
    spin->setValue(2);
    return spin;
}

}  // namespace

SetupPage::SetupPage(shell::BenchHost& host, QWidget* parent) : QWidget(parent), host_(host)
{
    setObjectName("TabSheet_Time");
    BuildControls();
}

void SetupPage::BuildControls()
{
    auto* columns = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    auto* middle = new QVBoxLayout;
    auto* right = new QVBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(middle, 1);
    columns->addLayout(right, 1);

    // Clock and countdown.
    auto* time = shell::NamedButton(this, "BtnSendTime", "Send Time");
    left->addWidget(time);
    auto* countdown = shell::NamedGroup(this, "GroupBoxCountTimer", " Countdown Timer ");
    auto* countGrid = new QGridLayout(countdown);
    countGrid->addWidget(shell::Named(new QLabel("Hour", countdown), "LabelHour"), 0, 0);
    countGrid->addWidget(shell::Named(new QLabel("Minute", countdown), "LabelMin"), 0, 1);
    countGrid->addWidget(shell::Named(new QLabel("Second", countdown), "LabelSecond"), 0, 2);
    SuiSpinHour = Spin(countdown, "SuiSpinHour", 99);
    SuiSpinMinute = Spin(countdown, "SuiSpinMinute", 59);
    SuiSpinSecond = Spin(countdown, "SuiSpinSecond", 59);
    countGrid->addWidget(SuiSpinHour, 1, 0);
    countGrid->addWidget(SuiSpinMinute, 1, 1);
    countGrid->addWidget(SuiSpinSecond, 1, 2);
    auto* glyphs = new QHBoxLayout;
    struct Glyph {
        const char* name;
        QStyle::StandardPixmap icon;
        const char* hint;
    };
    const Glyph glyphButtons[] = {{"BitBtn6", QStyle::SP_BrowserReload, "Load the value"},
                                  {"BitBtn3", QStyle::SP_MediaPlay, "Start"},
                                  {"BitBtn4", QStyle::SP_MediaPause, "Pause"},
                                  {"BitBtn5", QStyle::SP_MediaStop, "Stop"}};
    for (const Glyph& g : glyphButtons) {
        auto* button = shell::NamedButton(countdown, g.name, QString());
        button->setIcon(style()->standardIcon(g.icon));
        button->setToolTip(g.hint);
        glyphs->addWidget(button);
    }
    countGrid->addLayout(glyphs, 2, 0, 1, 3);
    auto* sendTimer = shell::NamedButton(countdown, "suiButtonSendTimer", "Send Value");
    countGrid->addWidget(sendTimer, 3, 0, 1, 3);
    left->addWidget(countdown);

    // Brightness.
    auto* bright = shell::NamedGroup(this, "GroupBoxBright", " Brightness ");
    auto* brightGrid = new QGridLayout(bright);
    RBBrightManual = shell::Named(new QRadioButton("Manual", bright), "RBBrightManual");
    RBBrightAuto = shell::Named(new QRadioButton("Auto", bright), "RBBrightAuto");
    RBBrightAuto->setChecked(true);
    CBBrightManual = shell::Named(new QComboBox(bright), "CBBrightManual");
    CBBrightManual->addItems({"00:BRI 12%", "01:BRI 25%", "02:BRI 38%", "03:BRI 50%", "04:BRI 63%",
                              "05:BRI 75%", "06:BRI 88%", "07:BRI 100%"});
    CBBrightManual->setCurrentIndex(0);
    brightGrid->addWidget(RBBrightManual, 0, 0);
    brightGrid->addWidget(CBBrightManual, 0, 1);
    brightGrid->addWidget(RBBrightAuto, 1, 0);
    auto* sendBright = shell::NamedButton(bright, "BtnSendPowerBrightToSign", "Send");
    brightGrid->addWidget(sendBright, 1, 1);
    left->addWidget(bright);
    left->addStretch(1);

    // The sign's serial speed and reply delay.
    auto* baudRow = new QHBoxLayout;
    RGBoardCom1 = shell::NamedRadioGroup(this, "RGBoardCom1", "Board Com1",
                                         {"9600", "19200", "38400", "57600", "115200"}, 3)
                      .box;
    RGBoardCom2 = shell::NamedRadioGroup(this, "RGBoardCom2", "Return Delay ms",
                                         {"0: Default Slow", "1", "5", "10", "20", "50", "100", "200"}, 0, 2)
                      .box;
    baudRow->addWidget(RGBoardCom1);
    baudRow->addWidget(RGBoardCom2);
    middle->addLayout(baudRow);
    auto* baud = shell::NamedButton(this, "BtnBaud", "Set Baud");
    middle->addWidget(baud);

    auto* power = shell::NamedGroup(this, "GroupBoxPowerOnOff", "Power Manual");
    auto* powerRow = new QHBoxLayout(power);
    auto* powerOn = shell::NamedButton(power, "suiBtnPowerOn", "Power On");
    auto* powerOff = shell::NamedButton(power, "suiBtnPowerOff", "Power Off");
    auto* getPower = shell::NamedButton(power, "suiButtonGetPwr", "Get");
    CheckBox9 = shell::Named(new QCheckBox("Power On?", power), "CheckBox9");
    powerRow->addWidget(powerOn);
    powerRow->addWidget(powerOff);
    powerRow->addWidget(getPower);
    powerRow->addWidget(CheckBox9);
    middle->addWidget(power);

    auto* showId = shell::NamedGroup(this, "GroupBoxShowId", "Show ID");
    auto* showIdRow = new QHBoxLayout(showId);
    auto* showIdOn = shell::NamedButton(showId, "suiButton18", "STID: Show ID");
    auto* showIdOff = shell::NamedButton(showId, "suiButton19", "STID: Exit");
    showIdRow->addWidget(showIdOn);
    showIdRow->addWidget(showIdOff);
    middle->addWidget(showId);

    auto* update = shell::NamedGroup(this, "GroupBoxUpdate", "Update Firmware");
    auto* updateRow = new QHBoxLayout(update);
    auto* updt = shell::NamedButton(update, "suiButton2", "UPDT");
    auto* updtExit = shell::NamedButton(update, "suiButton13", "Exit Updt  (A,2)");
    updateRow->addWidget(updt);
    updateRow->addWidget(updtExit);
    middle->addWidget(update);
    middle->addStretch(1);

    auto* version = shell::NamedGroup(this, "GroupBoxVersion", "Version");
    auto* versionRow = new QHBoxLayout(version);
    auto* qver = shell::NamedButton(version, "BtnQver", "Version");
    Edit4 = shell::Named(new QLineEdit(version), "Edit4");
    versionRow->addWidget(qver);
    versionRow->addWidget(Edit4, 1);
    right->addWidget(version);

    auto* adc = shell::NamedGroup(this, "GroupBoxAdc", "ADC670 (Firmware 4.82)");
    auto* adcGrid = new QGridLayout(adc);
    auto* getAdc = shell::NamedButton(adc, "BtnGetAdc", "Get ADC");
    EditADC = shell::Named(new QLineEdit(adc), "EditADC");
    adcGrid->addWidget(getAdc, 0, 0);
    adcGrid->addWidget(EditADC, 0, 1);
    QStringList keys;
    for (int k = 1; k <= 15; ++k) keys << QString("KEY%1").arg(k);
    RadioGroup2 = shell::NamedRadioGroup(adc, "RadioGroup2", " KEY Press ", keys, -1, 3).box;
    adcGrid->addWidget(RadioGroup2, 1, 0, 1, 2);
    CBResistorKeyMode = shell::Named(new QCheckBox("New Resistor Keypad 520-4", adc), "CBResistorKeyMode");
    CBResistorKeyMode->setChecked(true);
    adcGrid->addWidget(CBResistorKeyMode, 2, 0, 1, 2);
    right->addWidget(adc);

    auto* beep = shell::NamedGroup(this, "GroupBoxBeep", "Beeper");
    auto* beepGrid = new QGridLayout(beep);
    RGBeepMode =
        shell::NamedRadioGroup(
            beep, "RGBeepMode", "Beep Mode",
            {"0: Beep 1-255ms", "1: Beep turn on", "2: Beep turn off", "3 or other: Return Beep Status"}, 0)
            .box;
    CBBeepMs = shell::Named(new QComboBox(beep), "CBBeepMs");
    CBBeepMs->addItems({"10: Beep 10ms", "20: Beep 20ms", "40: Beep 40ms", "100:Beep 100ms", "200:Beep 200ms",
                        "250:Beep 250ms"});
    CBBeepMs->setCurrentIndex(2);
    auto* beepButton = shell::NamedButton(beep, "suiButtonBeep", "BEEP");
    beepGrid->addWidget(RGBeepMode, 0, 0, 2, 1);
    beepGrid->addWidget(CBBeepMs, 0, 1);
    beepGrid->addWidget(beepButton, 1, 1);
    right->addWidget(beep);
    right->addStretch(1);

    connect(time, &QPushButton::clicked, this, &SetupPage::BtnSendTimeClick);
    connect(findChild<QPushButton*>("BitBtn3"), &QPushButton::clicked, this, &SetupPage::BitBtn3Click);
    connect(findChild<QPushButton*>("BitBtn4"), &QPushButton::clicked, this, &SetupPage::BitBtn4Click);
    connect(findChild<QPushButton*>("BitBtn5"), &QPushButton::clicked, this, &SetupPage::BitBtn5Click);
    connect(findChild<QPushButton*>("BitBtn6"), &QPushButton::clicked, this, &SetupPage::BitBtn6Click);
    connect(sendTimer, &QPushButton::clicked, this, &SetupPage::suiButtonSendTimerClick);
    connect(sendBright, &QPushButton::clicked, this, &SetupPage::BtnSendPowerBrightToSignClick);
    connect(baud, &QPushButton::clicked, this, &SetupPage::BtnBaudClick);
    connect(powerOn, &QPushButton::clicked, this, &SetupPage::suiBtnPowerOnClick);
    connect(powerOff, &QPushButton::clicked, this, &SetupPage::suiBtnPowerOffClick);
    connect(getPower, &QPushButton::clicked, this, &SetupPage::suiButtonGetPwrClick);
    connect(showIdOn, &QPushButton::clicked, this, &SetupPage::suiButton18Click);
    connect(showIdOff, &QPushButton::clicked, this, &SetupPage::suiButton19Click);
    connect(updt, &QPushButton::clicked, this, &SetupPage::suiButton2Click);
    connect(updtExit, &QPushButton::clicked, this, &SetupPage::suiButton13Click);
    connect(qver, &QPushButton::clicked, this, &SetupPage::BtnQverClick);
    connect(getAdc, &QPushButton::clicked, this, &SetupPage::BtnGetAdcClick);
    connect(beepButton, &QPushButton::clicked, this, &SetupPage::suiButtonBeepClick);
}

std::optional<std::uint16_t> SetupPage::SignId()
{
    const fields::SignIdField id = fields::ParseSignId(host_.SignIdText());
    if (!id.value) host_.ConversionError(id.error);
    return id.value;
}

void SetupPage::SendPlain(const std::string& frameText)
{
    host_.SetHexData(frameText);
    host_.BtnSend1Click();
}

int SetupPage::SendForReply(const std::string& frameText)
{
    host_.SetHexData(frameText);
    host_.ShowFrameLayout(0);
    return host_.SendFrameText();
}

void SetupPage::BtnSendTimeClick()
{
    const auto id = SignId();
    if (!id) return;
    device::ClockTime clock;
    if (fixedClock_) {
        clock = *fixedClock_;
    } else {
        const QDateTime now = QDateTime::currentDateTime();
        const QDate date = now.date();
        const QTime t = now.time();
        clock = device::ClockTime::FromDate(date.year(), date.month(), date.day(), t.hour(), t.minute(),
                                            t.second());
    }
    SendPlain(device::TimeFrameText(*id, clock));
}

void SetupPage::SendCountdownFrame(device::CountdownMode mode)
{
    const auto id = SignId();
    if (!id) return;
    host_.SetHexData(device::CountdownFrameText(*id, mode, SuiSpinHour->value(), SuiSpinMinute->value(),
                                                SuiSpinSecond->value()));
    host_.ShowFrameLayout(5);
    host_.BtnSend1Click();
}

void SetupPage::BitBtn3Click() { SendCountdownFrame(device::CountdownMode::Start); }
void SetupPage::BitBtn4Click() { SendCountdownFrame(device::CountdownMode::Pause); }
void SetupPage::BitBtn5Click() { SendCountdownFrame(device::CountdownMode::Stop); }
void SetupPage::BitBtn6Click() { SendCountdownFrame(device::CountdownMode::Load); }
void SetupPage::suiButtonSendTimerClick() { BitBtn6Click(); }

void SetupPage::BtnSendPowerBrightToSignClick()
{
    SendPlain(device::BrightnessFrameText(RBBrightManual->isChecked(), CBBrightManual->currentIndex()));
}

void SetupPage::BtnBaudClick()
{
    const auto rates = shell::RadioItems(*RGBoardCom1);
    const int rateIndex = shell::RadioIndex(*RGBoardCom1);
    // Both groups always hold a choice; an empty one counts as its first item.
    const int baud = rates[static_cast<std::size_t>(std::max(rateIndex, 0))]->text().toInt();
    int delay = 0;
    if (const int delayIndex = shell::RadioIndex(*RGBoardCom2); delayIndex > 0) {
        const QString item = shell::RadioItems(*RGBoardCom2)[static_cast<std::size_t>(delayIndex)]->text();
        delay = device::ReplyDelayOfItem(item.toStdString()).value_or(0);
    }
    SendPlain(device::BaudFrameText(baud, delay));
}

void SetupPage::PowerExchange(const std::string& frameText)
{
    const int count = SendForReply(frameText);
    if (const auto on = device::PowerStateFromReply(host_.Reply().bytes, count)) CheckBox9->setChecked(*on);
}

void SetupPage::suiBtnPowerOnClick() { PowerExchange(device::PowerFrameText(device::PowerAction::On)); }
void SetupPage::suiBtnPowerOffClick() { PowerExchange(device::PowerFrameText(device::PowerAction::Off)); }
void SetupPage::suiButtonGetPwrClick() { PowerExchange(device::PowerFrameText(device::PowerAction::Query)); }

void SetupPage::suiButton18Click() { SendPlain(device::ShowIdFrameText(true)); }
void SetupPage::suiButton19Click() { SendPlain(device::ShowIdFrameText(false)); }
void SetupPage::suiButton2Click() { SendPlain(device::UpdateFrameText()); }
void SetupPage::suiButton13Click() { SendPlain(std::string(device::kUpdateExitText)); }

void SetupPage::BtnQverClick()
{
    const auto id = SignId();
    if (!id) return;
    const int count = SendForReply(device::VersionFrameText(*id));
    const auto version = device::VersionFromReply(host_.Reply().bytes, count);
    if (!version) return;
    // The sign's texts are GBK; bytes that are not stay visible one for one.
    const platform::TextConversion text = platform::GbkToUtf8(*version);
    Edit4->setText(text.ok() ? QString::fromStdString(text.bytes) : QString::fromLatin1(version->c_str()));
}

void SetupPage::BtnGetAdcClick()
{
    const int count = SendForReply(device::AdcFrameText());
    const auto readings = device::AdcFromReply(host_.Reply().bytes, count);
    if (!readings) return;
    const int key = device::KeypadKey(readings->a1, CBResistorKeyMode->isChecked());
    shell::SetRadioIndex(*RadioGroup2, key - 1);
    EditADC->setText(QString::fromStdString(device::VoltageText(*readings)));
}

void SetupPage::suiButtonBeepClick()
{
    const auto id = SignId();
    if (!id) return;
    const auto frame =
        device::BeepFrameText(*id, shell::RadioIndex(*RGBeepMode), CBBeepMs->currentText().toStdString());
    if (frame) SendPlain(*frame);
}

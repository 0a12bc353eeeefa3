#pragma once

#include <QWidget>
#include <cstdint>
#include <optional>
#include <string>

#include "bench/device/clock_frames.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace shell {
class BenchHost;
}

// The "Setup" page: the sign's clock and countdown, brightness, its own serial
// speed and reply delay, power, id display, update mode, versions, analogue inputs
// and beeper. Each handler builds its frame, shows it and sends it through the host;
// the three queries read their answers back into the page.
class SetupPage : public QWidget {
    Q_OBJECT
public:
    explicit SetupPage(shell::BenchHost& host, QWidget* parent = nullptr);

    // The moment "Send Time" sends; the local clock unless a test fixes it.
    void SetClockSource(std::optional<device::ClockTime> fixed) { fixedClock_ = fixed; }

public slots:
    void BtnSendTimeClick();
    void BitBtn3Click();
    void BitBtn4Click();
    void BitBtn5Click();
    void BitBtn6Click();
    void suiButtonSendTimerClick();
    void BtnSendPowerBrightToSignClick();
    void BtnBaudClick();
    void suiBtnPowerOnClick();
    void suiBtnPowerOffClick();
    void suiButtonGetPwrClick();
    void suiButton18Click();
    void suiButton19Click();
    void suiButton2Click();
    void suiButton13Click();
    void BtnQverClick();
    void BtnGetAdcClick();
    void suiButtonBeepClick();

private:
    void BuildControls();
    std::optional<std::uint16_t> SignId();
    void SendCountdownFrame(device::CountdownMode mode);
    void SendPlain(const std::string& frameText);
    int SendForReply(const std::string& frameText);
    void PowerExchange(const std::string& frameText);

    shell::BenchHost& host_;
    std::optional<device::ClockTime> fixedClock_;

    QSpinBox* SuiSpinHour = nullptr;
    QSpinBox* SuiSpinMinute = nullptr;
    QSpinBox* SuiSpinSecond = nullptr;
    QRadioButton* RBBrightManual = nullptr;
    QRadioButton* RBBrightAuto = nullptr;
    QComboBox* CBBrightManual = nullptr;
    QGroupBox* RGBoardCom1 = nullptr;
    QGroupBox* RGBoardCom2 = nullptr;
    QCheckBox* CheckBox9 = nullptr;
    QLineEdit* Edit4 = nullptr;
    QLineEdit* EditADC = nullptr;
    QGroupBox* RadioGroup2 = nullptr;
    QCheckBox* CBResistorKeyMode = nullptr;
    QGroupBox* RGBeepMode = nullptr;
    QComboBox* CBBeepMs = nullptr;
};

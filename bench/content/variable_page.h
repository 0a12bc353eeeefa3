#pragma once

#include <QWidget>
#include <cstdint>
#include <optional>
#include <vector>

#include "bench/shell/named_controls.h"

class QComboBox;
class QLineEdit;

namespace shell {
class BenchHost;
}

// The "Variable" page: string variables written with VRAM or VROM, memory read back
// with MRED, the address presets and the MWRD fill of eight FF bytes.
class VariablePage : public QWidget {
    Q_OBJECT
public:
    explicit VariablePage(shell::BenchHost& host, QWidget* parent = nullptr);

public slots:
    bool EditVarStringChange();
    void BtnCreateRomClick();
    void RGVariableTypeClick();
    void CBVarIDChange();
    void RGForecourtClick();
    void BtnInsertCharIndexClick();
    void suiButtonInsertColorClick();
    void suiButton20Click();
    void SpeedButton7Click();

private:
    void LoadVarIdList();
    bool FlashListShown() const;
    // The variable string's bytes; nullopt (nothing to send) after a conversion error.
    std::optional<std::vector<std::uint8_t>> VariableBytes();

    shell::BenchHost& host_;
    shell::RadioGroup RGVariableType;
    QComboBox* CBVarID = nullptr;
    QLineEdit* EditVarString = nullptr;
    QLineEdit* EditHexString = nullptr;
    QComboBox* CBFontTableNum = nullptr;
    QComboBox* ComboBox_Color1 = nullptr;
    shell::RadioGroup RGMredMode;
    QLineEdit* Edit10 = nullptr;
    QLineEdit* Edit11 = nullptr;
    QLineEdit* Edit9 = nullptr;
    shell::RadioGroup RGForecourt;
    shell::RadioGroup RGOilWindows;
};

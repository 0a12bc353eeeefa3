#pragma once

#include <QWidget>

class QComboBox;

namespace shell {
class BenchHost;
}

// The "Switch Program" page: PRAM selections of the running programs 1 to 9.
class SwitchProgramPage : public QWidget {
    Q_OBJECT
public:
    explicit SwitchProgramPage(shell::BenchHost& host, QWidget* parent = nullptr);

public slots:
    // suiButton3Click ... suiButton11Click select program 1 ... 9.
    void suiButton3Click() { SendProgramSelect(true, 1, 1); }
    void suiButton4Click() { SendProgramSelect(true, 2, 2); }
    void suiButton5Click() { SendProgramSelect(true, 3, 3); }
    void suiButton6Click() { SendProgramSelect(true, 4, 4); }
    void suiButton7Click() { SendProgramSelect(true, 5, 5); }
    void suiButton8Click() { SendProgramSelect(true, 6, 6); }
    void suiButton9Click() { SendProgramSelect(true, 7, 7); }
    void suiButton10Click() { SendProgramSelect(true, 8, 8); }
    void suiButton11Click() { SendProgramSelect(true, 9, 9); }
    void suiButton12Click() { SendProgramSelect(true, 1, 9); }
    void BtnSendMultiProgramClick();
    void BtnSendProgramSwitchClick() { SendProgramSelect(false, 0, 0); }

private:
    void SendProgramSelect(bool select, int first, int last);

    shell::BenchHost& host_;
    QComboBox* CBProgramStart = nullptr;
    QComboBox* CBProgramEnd = nullptr;
    QComboBox* CBPgmLoops1 = nullptr;
    QComboBox* CBPgmSeconds1 = nullptr;
};

#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QTableWidget;

namespace shell {
class BenchHost;
}

// The "Switch File ID" page: the play tables of levels 2 (PRAM) and 3 (PLAY) for a
// range of file ids, and the program directory (ALAS listing and running program,
// GETX, DELP). The group "Level 1. EVENT" sits here too; its handlers are the event
// commands'.
class SwitchFileIdPage : public QWidget {
    Q_OBJECT
public:
    explicit SwitchFileIdPage(shell::BenchHost& host, QWidget* parent = nullptr);

public slots:
    void suiButton17Click();
    void BtnCreatePlayListClick();
    void BtnCreatePlayList1Click();
    void BtnCreatePlayFlashListClick();
    void BtnCreatePlayFlashList1Click();
    void BtnGetAliasClick();
    void StringGrid1Click();
    void BtnGetCurrentRunningAliasClick();
    void suiButton16Click();
    void BtnDelePgmClick();
    // Level 1. EVENT (defined with the event commands).
    void BtnEventClick();
    void BtnQuitEventClick();

private:
    void SendPlayTable(bool enter, bool flash);
    // Shows an alias record (running program, deleted program) in Edit1, Edit2 and
    // CheckHide.
    void ShowAliasReply(int result);
    void ResetGrid();

    shell::BenchHost& host_;
    QComboBox* CBPgmGroup = nullptr;
    QComboBox* CBStartProgram = nullptr;
    QComboBox* CBEndProgram = nullptr;
    QCheckBox* CheckInterrupt = nullptr;
    QComboBox* CBPgmLoops = nullptr;
    QComboBox* CBPgmSeconds = nullptr;
    QTableWidget* StringGrid1 = nullptr;
    QCheckBox* CheckBoxVer393 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QCheckBox* CheckHide = nullptr;
    QLineEdit* EditStart = nullptr;
    QComboBox* ComboBoxScale = nullptr;
    QLineEdit* EditGetx = nullptr;
};

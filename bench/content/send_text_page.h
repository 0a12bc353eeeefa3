#pragma once

#include <QWidget>
#include <memory>

#include "bench/content/program_scripts.h"

namespace Ui {
class SendTextPage;
}

namespace shell {
class BenchHost;
}

class QComboBox;

// The "Send Text" page: the program script store (list, name, type, start id, text
// and options, each stored in setup.cfg as the operator edits) and the INST frame.
class SendTextPage : public QWidget {
    Q_OBJECT
public:
    explicit SendTextPage(shell::BenchHost& host, QWidget* parent = nullptr);
    ~SendTextPage() override;

public slots:
    // Script store.
    void ListBoxPgmClick();
    void SpeedButton3Click();  // New
    void SpeedButton5Click();  // Save
    void SpeedButton2Click();  // Delete
    void SpeedButton4Click();  // store the text now
    void Edit5Change();
    void ComboBox_ActionChange();
    void ComboBox_ColorChange();
    void ComboBox_FontEngChange();
    void ComboBox_FontChnChange();
    void ComboBox_StayChange();
    void ComboBox_SpeedChange();

    // The INST frame and the markup inserts.
    bool TextToProgramHex();
    void BtnSendOtxtClick();
    void suiButton23Click();
    void suiButton15Click();
    void BtnInsertRamVarClick();
    void BtnInsertFlashVarClick();
    void suiButton27Click();
    // DALL.
    void suiButton1Click();

private:
    // The selected script's number; -1 when none is selected.
    int SelectedScript() const;
    void LoadScript(int number);
    void StoreOption(content::ScriptOption option, const QComboBox& box);
    void ReloadLists(int reselect);
    void ReportWriteFailure();

    shell::BenchHost& host_;
    std::unique_ptr<Ui::SendTextPage> ui_;
};

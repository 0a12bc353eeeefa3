#pragma once

#include <QWidget>
#include <array>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "bench/links/monitor.h"
#include "bench/links/port_scan.h"
#include "bench/links/reply_buffer.h"
#include "bench/links/link_session.h"
#include "bench/links/send_path.h"
#include "bench/shell/bench_host.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QToolButton;

class SendTextPage;

namespace shell {

class ClickLabel;
class MonitorKeeper;

// What a batch run answers in place of the operator, and where it prints.
struct BatchSession {
    std::deque<bool> confirmAnswers;        // next confirmation; OK when empty
    std::deque<std::string> fileAnswers;    // next file dialog; cancel when empty
    std::deque<long long> cancelAfterPages; // next long transfer: Cancel after N pages
    std::function<void(const std::string&)> print;  // one line on standard output
};

// The bench's window: the page control with the command pages, the link area, the
// protocol view and the communication monitor. Pages reach it only as a BenchHost.
class TForm1 : public QWidget, public BenchHost, public links::Monitor {
    Q_OBJECT
public:
    // homeFolder holds setup.cfg. The constructor runs FormCreate; FormShow runs when
    // the window is first shown.
    explicit TForm1(std::string homeFolder, QWidget* parent = nullptr);
    ~TForm1() override;

    // Boxes and file dialogs are answered from the session while it is set.
    void SetBatchSession(BatchSession* session) { batch_ = session; }
    // The standard error box for an error that escaped a handler.
    void ShowError(const std::string& text);

    // SendFrameText for a given port number and baud rate (port finding probes with it).
    int SendFrameTextOn(int port, int baudRate);

    // Where port finding looks for serial devices (tests point it at a fixture folder).
    void SetPortSource(links::PortSource source) { portSource_ = std::move(source); }

    // Members that port finding fills (a scan takes at most 49 ports).
    int PortCount = 0;
    std::array<int, 50> PortNumbers{};
    std::array<std::string, 50> PortNames{};

    // BenchHost
    std::string SignIdText() const override;
    void SetHexData(const std::string& frameText) override;
    std::string HexData() const override;
    void ShowFrameLayout(int layout) override;
    void BtnSend1Click() override;
    int SendFrameText() override;
    const links::ReplyBuffer& Reply() const override { return session_.Reply(); }
    int ExchangeBytes(std::span<const std::uint8_t> wire, bool log) override;
    void MonitorLog(const std::string& tag, const std::string& text, bool separator) override;
    void ClearMonitor() override { SpeedButton1Click(); }
    void SetStatusText(const std::string& text) override;
    platform::Profile Settings() const override;
    std::string HomeFolder() const override { return home_; }
    bool Confirm(const std::string& text) override;
    void Inform(const std::string& text) override;
    void Warn(const std::string& text) override;
    void ConversionError(const std::string& text) override;
    std::string OpenFileName(const std::string& title, const std::string& filter) override;
    std::string OpenFileNameIn(const std::string& title, const std::string& filter,
                               const std::string& folder) override;
    std::string SaveFileName(const std::string& title, const std::string& filter, const std::string& folder,
                             const std::string& name) override;
    bool OpenWithDesktop(const std::string& path) override;
    void ProcessEvents() override;
    std::unique_ptr<TransferProgress> BeginTransfer(const std::string& title) override;

    // links::Monitor: appends to MemoOut.
    void AppendLine(const std::string& line) override;

public slots:
    void FormCreate();
    void FormShow();
    void CaptureEnglishCaptions();
    void ApplyLanguage();
    void LoadScriptLists();
    void LoadLinkSettings();
    void SaveComPortSetting();
    void CBComPort1Change();
    void RadioGroupCommuClick();
    void Label12Click();
    void Label27Click();
    void Label31Click();
    void HideClick();
    void SpeedButton1Click();
    void SpeedButton6Click();
    void BtnFindComPortClick();
    void BtnFindPortClick();
    void BtnAutoSendClick();
    void BtnIcmpPingClick();
    void Button5Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildWindow();
    QWidget* BuildLinkArea();
    QWidget* BuildProtocolView();
    QWidget* BuildMonitor();
    void FillStartLists();
    void SetUpGrids();
    void InvokePageSlot(const char* pageName, const char* slot);
    void ShowBox(const std::string& kind, const std::string& text);
    links::SendRequest LinkRequest(int port, int baudRate) const;
    std::string NextFileAnswer();
    void WriteSetting(std::string_view section, std::string_view key, long long value);
    void OfferPortItem(int index);

    std::string home_;
    // Exchanges run off the window's thread while the window keeps painting.
    links::LinkSession session_;
    BatchSession* batch_ = nullptr;
    links::PortSource portSource_;
    bool shown_ = false;
    std::vector<QString> savedCaptions_;  // SavedCaptions: English, one per switched entry

    QFrame* PanelMain = nullptr;
    ClickLabel* Label27 = nullptr;
    ClickLabel* Label31 = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QFrame* PanelBottom = nullptr;
    QGroupBox* GroupBoxProtocol = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QLineEdit* EditHexData = nullptr;
    QGroupBox* RadioGroupCommu = nullptr;
    QButtonGroup* radioGroupCommuButtons_ = nullptr;
    QFrame* PanelRs232 = nullptr;
    QGroupBox* GroupBoxCommuPara = nullptr;
    QComboBox* CBComPort1 = nullptr;
    QComboBox* CBComBaud1 = nullptr;
    QComboBox* ComboBox9 = nullptr;
    QLineEdit* EditSignEdit = nullptr;
    ClickLabel* Label12 = nullptr;
    QPushButton* BtnFindPort = nullptr;
    QFrame* PanelTcpip = nullptr;
    QLineEdit* EditTcpip = nullptr;
    QPushButton* BtnSend1 = nullptr;
    QPlainTextEdit* MemoOut = nullptr;
    QLabel* LabelCommuMonitor = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QToolButton* SpeedButton6 = nullptr;
    QPushButton* Hide = nullptr;
    QCheckBox* CheckBoxComment = nullptr;
    QComboBox* ComboBoxLong = nullptr;
    SendTextPage* sendTextPage_ = nullptr;
    MonitorKeeper* monitorKeeper_ = nullptr;
};

}  // namespace shell

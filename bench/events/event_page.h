#pragma once

#include <QWidget>
#include <array>
#include <cstdint>
#include <optional>

#include "bench/events/event_frame.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QTabWidget;
class QTableWidget;

namespace shell {
class BenchHost;
}

// The "Event Cmd" page: the sign's event status, its seven text windows (text,
// program link, start, clear) and the screen operations on areas of its display
// and backup memories. Every button sends one EVEN frame through the host.
class EventPage : public QWidget {
    Q_OBJECT
public:
    explicit EventPage(shell::BenchHost& host, QWidget* parent = nullptr);

    // Rewrites the window grid and shows the controls of window mode (true) or of
    // RAM directory mode (false).
    void ArrangeEventPage(bool windowMode);

public slots:
    void BtnExitEventClick();
    void BtnEnterEvenClick();
    void BtnClearScreenClick();
    void BtnActionFromMemBClick();
    void BtnMoveUpClick();
    void BtnMoveDownClick();
    void BtnFlashClick();
    void BtnFlashNotClick();
    void BtnTextOutClick();
    void BtnStartEventClick();
    void BtnClearBackWndClick();
    void BtnEventPgmLinkClick();
    void EditTextChange();
    void BtnInsertCharIndexEventClick();
    void StringGridWindowsClick();
    void RadioSendToWindowClick();

private:
    void BuildControls();
    QWidget* BuildTextPage();
    QWidget* BuildClearPage();
    QWidget* BuildPicturePage();
    QWidget* BuildActionPage();
    QWidget* BuildMovePage();
    QWidget* BuildFlashPage();

    void SendEventFrame(const events::EventCommand& command);
    std::optional<long long> Number(const QString& text);
    std::optional<events::Area> AreaOf(const QLineEdit* x, const QLineEdit* width, const QLineEdit* y,
                                       const QLineEdit* height);
    std::optional<events::WindowHeader> ReadWindowHeader();
    std::uint8_t Mask() const;
    void Move(bool down);
    void FlashArea(bool flashing);

    shell::BenchHost& host_;

    QGroupBox* RadioSendToWindow = nullptr;
    std::array<QCheckBox*, 7> windowChecks_{};
    QLabel* Image6 = nullptr;
    QTabWidget* eventPages_ = nullptr;
    QWidget* TabEvent_Cls = nullptr;
    QWidget* TabEvent_Action = nullptr;
    QWidget* TabEvent_Action2 = nullptr;
    QWidget* TabEvent_Action3 = nullptr;

    QWidget* PanelEventWnd = nullptr;
    QComboBox* ComboWndID = nullptr;
    QTableWidget* StringGridWindows = nullptr;
    QLineEdit* EditXtxt = nullptr;
    QLineEdit* EditWtxt = nullptr;
    QLineEdit* EditYtxt = nullptr;
    QLineEdit* EditHtxt = nullptr;
    QGroupBox* RadioMemoPosiText = nullptr;
    QGroupBox* RadioMemoPosi1 = nullptr;
    QComboBox* ComboBox_Action_EventText = nullptr;
    QComboBox* ComboBox_SpeedEvent = nullptr;
    QComboBox* ComboBox_StayEvent = nullptr;
    QComboBox* ComboActionTimes = nullptr;
    QComboBox* ComboBox_ColorEvent = nullptr;
    QComboBox* ComboBox_FontEngEvent = nullptr;
    QComboBox* ComboBox_FontChnEvent = nullptr;
    QCheckBox* Label42 = nullptr;
    QGroupBox* GroupBoxSen = nullptr;
    QGroupBox* RadioGroup1 = nullptr;
    QCheckBox* CheckMultiLines = nullptr;
    QGroupBox* RadioAlign = nullptr;
    QTabWidget* textPages_ = nullptr;
    QWidget* TabSheet5 = nullptr;
    QLineEdit* EditText = nullptr;
    QLabel* LabelCount = nullptr;
    QComboBox* CBFontTableNumEvent = nullptr;
    QComboBox* ComboBoxFileId1 = nullptr;

    QLineEdit* EditXcls = nullptr;
    QLineEdit* EditWcls = nullptr;
    QLineEdit* EditYcls = nullptr;
    QLineEdit* EditHcls = nullptr;
    QGroupBox* RadioMemoPosi = nullptr;
    QLineEdit* EditXact1 = nullptr;
    QLineEdit* EditWact1 = nullptr;
    QLineEdit* EditYact1 = nullptr;
    QLineEdit* EditHact1 = nullptr;
    QComboBox* ComboBox_Action_Event = nullptr;
    QLineEdit* EditLines = nullptr;
    QCheckBox* CheckBlackMoveUp = nullptr;
    QLineEdit* EditXact2 = nullptr;
    QLineEdit* EditWact2 = nullptr;
    QLineEdit* EditYact2 = nullptr;
    QLineEdit* EditHact2 = nullptr;
};

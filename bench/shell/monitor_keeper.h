#pragma once

#include <QString>
#include <QTime>
#include <QWidget>
#include <functional>
#include <string>
#include <string_view>

class QCheckBox;
class QPlainTextEdit;
class QPushButton;

namespace shell {

class BenchHost;

// setup.cfg: whether the monitor starts each line with the time.
inline constexpr std::string_view kMonitorSection = "MONITOR";
inline constexpr std::string_view kMonitorTimeKey = "TIME";

// The line as the monitor shows it with "Time" ticked: local time first.
QString StampedLine(const QString& line, const QTime& time);

// Writes the monitor's text to a file, UTF-8, whole or not at all. Empty when
// written, else a message for the operator.
std::string SaveMonitorText(const std::string& path, const QString& text);

// The "Time" check box and the Save button beside the communication monitor.
// Lines written while "Time" is ticked start with hh:mm:ss.zzz; the choice is kept
// in setup.cfg. Save asks for a file and writes the monitor's text into it.
class MonitorKeeper : public QWidget {
    Q_OBJECT

public:
    // What the window lends: setup.cfg and its save dialog (answered by the script
    // in batch mode) through the host, and its error box.
    struct Window {
        BenchHost& host;
        std::function<void(const std::string& text)> showError;
    };

    MonitorKeeper(QPlainTextEdit& memo, Window window, QWidget* parent);

    QString Shown(const std::string& line) const;

public slots:
    void CheckBoxTimeClick();
    void BtnSaveMonitorClick();

private:
    QPlainTextEdit& memo_;
    Window window_;
    QCheckBox* CheckBoxTime = nullptr;
    QPushButton* BtnSaveMonitor = nullptr;
};

}  // namespace shell

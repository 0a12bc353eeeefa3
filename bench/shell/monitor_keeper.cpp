#include "bench/shell/monitor_keeper.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>

#include "bench/shell/bench_host.h"
#include "platform/profile.h"

namespace shell {

QString StampedLine(const QString& line, const QTime& time)
{
    return time.toString("hh:mm:ss.zzz") + ' ' + line;
}

std::string SaveMonitorText(const std::string& path, const QString& text)
{
    QByteArray bytes = text.toUtf8();
    if (!bytes.isEmpty() && !bytes.endsWith('\n')) bytes.append('\n');
    if (!platform::WriteFileAtomically(path, std::string_view(bytes.constData(), bytes.size())))
        return "Cannot write " + path;
    return {};
}

MonitorKeeper::MonitorKeeper(QPlainTextEdit& memo, Window window, QWidget* parent)
    : QWidget(parent), memo_(memo), window_(std::move(window))
{
    setObjectName("PanelMonitorKeeper");
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    CheckBoxTime = new QCheckBox("Time", this);
    CheckBoxTime->setObjectName("CheckBoxTime");
    CheckBoxTime->setToolTip("Start each monitor line with the time");
    CheckBoxTime->setChecked(window_.host.Settings().ReadInt(kMonitorSection, kMonitorTimeKey, 0) != 0);
    BtnSaveMonitor = new QPushButton("Save", this);
    BtnSaveMonitor->setObjectName("BtnSaveMonitor");
    BtnSaveMonitor->setToolTip("Save the monitor's text to a file");
    row->addWidget(CheckBoxTime);
    row->addWidget(BtnSaveMonitor);
    connect(CheckBoxTime, &QCheckBox::toggled, this, &MonitorKeeper::CheckBoxTimeClick);
    connect(BtnSaveMonitor, &QPushButton::clicked, this, &MonitorKeeper::BtnSaveMonitorClick);
}

QString MonitorKeeper::Shown(const std::string& line) const
{
    const QString text = QString::fromStdString(line);
    return CheckBoxTime->isChecked() ? StampedLine(text, QTime::currentTime()) : text;
}

void MonitorKeeper::CheckBoxTimeClick()
{
    auto settings = window_.host.Settings();
    if (!settings.WriteInt(kMonitorSection, kMonitorTimeKey, CheckBoxTime->isChecked() ? 1 : 0))
        window_.showError("Cannot write " + settings.Path());
}

void MonitorKeeper::BtnSaveMonitorClick()
{
    const std::string path =
        window_.host.SaveFileName("Save the communication monitor", "Text files (*.txt);;All files (*)",
                                  window_.host.HomeFolder(), "monitor.txt");
    if (path.empty()) return;
    if (const std::string error = SaveMonitorText(path, memo_.toPlainText()); !error.empty())
        window_.showError(error);
}

}  // namespace shell

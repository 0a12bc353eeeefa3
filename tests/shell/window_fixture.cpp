#include "tests/shell/window_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "bench/shell/control_text.h"

void WindowTest::Open(const std::string* settings)
{
    if (settings) {
        testsupport::WriteTextFile(home.File("setup.cfg"), *settings);
    }
    Reopen();
}

void WindowTest::Reopen()
{
    form.reset();
    session.print = [this](const std::string& line) { printed.push_back(line); };
    form = std::make_unique<shell::TForm1>(home.Path());
    form->SetBatchSession(&session);
    form->show();
}

QString WindowTest::Text(const char* name) const
{
    const QWidget* control = Find<QWidget>(name);
    if (!control) {
        return "<missing>";
    }
    if (!shell::RadioItems(*control).empty()) {
        const int index = shell::RadioIndex(*control);
        return index < 0 ? QString() : shell::RadioItems(*control)[static_cast<std::size_t>(index)]->text();
    }
    if (const auto* check = qobject_cast<const QCheckBox*>(control)) {
        return check->isChecked() ? "1" : "0";
    }
    if (const auto* edit = qobject_cast<const QLineEdit*>(control)) {
        return edit->text();
    }
    if (const auto* box = qobject_cast<const QComboBox*>(control)) {
        return box->currentText();
    }
    if (const auto* memo = qobject_cast<const QPlainTextEdit*>(control)) {
        return memo->toPlainText();
    }
    return shell::Caption(*control);
}

std::vector<std::string> WindowTest::MonitorLines() const
{
    std::vector<std::string> lines;
    const QString text = Find<QPlainTextEdit>("MemoOut")->toPlainText();
    if (text.isEmpty()) {
        return lines;
    }
    for (const QString& line : text.split('\n')) {
        lines.push_back(line.toStdString());
    }
    return lines;
}

std::string WindowTest::SettingsText() const
{
    return testsupport::ReadTextFile(home.File("setup.cfg"));
}

#include "bench/shell/batch_runner.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEventLoop>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QTimer>
#include <algorithm>
#include <exception>
#include <fstream>
#include <sstream>

#include "bench/shell/control_text.h"
#include "bench/shell/tform1.h"

namespace shell {

namespace {

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

bool IsRadioGroup(const QWidget& control)
{
    return !RadioItems(control).empty();
}

std::string ShowValue(const QWidget& control)
{
    if (IsRadioGroup(control)) {
        const auto items = RadioItems(control);
        const int index = RadioIndex(control);
        return index < 0 ? std::string() : items[static_cast<std::size_t>(index)]->text().toStdString();
    }
    if (const auto* check = qobject_cast<const QCheckBox*>(&control)) {
        return check->isChecked() ? "1" : "0";
    }
    if (const auto* radio = qobject_cast<const QRadioButton*>(&control)) {
        return radio->isChecked() ? "1" : "0";
    }
    if (const auto* edit = qobject_cast<const QLineEdit*>(&control)) {
        return edit->text().toStdString();
    }
    if (const auto* box = qobject_cast<const QComboBox*>(&control)) {
        return box->currentText().toStdString();
    }
    if (const auto* list = qobject_cast<const QListWidget*>(&control)) {
        const auto* item = list->currentItem();
        return item && list->currentRow() >= 0 ? item->text().toStdString() : std::string();
    }
    if (const auto* memo = qobject_cast<const QPlainTextEdit*>(&control)) {
        return EscapeLineBreaks(memo->toPlainText().toStdString());
    }
    if (const auto* memo = qobject_cast<const QTextEdit*>(&control)) {
        return EscapeLineBreaks(memo->toPlainText().toStdString());
    }
    if (const auto* spin = qobject_cast<const QSpinBox*>(&control)) {
        return std::to_string(spin->value());
    }
    return Caption(control).toStdString();
}

bool IsVisible(const QWidget& control)
{
    if (const auto tab = TabOf(control)) {
        return tab->tabs->isTabVisible(tab->index);
    }
    return !control.isHidden();
}

// Runs an operator's click even on a disabled control.
void ClickEnabled(QAbstractButton& button)
{
    const bool enabled = button.isEnabled();
    button.setEnabled(true);
    button.click();
    button.setEnabled(enabled);
}

bool ParseInt(const std::string& text, int& value)
{
    bool ok = false;
    value = Text(text).trimmed().toInt(&ok);
    return ok;
}

}  // namespace

BatchLine ParseBatchLine(const std::string& raw)
{
    std::string line = raw;
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) {
        line.pop_back();
    }
    const auto start = line.find_first_not_of(" \t");
    if (start == std::string::npos || line[start] == '#') {
        return {};
    }
    BatchLine parsed;
    auto end = line.find(' ', start);
    parsed.command = line.substr(start, end == std::string::npos ? std::string::npos : end - start);
    if (end == std::string::npos) {
        return parsed;
    }
    const auto nameStart = line.find_first_not_of(' ', end);
    if (nameStart == std::string::npos) {
        return parsed;
    }
    end = line.find(' ', nameStart);
    parsed.name = line.substr(nameStart, end == std::string::npos ? std::string::npos : end - nameStart);
    if (end != std::string::npos) {
        parsed.rest = line.substr(end + 1);
    }
    return parsed;
}

BatchRunner::BatchRunner(TForm1& form, BatchSession& session) : form_(form), session_(session) {}

void BatchRunner::Print(const std::string& line)
{
    if (session_.print) {
        session_.print(line);
    }
}

int BatchRunner::Fail(const std::string& what)
{
    Print(what);
    return 2;
}

int BatchRunner::RunFile(const std::string& path)
{
    std::ifstream file(path);
    if (!file) {
        Print("cannot read the script " + path);
        return 1;
    }
    return Run(file);
}

int BatchRunner::Run(std::istream& script)
{
    std::string line;
    while (std::getline(script, line)) {
        if (const int result = RunLine(line); result != 0) {
            return result;
        }
    }
    return 0;
}

int BatchRunner::RunLine(const std::string& text)
{
    const BatchLine line = ParseBatchLine(text);
    const std::string& command = line.command;
    if (command.empty()) {
        return 0;
    }
    if (command == "answer") {
        if (line.name != "ok" && line.name != "cancel") {
            return Fail("unknown answer: " + line.name);
        }
        session_.confirmAnswers.push_back(line.name == "ok");
        return 0;
    }
    if (command == "file") {
        session_.fileAnswers.push_back(line.rest.empty() ? line.name : line.name + " " + line.rest);
        return 0;
    }
    if (command == "cancel") {
        int pages = 0;
        if (!ParseInt(line.name, pages) || pages < 0) {
            return Fail("unknown page count: " + line.name);
        }
        session_.cancelAfterPages.push_back(pages);
        return 0;
    }
    if (command == "sleep") {
        int ms = 0;
        if (!ParseInt(line.name, ms)) {
            return Fail("unknown time: " + line.name);
        }
        QEventLoop loop;
        QTimer::singleShot(ms, &loop, &QEventLoop::quit);
        loop.exec();
        return 0;
    }
    static const char* const kControlCommands[] = {"set",  "choose", "index", "tick",    "untick",
                                                    "click", "cell",  "select", "show", "grid", "visible"};
    if (std::find_if(std::begin(kControlCommands), std::end(kControlCommands),
                     [&](const char* known) { return command == known; }) == std::end(kControlCommands)) {
        return Fail("unknown command: " + command);
    }
    QWidget* control = form_.objectName() == Text(line.name) ? &form_ : form_.findChild<QWidget*>(Text(line.name));
    if (line.name.empty() || !control) {
        return Fail("unknown control: " + line.name);
    }

    int result = 0;
    try {
        if (command == "show") {
            Print(line.name + "=" + ShowValue(*control));
        } else if (command == "visible") {
            Print(line.name + ".visible=" + (IsVisible(*control) ? "1" : "0"));
        } else if (command == "grid") {
            auto* grid = qobject_cast<QTableWidget*>(control);
            if (!grid) {
                return Fail("not a grid: " + line.name);
            }
            for (int row = 0; row < grid->rowCount(); ++row) {
                std::string out = line.name + "[" + std::to_string(row) + "]=";
                for (int column = 0; column < grid->columnCount(); ++column) {
                    if (column > 0) {
                        out += '\t';
                    }
                    if (const auto* item = grid->item(row, column)) {
                        out += item->text().toStdString();
                    }
                }
                Print(out);
            }
        } else if (command == "set") {
            const QString value = Text(line.rest);
            if (auto* edit = qobject_cast<QLineEdit*>(control)) {
                edit->setText(value);
                emit edit->textEdited(value);
            } else if (auto* memo = qobject_cast<QPlainTextEdit*>(control)) {
                memo->setPlainText(QString(value).replace("\\n", "\n"));
            } else if (auto* box = qobject_cast<QComboBox*>(control); box && box->isEditable()) {
                box->setEditText(value);
            } else if (auto* spin = qobject_cast<QSpinBox*>(control)) {
                int number = 0;
                if (!ParseInt(line.rest, number)) {
                    return Fail("unknown item: " + line.rest + " in " + line.name);
                }
                spin->setValue(number);
            } else {
                return Fail("not an edit: " + line.name);
            }
        } else if (command == "choose" || command == "index") {
            int index = -1;
            const bool byIndex = command == "index";
            if (byIndex && !ParseInt(line.rest, index)) {
                return Fail("unknown item: " + line.rest + " in " + line.name);
            }
            if (IsRadioGroup(*control)) {
                const auto items = RadioItems(*control);
                if (!byIndex) {
                    index = -1;
                    for (std::size_t i = 0; i < items.size(); ++i) {
                        if (items[i]->text() == Text(line.rest)) {
                            index = static_cast<int>(i);
                            break;
                        }
                    }
                }
                if (index < -1 || index >= static_cast<int>(items.size()) || (!byIndex && index < 0)) {
                    return Fail("unknown item: " + line.rest + " in " + line.name);
                }
                if (index < 0) {
                    SetRadioIndex(*control, -1);
                } else {
                    ClickEnabled(*items[static_cast<std::size_t>(index)]);
                }
            } else if (auto* box = qobject_cast<QComboBox*>(control)) {
                if (!byIndex) {
                    index = box->findText(Text(line.rest), Qt::MatchExactly);
                }
                if (index < -1 || index >= box->count() || (!byIndex && index < 0)) {
                    return Fail("unknown item: " + line.rest + " in " + line.name);
                }
                box->setCurrentIndex(index);
                if (index >= 0) {
                    emit box->activated(index);
                    emit box->textActivated(box->itemText(index));
                }
            } else if (auto* list = qobject_cast<QListWidget*>(control)) {
                if (!byIndex) {
                    const auto found = list->findItems(Text(line.rest), Qt::MatchExactly);
                    index = found.isEmpty() ? -1 : list->row(found.front());
                }
                if (index < -1 || index >= list->count() || (!byIndex && index < 0)) {
                    return Fail("unknown item: " + line.rest + " in " + line.name);
                }
                list->setCurrentRow(index);
                if (index >= 0) {
                    emit list->itemClicked(list->item(index));
                }
            } else if (auto* tabs = qobject_cast<QTabWidget*>(control)) {
                if (!byIndex) {
                    index = -1;
                    for (int i = 0; i < tabs->count(); ++i) {
                        if (tabs->tabText(i) == Text(line.rest)) {
                            index = i;
                        }
                    }
                }
                if (index < 0 || index >= tabs->count()) {
                    return Fail("unknown item: " + line.rest + " in " + line.name);
                }
                tabs->setCurrentIndex(index);
            } else {
                return Fail("not a list: " + line.name);
            }
        } else if (command == "tick" || command == "untick") {
            auto* button = qobject_cast<QAbstractButton*>(control);
            if (!button || !button->isCheckable()) {
                return Fail("not a check box: " + line.name);
            }
            const bool want = command == "tick";
            if (button->isChecked() != want) {
                if (want || qobject_cast<QCheckBox*>(button)) {
                    ClickEnabled(*button);
                } else {
                    button->setChecked(false);
                }
            }
        } else if (command == "click") {
            if (auto* button = qobject_cast<QAbstractButton*>(control)) {
                ClickEnabled(*button);
            } else if (control->metaObject()->indexOfSignal("clicked()") >= 0) {
                QMetaObject::invokeMethod(control, "clicked");
            } else if (ShowTab(*control)) {
            } else {
                return Fail("not clickable: " + line.name);
            }
            QCoreApplication::processEvents();
            if (auto* view = form_.findChild<QPlainTextEdit*>("Memo1")) {
                Print("[VIEW] " + EscapeLineBreaks(view->toPlainText().toStdString()));
            }
        } else if (command == "cell" || command == "select") {
            auto* grid = qobject_cast<QTableWidget*>(control);
            if (!grid) {
                return Fail("not a grid: " + line.name);
            }
            std::istringstream fields(line.rest);
            std::string rowText;
            fields >> rowText;
            int row = 0;
            if (!ParseInt(rowText, row) || row < 0 || row >= grid->rowCount()) {
                return Fail("unknown item: row " + rowText + " in " + line.name);
            }
            if (command == "select") {
                grid->setCurrentCell(row, 0);
                grid->selectRow(row);
                emit grid->cellClicked(row, 0);
            } else {
                std::string columnText;
                fields >> columnText;
                int column = 0;
                if (!ParseInt(columnText, column) || column < 0 || column >= grid->columnCount()) {
                    return Fail("unknown item: column " + columnText + " in " + line.name);
                }
                std::string value;
                std::getline(fields, value);
                if (!value.empty() && value.front() == ' ') {
                    value.erase(0, 1);
                }
                if (auto* item = grid->item(row, column)) {
                    item->setText(Text(value));
                } else {
                    grid->setItem(row, column, new QTableWidgetItem(Text(value)));
                }
            }
        }
    } catch (const std::exception& error) {
        form_.ShowError(error.what());
    }
    QCoreApplication::processEvents();
    return result;
}

}  // namespace shell

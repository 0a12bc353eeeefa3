#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

#include "bench/content/frame_build.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace shell {
class BenchHost;
}

namespace content {

// Controls of the content pages, each named as the operator's scripts know it.
QPushButton* NamedButton(QWidget* parent, const char* name, const QString& caption);
QLabel* NamedLabel(QWidget* parent, const char* name, const QString& caption);
QLineEdit* NamedEdit(QWidget* parent, const char* name, const QString& text);
QCheckBox* NamedCheck(QWidget* parent, const char* name, const QString& caption, bool ticked);
QGroupBox* NamedGroup(QWidget* parent, const char* name, const QString& title);
// A drop-down list filled with items, the given entry chosen (none when absent).
QComboBox* NamedCombo(QWidget* parent, const char* name, const QStringList& items, const QString& chosen);
void FillCombo(QComboBox& box, const QStringList& items, const QString& chosen);
QStringList Items(const std::vector<std::string>& entries);

// A radio group: a group box named `name` holding radio buttons "<name>_<i>" in a
// QButtonGroup whose ids are the positions; `chosen` -1 leaves none chosen.
struct RadioGroup {
    QGroupBox* box = nullptr;
    QButtonGroup* buttons = nullptr;
};
RadioGroup NamedRadioGroup(QWidget* parent, const char* name, const QString& title, const QStringList& items,
                           int chosen, int columns = 1);
// The chosen position of a radio group, -1 when none.
int Position(const RadioGroup& group);

// Inserts a piece at the caret (a selection is not replaced), puts the caret back
// before it and gives the edit the focus; the change runs the edit's handlers.
void InsertAtCaret(QLineEdit& edit, const QString& piece);

// The sign id of EditSignEdit; a text that is no number gets the conversion box.
std::optional<std::uint16_t> SignIdOf(shell::BenchHost& host);
// A number field: the conversion box when it is not a number.
std::optional<std::int32_t> NumberOf(shell::BenchHost& host, const QString& text);

// Text for the sign in GBK; a character GBK cannot hold stops the send with an
// ERROR line and a warning box.
std::optional<std::string> GbkOf(shell::BenchHost& host, const QString& text, const char* what);
QString TextOfGbk(const std::string& gbk);

// EditHexData, the protocol view with the layout, then the common send. A refused
// build logs its reason as an ERROR line and sends nothing; false then.
bool ShowAndSend(shell::BenchHost& host, const FrameBuild& frame, int layout);
// The same, exchanged for the reply: the reply count (above 0), or 0 when nothing
// was sent or nothing came back.
int ShowAndExchange(shell::BenchHost& host, const FrameBuild& frame, int layout);

}  // namespace content

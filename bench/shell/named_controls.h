#pragma once

#include <QString>
#include <QStringList>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace shell {

// Controls of the pages, each named as the operator's scripts know it.
template <typename T>
T* Named(T* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}

QPushButton* NamedButton(QWidget* parent, const char* name, const QString& caption);
QLabel* NamedLabel(QWidget* parent, const char* name, const QString& caption);
QLineEdit* NamedEdit(QWidget* parent, const char* name, const QString& text);
QCheckBox* NamedCheck(QWidget* parent, const char* name, const QString& caption, bool ticked);
QGroupBox* NamedGroup(QWidget* parent, const char* name, const QString& title);
// A drop-down list filled with items, the given entry chosen (none when absent).
QComboBox* NamedCombo(QWidget* parent, const char* name, const QStringList& items, const QString& chosen);
// Refills a drop-down list without running its handlers.
void FillCombo(QComboBox& box, const QStringList& items, const QString& chosen);
// The item texts prefix + n for n = first, first + step, ... up to last.
QStringList NumberItems(int first, int last, int step = 1, const QString& prefix = {});

// A radio group: a group box named `name` holding radio buttons "<name>_<i>" in a
// QButtonGroup whose ids are the positions; `chosen` -1 leaves none chosen, and
// `columns` lays the items out in a grid, filled column by column.
struct RadioGroup {
    QGroupBox* box = nullptr;
    QButtonGroup* buttons = nullptr;
};
RadioGroup NamedRadioGroup(QWidget* parent, const QString& name, const QString& title,
                           const QStringList& items, int chosen, int columns = 1);
// The chosen position of a radio group, -1 when none.
int Position(const RadioGroup& group);
// The button group of a group box made by NamedRadioGroup, for pages that keep the box only.
QButtonGroup* ButtonsOf(const QGroupBox& box);

}  // namespace shell

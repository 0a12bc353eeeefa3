#include "bench/shell/named_controls.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace shell {

QPushButton* NamedButton(QWidget* parent, const char* name, const QString& caption)
{
    return Named(new QPushButton(caption, parent), name);
}

QLabel* NamedLabel(QWidget* parent, const char* name, const QString& caption)
{
    return Named(new QLabel(caption, parent), name);
}

QLineEdit* NamedEdit(QWidget* parent, const char* name, const QString& text)
{
    return Named(new QLineEdit(text, parent), name);
}

QCheckBox* NamedCheck(QWidget* parent, const char* name, const QString& caption, bool ticked)
{
    auto* check = Named(new QCheckBox(caption, parent), name);
    check->setChecked(ticked);
    return check;
}

QGroupBox* NamedGroup(QWidget* parent, const char* name, const QString& title)
{
    return Named(new QGroupBox(title, parent), name);
}

void FillCombo(QComboBox& box, const QStringList& items, const QString& chosen)
{
    const QSignalBlocker blocker(&box);
    box.clear();
    box.addItems(items);
    box.setCurrentIndex(box.findText(chosen, Qt::MatchExactly));
}

QComboBox* NamedCombo(QWidget* parent, const char* name, const QStringList& items, const QString& chosen)
{
    auto* box = Named(new QComboBox(parent), name);
    FillCombo(*box, items, chosen);
    return box;
}

RadioGroup NamedRadioGroup(QWidget* parent, const QString& name, const QString& title,
                           const QStringList& items, int chosen, int columns)
{
    RadioGroup group;
    group.box = Named(new QGroupBox(title, parent), name);
    group.buttons = new QButtonGroup(group.box);
    auto* layout = new QGridLayout(group.box);
    const int rows = (static_cast<int>(items.size()) + columns - 1) / columns;
    for (int i = 0; i < items.size(); ++i) {
        auto* item = Named(new QRadioButton(items[i], group.box), QString("%1_%2").arg(name).arg(i));
        item->setChecked(i == chosen);
        group.buttons->addButton(item, i);
        layout->addWidget(item, i % rows, i / rows);
    }
    return group;
}

int Position(const RadioGroup& group) { return group.buttons->checkedId(); }

QButtonGroup* ButtonsOf(const QGroupBox& box)
{
    return box.findChild<QButtonGroup*>(QString(), Qt::FindDirectChildrenOnly);
}

QStringList NumberItems(int first, int last, int step, const QString& prefix)
{
    QStringList items;
    for (int n = first; n <= last; n += step) items << prefix + QString::number(n);
    return items;
}

}  // namespace shell

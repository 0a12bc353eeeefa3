#include "bench/shell/control_text.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabWidget>

namespace shell {

QTabWidget* TabWidgetOf(const QWidget& page)
{
    auto* stack = qobject_cast<QStackedWidget*>(page.parentWidget());
    if (!stack) {
        return nullptr;
    }
    auto* tabs = qobject_cast<QTabWidget*>(stack->parentWidget());
    return tabs && tabs->indexOf(const_cast<QWidget*>(&page)) >= 0 ? tabs : nullptr;
}

QString Caption(const QWidget& control)
{
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control)) {
        return button->text();
    }
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        return label->text();
    }
    if (const auto* group = qobject_cast<const QGroupBox*>(&control)) {
        return group->title();
    }
    if (auto* tabs = TabWidgetOf(control)) {
        return tabs->tabText(tabs->indexOf(const_cast<QWidget*>(&control)));
    }
    return {};
}

bool SetCaption(QWidget& control, const QString& text)
{
    if (auto* button = qobject_cast<QAbstractButton*>(&control)) {
        button->setText(text);
        return true;
    }
    if (auto* label = qobject_cast<QLabel*>(&control)) {
        label->setText(text);
        return true;
    }
    if (auto* group = qobject_cast<QGroupBox*>(&control)) {
        group->setTitle(text);
        return true;
    }
    if (auto* tabs = TabWidgetOf(control)) {
        tabs->setTabText(tabs->indexOf(&control), text);
        return true;
    }
    return false;
}

std::vector<QRadioButton*> RadioItems(const QWidget& group)
{
    std::vector<QRadioButton*> items;
    for (int i = 0;; ++i) {
        auto* item = group.findChild<QRadioButton*>(group.objectName() + "_" + QString::number(i));
        if (!item) {
            break;
        }
        items.push_back(item);
    }
    return items;
}

int RadioIndex(const QWidget& group)
{
    const auto items = RadioItems(group);
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i]->isChecked()) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void SetRadioIndex(QWidget& group, int index)
{
    const auto items = RadioItems(group);
    for (std::size_t i = 0; i < items.size(); ++i) {
        auto* item = items[i];
        const QSignalBlocker blocker(item);
        QButtonGroup* buttons = item->group();
        const bool exclusive = buttons ? buttons->exclusive() : item->autoExclusive();
        if (buttons) {
            buttons->setExclusive(false);
        } else {
            item->setAutoExclusive(false);
        }
        item->setChecked(static_cast<int>(i) == index);
        if (buttons) {
            buttons->setExclusive(exclusive);
        } else {
            item->setAutoExclusive(exclusive);
        }
    }
}

}  // namespace shell

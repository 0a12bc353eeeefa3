#include "bench/shell/control_text.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabWidget>

namespace shell {

std::optional<PageTab> TabOf(const QWidget& page)
{
    // A page wrapped in a scroll area is shown through the area: page -> viewport ->
    // QScrollArea -> the tab widget's stack.
    const QWidget* tabWidget = &page;
    if (auto* viewport = page.parentWidget()) {
        if (auto* area = qobject_cast<QScrollArea*>(viewport->parentWidget()); area && area->widget() == &page) {
            tabWidget = area;
        }
    }
    auto* stack = qobject_cast<QStackedWidget*>(tabWidget->parentWidget());
    auto* tabs = stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
    const int index = tabs ? tabs->indexOf(const_cast<QWidget*>(tabWidget)) : -1;
    if (index < 0) {
        return std::nullopt;
    }
    return PageTab{tabs, index};
}

QTabWidget* TabWidgetOf(const QWidget& page)
{
    const std::optional<PageTab> tab = TabOf(page);
    return tab ? tab->tabs : nullptr;
}

bool ShowTab(const QWidget& page)
{
    const std::optional<PageTab> tab = TabOf(page);
    if (tab) {
        tab->tabs->setCurrentIndex(tab->index);
    }
    return tab.has_value();
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
    if (const auto tab = TabOf(control)) {
        return tab->tabs->tabText(tab->index);
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
    if (const auto tab = TabOf(control)) {
        tab->tabs->setTabText(tab->index, text);
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

std::string EscapeLineBreaks(const std::string& text)
{
    std::string out;
    for (const char c : text) {
        if (c == '\n') {
            out += "\\n";
        } else if (c != '\r') {
            out += c;
        }
    }
    return out;
}

}  // namespace shell

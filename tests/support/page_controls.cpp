#include "tests/support/page_controls.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>

namespace testsupport {

namespace {

QTabWidget* OwningTabs(const QWidget& page)
{
    for (QWidget* w = page.parentWidget(); w != nullptr; w = w->parentWidget()) {
        if (auto* tabs = qobject_cast<QTabWidget*>(w); tabs != nullptr && tabs->indexOf(&page) >= 0)
            return tabs;
    }
    return nullptr;
}

QStringList ComboItems(const QComboBox& box)
{
    QStringList items;
    for (int i = 0; i < box.count(); ++i) items << box.itemText(i);
    return items;
}

void CheckRadioGroup(const QWidget& page, const QGroupBox& group, const ControlCase& c)
{
    QStringList items;
    QString chosen;
    const QButtonGroup* buttons = nullptr;
    for (int i = 0;; ++i) {
        const QString itemName = QString::fromUtf8(c.name) + "_" + QString::number(i);
        auto* radio = page.findChild<QRadioButton*>(itemName);
        if (radio == nullptr) break;
        EXPECT_TRUE(group.isAncestorOf(radio)) << itemName.toStdString() << " lies outside its group";
        if (radio->group() == nullptr) {
            ADD_FAILURE() << itemName.toStdString() << " is in no button group";
        } else {
            buttons = radio->group();
            EXPECT_EQ(buttons->id(radio), i) << itemName.toStdString() << " has the wrong id";
        }
        items << radio->text();
        if (radio->isChecked()) chosen = radio->text();
    }
    if (c.caption) {
        EXPECT_EQ(group.title(), *c.caption);
    }
    if (c.items) {
        EXPECT_EQ(items, *c.items);
    }
    if (c.current) {
        EXPECT_EQ(chosen, *c.current);
        if (buttons != nullptr) {
            EXPECT_EQ(buttons->checkedId(), items.indexOf(*c.current));
        }
    }
}

void CheckGrid(const QTableWidget& grid, const ControlCase& c)
{
    EXPECT_TRUE(grid.horizontalHeader()->isHidden()) << "titles belong in row 0";
    EXPECT_TRUE(grid.verticalHeader()->isHidden());
    EXPECT_EQ(grid.selectionBehavior(), QAbstractItemView::SelectRows);
    if (c.items) {
        ASSERT_EQ(grid.columnCount(), c.items->size());
        ASSERT_GE(grid.rowCount(), 1);
        for (int col = 0; col < grid.columnCount(); ++col) {
            const QTableWidgetItem* title = grid.item(0, col);
            EXPECT_EQ(title ? title->text() : QString(), c.items->at(col)) << "title of column " << col;
        }
    }
    for (std::size_t col = 0; col < c.columnWidths.size(); ++col) {
        EXPECT_EQ(grid.columnWidth(static_cast<int>(col)), c.columnWidths[col]) << "width of column " << col;
    }
}

}  // namespace

void ExpectControl(const QWidget& page, const ControlCase& c)
{
    SCOPED_TRACE(c.name);
    QWidget* widget = page.objectName() == c.name ? const_cast<QWidget*>(&page)
                                                  : page.findChild<QWidget*>(QString::fromUtf8(c.name));
    ASSERT_NE(widget, nullptr) << "missing control";

    if (c.kind == ControlKind::Page) {
        QTabWidget* tabs = OwningTabs(*widget);
        if (c.caption || !c.visible) {
            ASSERT_NE(tabs, nullptr) << "not a page of a tab widget";
        }
        if (c.caption) {
            EXPECT_EQ(tabs->tabText(tabs->indexOf(widget)), *c.caption);
        }
        if (tabs != nullptr) {
            EXPECT_EQ(tabs->isTabVisible(tabs->indexOf(widget)), c.visible);
        }
        return;
    }
    EXPECT_EQ(!widget->isHidden(), c.visible) << "visibility";

    switch (c.kind) {
        case ControlKind::Button:
        case ControlKind::SpeedButton:
        case ControlKind::CheckBox:
        case ControlKind::RadioButton: {
            const bool rightKind =
                (c.kind == ControlKind::Button && qobject_cast<QPushButton*>(widget)) ||
                (c.kind == ControlKind::SpeedButton && qobject_cast<QToolButton*>(widget)) ||
                (c.kind == ControlKind::CheckBox && qobject_cast<QCheckBox*>(widget)) ||
                (c.kind == ControlKind::RadioButton && qobject_cast<QRadioButton*>(widget));
            ASSERT_TRUE(rightKind) << "wrong kind: " << widget->metaObject()->className();
            auto* button = qobject_cast<QAbstractButton*>(widget);
            if (c.caption) {
                EXPECT_EQ(button->text(), *c.caption);
            }
            if (c.current) {
                EXPECT_EQ(button->isChecked() ? "1" : "0", c.current->toStdString());
            }
            break;
        }
        case ControlKind::Label:
        case ControlKind::Image: {
            auto* label = qobject_cast<QLabel*>(widget);
            ASSERT_NE(label, nullptr) << "wrong kind: " << widget->metaObject()->className();
            if (c.caption) {
                EXPECT_EQ(label->text(), *c.caption);
            }
            if (c.labelFor != nullptr) {
                ASSERT_NE(label->buddy(), nullptr) << "names no field";
                EXPECT_EQ(label->buddy()->objectName(), c.labelFor);
            }
            break;
        }
        case ControlKind::Edit:
        case ControlKind::ReadOnlyEdit: {
            auto* edit = qobject_cast<QLineEdit*>(widget);
            ASSERT_NE(edit, nullptr) << "wrong kind: " << widget->metaObject()->className();
            EXPECT_EQ(edit->isReadOnly(), c.kind == ControlKind::ReadOnlyEdit) << "read-only";
            if (c.current) {
                EXPECT_EQ(edit->text(), *c.current);
            }
            break;
        }
        case ControlKind::Memo: {
            auto* memo = qobject_cast<QPlainTextEdit*>(widget);
            ASSERT_NE(memo, nullptr) << "wrong kind: " << widget->metaObject()->className();
            if (c.current) {
                EXPECT_EQ(memo->toPlainText(), *c.current);
            }
            break;
        }
        case ControlKind::DropDown: {
            auto* box = qobject_cast<QComboBox*>(widget);
            ASSERT_NE(box, nullptr) << "wrong kind: " << widget->metaObject()->className();
            EXPECT_FALSE(box->isEditable()) << "the operator picks, never types";
            if (c.items) {
                EXPECT_EQ(ComboItems(*box), *c.items);
            }
            if (c.current) {
                EXPECT_EQ(box->currentText(), *c.current);
            }
            break;
        }
        case ControlKind::ListBox: {
            auto* list = qobject_cast<QListWidget*>(widget);
            ASSERT_NE(list, nullptr) << "wrong kind: " << widget->metaObject()->className();
            if (c.items) {
                QStringList items;
                for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
                EXPECT_EQ(items, *c.items);
            }
            break;
        }
        case ControlKind::RadioGroup: {
            auto* group = qobject_cast<QGroupBox*>(widget);
            ASSERT_NE(group, nullptr) << "wrong kind: " << widget->metaObject()->className();
            CheckRadioGroup(page, *group, c);
            break;
        }
        case ControlKind::GroupBox: {
            auto* group = qobject_cast<QGroupBox*>(widget);
            ASSERT_NE(group, nullptr) << "wrong kind: " << widget->metaObject()->className();
            if (c.caption) {
                EXPECT_EQ(group->title(), *c.caption);
            }
            break;
        }
        case ControlKind::Panel:
            EXPECT_TRUE(qobject_cast<QFrame*>(widget) || widget->metaObject() == &QWidget::staticMetaObject)
                << "wrong kind: " << widget->metaObject()->className();
            break;
        case ControlKind::Grid: {
            auto* grid = qobject_cast<QTableWidget*>(widget);
            ASSERT_NE(grid, nullptr) << "wrong kind: " << widget->metaObject()->className();
            CheckGrid(*grid, c);
            break;
        }
        case ControlKind::Page:
            break;
    }
}

QStringList NumberItems(int first, int last, int step, const QString& prefix)
{
    QStringList items;
    for (int n = first; n <= last; n += step) items << prefix + QString::number(n);
    return items;
}

}  // namespace testsupport

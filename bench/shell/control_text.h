#pragma once

#include <QString>
#include <vector>

class QAbstractButton;
class QRadioButton;
class QTabWidget;
class QWidget;

namespace shell {

// The caption of a control as the operator reads it: a button's or label's text, a
// group box's title, a page's tab text. Empty for a control without a caption.
QString Caption(const QWidget& control);
// Sets it; false for a control that has no caption.
bool SetCaption(QWidget& control, const QString& text);

// The tab widget that shows a page, or null.
QTabWidget* TabWidgetOf(const QWidget& page);

// The items of a radio group: its radio buttons named "<Group>_<i>", in order.
std::vector<QRadioButton*> RadioItems(const QWidget& group);
// The chosen item's position, -1 when none.
int RadioIndex(const QWidget& group);
// Checks item i without running handlers; -1 clears the choice.
void SetRadioIndex(QWidget& group, int index);

}  // namespace shell

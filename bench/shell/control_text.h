#pragma once

#include <QString>
#include <optional>
#include <string>
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

// Where a page sits in a tab widget: directly, or inside the scroll area that the
// window puts around each of its pages.
struct PageTab {
    QTabWidget* tabs = nullptr;
    int index = -1;
};
std::optional<PageTab> TabOf(const QWidget& page);
// The tab widget that shows a page, or null.
QTabWidget* TabWidgetOf(const QWidget& page);
// Brings a page's tab to the front; false when the widget is no page of a tab widget.
bool ShowTab(const QWidget& page);

// The items of a radio group: its radio buttons named "<Group>_<i>", in order.
std::vector<QRadioButton*> RadioItems(const QWidget& group);
// The chosen item's position, -1 when none.
int RadioIndex(const QWidget& group);
// Checks item i without running handlers; -1 clears the choice.
void SetRadioIndex(QWidget& group, int index);

// A text on one line as batch runs print it: each line break as the two characters
// "\\n", carriage returns dropped.
std::string EscapeLineBreaks(const std::string& text);

}  // namespace shell

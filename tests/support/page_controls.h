#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>
#include <optional>
#include <vector>

namespace testsupport {

// The kinds of the bench's controls and the Qt widget each stands for.
enum class ControlKind {
    Button,        // QPushButton
    SpeedButton,   // QToolButton
    Label,         // QLabel
    Image,         // QLabel
    Edit,          // QLineEdit the operator types into
    ReadOnlyEdit,  // QLineEdit that only shows
    Memo,          // QPlainTextEdit
    DropDown,      // QComboBox, not editable
    ListBox,       // QListWidget
    CheckBox,      // QCheckBox
    RadioButton,   // QRadioButton
    RadioGroup,    // QGroupBox with QRadioButtons NAME_i in a QButtonGroup
    GroupBox,      // QGroupBox
    Panel,         // QFrame or plain QWidget
    Page,          // a page of a QTabWidget; its caption is the tab text
    Grid,          // QTableWidget whose row 0 holds the titles
};

// One row of a page's control table. What is left empty is not checked.
struct ControlCase {
    const char* name = nullptr;
    ControlKind kind = ControlKind::Panel;
    std::optional<QString> caption = std::nullopt;    // text, group title or tab text
    const char* labelFor = nullptr;                   // labels: the field they name (their buddy)
    std::optional<QStringList> items = std::nullopt;  // list entries, radio items or grid titles
    std::optional<QString> current = std::nullopt;    // chosen entry, edit text, or "1"/"0" for a check
    bool visible = true;                              // not hidden explicitly (pages: their tab shown)
    std::vector<int> columnWidths = {};               // grids only
};

// Checks one control of the page against its row; failures name the control.
void ExpectControl(const QWidget& page, const ControlCase& expected);

// "first", "first + step", ... "last" as texts: the bench's numbered lists.
QStringList NumberItems(int first, int last, int step = 1, const QString& prefix = {});

}  // namespace testsupport

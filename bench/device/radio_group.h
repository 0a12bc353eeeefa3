#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;

namespace device {

// A radio group as the pages show it: a group box named after the group, holding
// one radio button per item named "<Group>_<i>", kept exclusive by a button group.
// index -1 leaves every item unchecked; columns lays the items out in a grid.
QGroupBox* MakeRadioGroup(QWidget* parent, const QString& name, const QString& caption,
                          const QStringList& items, int index, int columns = 1);

// The button group that keeps the items of a group made above exclusive.
QButtonGroup* ButtonsOf(QGroupBox& group);

}  // namespace device

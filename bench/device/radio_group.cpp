#include "bench/device/radio_group.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

namespace device {

QGroupBox* MakeRadioGroup(QWidget* parent, const QString& name, const QString& caption,
                          const QStringList& items, int index, int columns)
{
    auto* group = new QGroupBox(caption, parent);
    group->setObjectName(name);
    auto* buttons = new QButtonGroup(group);
    buttons->setObjectName(name + "_buttons");
    auto* layout = new QGridLayout(group);
    const int rows = (static_cast<int>(items.size()) + columns - 1) / columns;
    for (int i = 0; i < items.size(); ++i) {
        auto* item = new QRadioButton(items[i], group);
        item->setObjectName(name + "_" + QString::number(i));
        item->setChecked(i == index);
        buttons->addButton(item, i);
        layout->addWidget(item, i % rows, i / rows);
    }
    return group;
}

QButtonGroup* ButtonsOf(QGroupBox& group)
{
    return group.findChild<QButtonGroup*>(group.objectName() + "_buttons", Qt::FindDirectChildrenOnly);
}

}  // namespace device

#include "bench/shell/click_label.h"

#include <QMouseEvent>

namespace shell {

ClickLabel::ClickLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    setCursor(Qt::PointingHandCursor);
    // A buddy makes the label draw its "&" accelerator as an underline.
    setBuddy(this);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
    QLabel::mouseReleaseEvent(event);
}

}  // namespace shell

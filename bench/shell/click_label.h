#pragma once

#include <QLabel>

namespace shell {

// A label the operator can click (Label12 "Sign ID:", Label27 "&English", ...). It
// shows "&" accelerators as the toolkit does and offers a clicked() signal, which
// the batch runner triggers by name like a button's.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(const QString& text, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace shell

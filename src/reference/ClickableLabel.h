#pragma once
// A label that reports a click of the left mouse button, for the page
// captions that act on a click.

#include <QLabel>

namespace termora::reference {

class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace termora::reference

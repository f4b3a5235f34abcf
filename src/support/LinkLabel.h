#pragma once
// TLinkLabel: a label drawn as a link (blue, underlined, hand cursor) that
// reports a click with the left mouse button.

#include <QLabel>

class TLinkLabel : public QLabel {
    Q_OBJECT

public:
    explicit TLinkLabel(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

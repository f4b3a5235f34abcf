#include "controls/ClickableLabel.h"

#include <QContextMenuEvent>
#include <QMouseEvent>

namespace termora {

ClickableLabel::ClickableLabel(QWidget* parent) : QLabel(parent) {}

void ClickableLabel::setDrawnAsLink(bool link) {
    m_drawnAsLink = link;
    if (link) {
        setCursor(Qt::PointingHandCursor);
        setStyleSheet(QStringLiteral("color: #0000ee; text-decoration: underline;"));
    } else {
        unsetCursor();
        setStyleSheet(QString());
    }
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void ClickableLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit doubleClicked();
    QLabel::mouseDoubleClickEvent(event);
}

void ClickableLabel::contextMenuEvent(QContextMenuEvent* event) {
    emit rightClicked();
    event->accept();
}

}  // namespace termora

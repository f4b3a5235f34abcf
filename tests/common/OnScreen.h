#pragma once
// What a window shows a person, read back from the window's backing store.

#include <QCoreApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace termora::testing {

// The widget as its window shows it: pending repaints are drawn first, then
// the window's backing store is read, so a part the widget failed to repaint
// shows its old pixels as it would on the screen.
inline QImage onScreen(QWidget& widget) {
    QCoreApplication::processEvents();
    QWidget* top = widget.window();
    QWindow* window = top->windowHandle();
    const QPixmap shot = window->screen()->grabWindow(window->winId());
    const qreal ratio = shot.devicePixelRatio();
    const QRect area(widget.mapTo(top, QPoint(0, 0)) * ratio, widget.size() * ratio);
    return shot.copy(area).toImage();
}

}  // namespace termora::testing

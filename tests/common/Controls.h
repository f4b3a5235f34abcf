#pragma once
// Finding a window's controls by their object names, the names the program
// gives them, and clicking one as a person does.

#include <QObject>
#include <QTest>
#include <QWidget>
#include <QWindow>

namespace termora::testing {

template <typename T>
T* child(const QObject& window, const char* name) {
    T* found = window.findChild<T*>(QLatin1String(name));
    if (found == nullptr) qFatal("no control %s", name);
    return found;
}

inline void click(const QObject& window, const char* name) {
    QTest::mouseClick(child<QWidget>(window, name), Qt::LeftButton);
}

// The right button pressed on a control of a shown window, as the window
// system delivers it: the window turns the click into the context-menu
// request the control receives.
inline void rightClick(QWidget& widget, QPoint place = QPoint(2, 2)) {
    QWidget* window = widget.window();
    if (window->windowHandle() == nullptr || !window->isVisible()) {
        qFatal("right-click on %s: its window is not shown", qPrintable(widget.objectName()));
    }
    QTest::mouseClick(window->windowHandle(), Qt::RightButton, {}, widget.mapTo(window, place));
}

}  // namespace termora::testing

#pragma once
// Finding a window's controls by their object names, the names the program
// gives them, and clicking one as a person does.

#include <QObject>
#include <QTest>
#include <QWidget>

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

}  // namespace termora::testing

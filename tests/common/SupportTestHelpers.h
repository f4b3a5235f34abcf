#pragma once
// Small helpers of the support tests: finding a window's controls by their
// object names and setting the donation switch the way the registry file holds it.

#include "platform/Registry.h"

#include <QSettings>
#include <QTest>
#include <QVariant>
#include <QWidget>

namespace termora::testing {

template <typename T>
T* child(QWidget& window, const char* name) {
    T* found = window.findChild<T*>(name);
    if (found == nullptr) qFatal("no control %s", name);
    return found;
}

inline void click(QWidget& window, const char* name) {
    QTest::mouseClick(child<QWidget>(window, name), Qt::LeftButton);
}

// Stores the donation switch of product 16 as it is (any type), or removes
// it for an invalid value.
inline void storeSwitch(const QVariant& value) {
    QSettings raw(registry::storePath(), QSettings::IniFormat);
    if (value.isValid()) raw.setValue("Software/Velmont/Support/16", value);
    else raw.remove("Software/Velmont/Support/16");
}

}  // namespace termora::testing

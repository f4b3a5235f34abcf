#pragma once
// Small helpers of the support tests: finding a window's controls by their
// object names (Controls.h) and setting the donation switch the way the
// registry file holds it.

#include "common/Controls.h"
#include "platform/Registry.h"

#include <QSettings>
#include <QVariant>

namespace termora::testing {

// Stores the donation switch of product 16 as it is (any type), or removes
// it for an invalid value.
inline void storeSwitch(const QVariant& value) {
    QSettings raw(registry::storePath(), QSettings::IniFormat);
    if (value.isValid()) raw.setValue("Software/Velmont/Support/16", value);
    else raw.remove("Software/Velmont/Support/16");
}

}  // namespace termora::testing

#pragma once
// Link controls keep their target address, or an address pattern, in their
// "helpKeyword" property, as the program's link buttons keep it in their help
// keyword; a click hands the clicked control's keyword to OpenLink.

#include "platform/LinkOpener.h"

#include <QObject>
#include <QString>

namespace termora {

inline constexpr const char* kHelpKeywordProperty = "helpKeyword";

inline void setHelpKeyword(QObject* control, const QString& address) {
    control->setProperty(kHelpKeywordProperty, address);
}
inline QString helpKeyword(const QObject* control) { return control->property(kHelpKeywordProperty).toString(); }

// The click handlers of link controls: open the sender's keyword.
inline void openHelpKeywordOf(const QObject* sender) {
    if (sender != nullptr) OpenLink(helpKeyword(sender));
}

}  // namespace termora

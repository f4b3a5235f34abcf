#pragma once
// Link buttons keep their target address in a "keyword" property, as the
// program's link buttons keep it in their help keyword; a click hands the
// clicked control's keyword to OpenLink.

#include "platform/LinkOpener.h"

#include <QObject>
#include <QString>

namespace termora::support {

inline constexpr const char* kKeywordProperty = "keyword";

inline void setKeyword(QObject* control, const QString& address) { control->setProperty(kKeywordProperty, address); }
inline QString keyword(const QObject* control) { return control->property(kKeywordProperty).toString(); }

// The click handlers of link controls: open the sender's keyword.
inline void openKeywordOf(const QObject* sender) {
    if (sender != nullptr) OpenLink(keyword(sender));
}

}  // namespace termora::support

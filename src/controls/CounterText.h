#pragma once
// The counters beside the lists: "[ 12 ]", and "[ 3 / 12 ]" for the
// position of the selected entry.

#include <QString>

namespace termora {

inline QString counterText(qsizetype count) { return QStringLiteral("[ %1 ]").arg(count); }

inline QString counterText(qsizetype position, qsizetype count) {
    return QStringLiteral("[ %1 / %2 ]").arg(position).arg(count);
}

}  // namespace termora

#include "app/SelectionTerm.h"

#include <QList>

namespace termora::launch {
namespace {

bool endsLine(char32_t c) {
    return c == '\n' || c == '\r' || c == '\v' || c == '\f' || c == 0x85 || c == 0x2028 || c == 0x2029;
}

}  // namespace

QString termFromSelection(const QString& selected) {
    QString term;
    int length = 0;
    // Leading blank lines are no first line.
    const QList<uint> scalars = selected.trimmed().toUcs4();
    for (const char32_t c : scalars) {
        if (endsLine(c) || length == kMaxSelectionLength) break;
        term += QChar::category(c) == QChar::Other_Control ? QString(QLatin1Char(' ')) : QString::fromUcs4(&c, 1);
        ++length;
    }
    return term.trimmed();
}

}  // namespace termora::launch

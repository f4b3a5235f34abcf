#include "reference/ReaderOrder.h"

namespace termora::reference {

QString readerKey(const QString& name) {
    // Decomposed, an accented letter is its base letter followed by marks.
    const QString decomposed = name.normalized(QString::NormalizationForm_D);
    QString key;
    key.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.category() != QChar::Mark_NonSpacing) key.append(c);
    }
    return key.toCaseFolded();
}

int compareForReader(const QString& a, const QString& b, Qt::CaseSensitivity sensitivity) {
    if (const int byLetters = readerKey(a).compare(readerKey(b)); byLetters != 0) return byLetters;
    if (const int byAccents = a.compare(b, Qt::CaseInsensitive); byAccents != 0) return byAccents;
    return sensitivity == Qt::CaseSensitive ? a.compare(b, Qt::CaseSensitive) : 0;
}

}  // namespace termora::reference

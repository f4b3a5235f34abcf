#include "support/MoreList.h"

#include <algorithm>

namespace termora::support {
namespace {

// The digit run starting at i, without leading zeros, and where it ends.
QStringView digitRun(const QString& s, qsizetype& i) {
    while (i < s.size() && s[i] == u'0' && i + 1 < s.size() && s[i + 1].isDigit()) ++i;
    const qsizetype start = i;
    while (i < s.size() && s[i].isDigit()) ++i;
    return QStringView(s).mid(start, i - start);
}

int compareVersions(const QString& a, const QString& b) {
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            const QStringView x = digitRun(a, i);
            const QStringView y = digitRun(b, j);
            if (x.size() != y.size()) return x.size() < y.size() ? -1 : 1;
            if (const int c = x.compare(y); c != 0) return c;
            continue;
        }
        if (a[i] != b[j]) return a[i] < b[j] ? -1 : 1;
        ++i;
        ++j;
    }
    return (i < a.size()) - (j < b.size());
}

}  // namespace

void removeOwnRow(GridRows& rows, const QString& name) {
    for (qsizetype i = rows.size() - 1; i >= 0; --i) {
        if (field(rows[i], kMoreName) == name) {
            rows.removeAt(i);
            return;
        }
    }
}

bool versionLess(const QString& a, const QString& b) { return compareVersions(a, b) < 0; }

void sortByVersionDescending(GridRows& rows) {
    std::stable_sort(rows.begin(), rows.end(), [](const QStringList& x, const QStringList& y) {
        return versionLess(field(y, kMoreVersion), field(x, kMoreVersion));
    });
}

}  // namespace termora::support

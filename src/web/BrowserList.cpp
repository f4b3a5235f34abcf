#include "web/BrowserList.h"

#include "platform/TextFile.h"

#include <QLocale>

#include <algorithm>
#include <utility>
#include <vector>

namespace termora::web {

BrowserList::BrowserList() : m_order(QLocale::system()) { m_order.setCaseSensitivity(Qt::CaseInsensitive); }

BrowserList BrowserList::fromFile(const QByteArray& bytes) {
    // One stable sort over collation keys: sorting each line in by itself
    // moved the whole list for every line, quadratic in the list's length.
    BrowserList list;
    std::vector<std::pair<QCollatorSortKey, QString>> keyed;
    for (const QByteArray& line : textfile::splitLines(bytes)) {
        QString entry = QString::fromUtf8(line);
        keyed.emplace_back(list.m_order.sortKey(entry.toCaseFolded()), std::move(entry));
    }
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first.compare(b.first) < 0; });
    list.m_entries.reserve(qsizetype(keyed.size()));
    for (auto& [key, entry] : keyed) list.m_entries.append(std::move(entry));
    return list;
}

QByteArray BrowserList::toFile() const {
    QList<QByteArray> lines;
    lines.reserve(m_entries.size());
    for (const QString& entry : m_entries) lines.append(entry.toUtf8());
    return textfile::joinLinesCrLf(lines);
}

qsizetype BrowserList::indexOf(const QString& text) const {
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].compare(text, Qt::CaseInsensitive) == 0) return i;
    }
    return -1;
}

qsizetype BrowserList::insert(const QString& text) {
    const auto place = std::upper_bound(m_entries.begin(), m_entries.end(), text,
                                        [this](const QString& a, const QString& b) { return m_order.compare(a, b) < 0; });
    const qsizetype index = place - m_entries.begin();
    m_entries.insert(index, text);
    return index;
}

}  // namespace termora::web

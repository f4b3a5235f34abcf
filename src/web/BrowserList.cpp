#include "BrowserList.h"

#include "TextFile.h"

#include <QLocale>

#include <algorithm>

namespace termora::web {

BrowserList::BrowserList() : m_order(QLocale::system()) { m_order.setCaseSensitivity(Qt::CaseInsensitive); }

BrowserList BrowserList::fromFile(const QByteArray& bytes) {
    BrowserList list;
    for (const QByteArray& line : textfile::splitLines(bytes)) list.insert(QString::fromUtf8(line));
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

#pragma once
// The user's list of browser command lines, kept in the system's
// case-insensitive alphabetical order, and its file Browser.dat: one entry
// a line, every line ended by CR LF, UTF-8 like every file name here.

#include <QByteArray>
#include <QCollator>
#include <QStringList>

namespace termora::web {

class BrowserList {
public:
    BrowserList();

    // The lines of a Browser.dat (CR LF, lone CR or lone LF; an empty line is
    // an empty entry; the break after the last line adds none), sorted.
    static BrowserList fromFile(const QByteArray& bytes);
    QByteArray toFile() const;

    const QStringList& entries() const { return m_entries; }

    // Position of the entry equal to the text ignoring case, or -1.
    qsizetype indexOf(const QString& text) const;

    // Sorts the text in (also when an equal entry exists) and returns its position.
    qsizetype insert(const QString& text);

    void removeAt(qsizetype index) { m_entries.removeAt(index); }

private:
    QCollator m_order;
    QStringList m_entries;
};

}  // namespace termora::web

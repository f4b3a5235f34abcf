#pragma once
// The web browsers installed on the system: the desktop entries
// (applications/*.desktop in the XDG data directories) whose categories
// name WebBrowser. Each gives its desktop file id and its command line.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <utility>

namespace termora {

struct RegisteredBrowser {
    QString id;        // desktop file id, for example "firefox-esr.desktop"
    QString command;   // the Exec line without its field codes

    bool operator==(const RegisteredBrowser&) const = default;
};

// What a desktop entry says about itself, from its [Desktop Entry] group.
struct DesktopEntry {
    QString type;
    QStringList categories;
    QString exec;      // value escapes resolved, quotes kept
    bool hidden = false;
};

DesktopEntry parseDesktopEntry(const QByteArray& bytes);

// The Exec line without field codes (%u, %U, %f, ...): a code standing as an
// argument of its own goes with the blanks before it, "%%" becomes "%".
// Everything else, quotes and arguments included, stays as written.
QString stripFieldCodes(const QString& exec);

class BrowserCatalog {
public:
    // The XDG data directories, most important first ($XDG_DATA_HOME, then
    // $XDG_DATA_DIRS), or the given ones.
    BrowserCatalog();
    explicit BrowserCatalog(QStringList dataDirs) : m_dataDirs(std::move(dataDirs)) {}

    // Every browser entry, directory by directory and by file name within
    // one; an id found again in a later directory is shadowed by the first.
    QList<RegisteredBrowser> browsers() const;

private:
    QStringList m_dataDirs;
};

}  // namespace termora

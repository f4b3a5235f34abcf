#pragma once
// Where the dictionary pages get the dictionary they search: the built-in
// store with the user's own entries, read from the user's files (UserFiles.h)
// and shared by every window. Reading the files again makes a new
// dictionary; a page keeps the one its results point into until its next
// search.

#include "store/Dictionary.h"
#include "store/UserEntries.h"

#include <QObject>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace termora {

class DictionarySource : public QObject {
    Q_OBJECT
public:
    // The built-in store alone.
    explicit DictionarySource(const AcronymStore& builtIn, QObject* parent = nullptr);
    // The built-in store with the entries of the user's files in the folder
    // (with its trailing separator).
    DictionarySource(const AcronymStore& builtIn, std::string userFolder, QObject* parent = nullptr);

    std::shared_ptr<const Dictionary> current() const { return m_current; }

    // Reads the user's files again, so that the next search finds what was
    // added to them. Lines that cannot be loaded were told already.
    void reload();

    // The lines and files the first reading could not load, once: later
    // calls give none.
    std::vector<BadLine> takeBadLines();

signals:
    // A new dictionary is current.
    void changed();

private:
    std::vector<BadLine> load();

    const AcronymStore& m_builtIn;
    std::optional<std::string> m_userFolder;
    std::shared_ptr<const Dictionary> m_current;
    std::vector<BadLine> m_badLines;
};

}  // namespace termora

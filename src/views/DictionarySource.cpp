#include "views/DictionarySource.h"

#include "store/UserFiles.h"

#include <malloc.h>

namespace termora {

DictionarySource::DictionarySource(const AcronymStore& builtIn, QObject* parent)
    : QObject(parent), m_builtIn(builtIn), m_current(std::make_shared<const Dictionary>(builtIn)) {}

DictionarySource::DictionarySource(const AcronymStore& builtIn, std::string userFolder, QObject* parent)
    : QObject(parent), m_builtIn(builtIn), m_userFolder(std::move(userFolder)) {
    m_badLines = load();
}

void DictionarySource::reload() {
    if (!m_userFolder) return;
    load();
    emit changed();
}

std::vector<BadLine> DictionarySource::takeBadLines() { return std::exchange(m_badLines, {}); }

std::vector<BadLine> DictionarySource::load() {
    std::vector<BadLine> badLines;
    {
        UserEntries user = userfiles::load(*m_userFolder);
        m_current = std::make_shared<const Dictionary>(m_builtIn, user.entries);
        badLines = std::move(user.badLines);
    }
    // The files' bytes and the work of packing them are gone: many small
    // pieces the allocator would otherwise keep for the program's life.
    ::malloc_trim(0);
    return badLines;
}

}  // namespace termora

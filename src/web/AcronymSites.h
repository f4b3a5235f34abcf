#pragma once
// The nine acronym sites of the online search page and the addresses their
// buttons build from a search term.

#include <QString>

#include <array>

namespace termora::web {

struct AcronymSite {
    const char* button;       // object name of the site's button
    const char* urlTemplate;  // "%s" marks where the encoded term goes
    int plusMode;             // EncodeTerm modes
    int spaceMode;
};

// In the order of the buttons' tab stops.
extern const std::array<AcronymSite, 9> kAcronymSites;

// The site whose button has this object name, or nullptr.
const AcronymSite* findAcronymSite(const QString& button);

// The site's search address for the term; empty when the term is empty. The
// term is not trimmed: blanks are searched like any other text.
QString siteSearchAddress(const AcronymSite& site, const QString& term);

}  // namespace termora::web

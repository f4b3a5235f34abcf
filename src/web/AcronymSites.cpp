#include "web/AcronymSites.h"

#include "web/WebAddress.h"

namespace termora::web {

const std::array<AcronymSite, 9> kAcronymSites = {{
    {"acrAbbreviations", "http://www.abbreviations.com/%s", 0, 0},
    {"acrAcronyma", "http://www.acronyma.com/search.jsp?query=%s&language=en&st=a&btnG=Search", 1, 0},
    {"btnAcroFind", "http://www.acronymfinder.com/~/search/af.aspx?string=exact&Acronym=%s", 1, 0},
    {"acrAcronymattic", "http://www.acronymattic.com/%s.html", 1, 1},
    {"acrAcroDB", "http://www.acronymdb.com/acronym/%s", 1, 1},
    {"acrAcroGeek", "http://www.acronymgeek.com/%s", 1, 1},
    {"acrAllAcro", "http://www.allacronyms.com/%s", 1, 1},
    {"acrChemie", "http://www.chemie.de/cgi-bin/acronym?%s", 1, 1},
    {"Button9", "http://www.fullforms.com/%s", 1, 0},
}};

const AcronymSite* findAcronymSite(const QString& button) {
    for (const AcronymSite& site : kAcronymSites) {
        if (button == QLatin1String(site.button)) return &site;
    }
    return nullptr;
}

QString siteSearchAddress(const AcronymSite& site, const QString& term) {
    if (term.isEmpty()) return {};
    return FillTemplate(QLatin1String(site.urlTemplate), EncodeTerm(term, site.plusMode, site.spaceMode));
}

}  // namespace termora::web

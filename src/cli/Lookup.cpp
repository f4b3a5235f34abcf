#include "cli/Lookup.h"

#include "platform/Windows1252.h"
#include "search/LengthBuckets.h"

#include <algorithm>

namespace termora::cli {

std::vector<std::string> lookupLines(const AcronymStore& store, const LookupOptions& options,
                                     const std::string& term1252) {
    std::vector<const TSL*> hits = runSearch(store, term1252, options.method, options.sameLength);
    sortByKey(hits);
    std::vector<std::string> lines;
    for (const TSL* hit : hits) {
        if (options.length != 0 && strippedLength(hit->S) != options.length) continue;
        std::string line = cp1252::toUtf8(hit->S);
        if (!options.keysOnly) {
            std::string expansion(hit->L);
            std::replace(expansion.begin(), expansion.end(), TSL::kApostrophePlaceholder, '\'');
            line += '\t';
            line += cp1252::toUtf8(expansion);
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace termora::cli

#include "cli/Lookup.h"

#include "cli/JsonText.h"
#include "search/DictionarySearch.h"
#include "store/Meanings.h"

#include <algorithm>
#include <string>

namespace termora::cli {
namespace {

const PackedEntries& entriesOf(const LookupData& data, DictionaryHit hit) {
    return hit.own ? data.own->entries() : data.entries;
}

void appendJsonString(std::string& out, std::string_view bytes) {
    out += '"';
    appendJsonText(out, bytes);
    out += '"';
}

void printJson(const LookupData& data, const std::vector<DictionaryHit>& hits, OutputBuffer& out) {
    std::string text;
    for (const DictionaryHit hit : hits) {
        const PackedEntries& entries = entriesOf(data, hit);
        text = "{\"key\": ";
        appendJsonString(text, entries.key(hit.record));
        text += ", \"meanings\": [";
        const char* separator = "";
        for (const std::string_view meaning : splitMeanings(entries.expansion(hit.record))) {
            text += separator;
            appendJsonString(text, meaning);
            separator = ", ";
        }
        text += "]}\n";
        out.append(text);
    }
}

// Built-in hits next to each other in key order go out as one piece of the
// shown lines; the user's are converted one by one.
void printLines(const LookupData& data, bool keysOnly, const std::vector<DictionaryHit>& hits, OutputBuffer& out) {
    const std::string_view lines = keysOnly ? data.shown.keys : data.shown.lines;
    const auto starts = keysOnly ? data.shown.keyStarts : data.shown.lineStarts;
    const auto positions = data.shown.positions;
    for (std::size_t i = 0; i < hits.size();) {
        if (hits[i].own) {
            const PackedEntries& own = data.own->entries();
            std::string line = shownText(own.key(hits[i].record));
            if (!keysOnly) line.append(1, '\t').append(shownText(own.expansion(hits[i].record)));
            out.append(line.append(1, '\n'));
            ++i;
            continue;
        }
        const std::uint32_t first = positions[hits[i].record];
        std::uint32_t end = first + 1;
        for (++i; i < hits.size() && !hits[i].own && positions[hits[i].record] == end; ++i) ++end;
        out.appendLasting(lines.substr(starts[first], starts[end] - starts[first]));
    }
}

}  // namespace

std::vector<DictionaryHit> lookUp(const LookupData& data, const LookupOptions& options, std::string_view term1252) {
    std::vector<DictionaryHit> hits =
        findInKeyOrder(data.entries, data.own, term1252, options.method, options.sameLength);
    if (options.length != 0) {
        std::erase_if(hits, [&](DictionaryHit hit) {
            return entriesOf(data, hit).strippedLength(hit.record) != options.length;
        });
    }
    return hits;
}

void printHits(const LookupData& data, OutputForm form, const std::vector<DictionaryHit>& hits, OutputBuffer& out) {
    switch (form) {
        case OutputForm::Lines:
        case OutputForm::KeysOnly:
            printLines(data, form == OutputForm::KeysOnly, hits, out);
            return;
        case OutputForm::Json:
            printJson(data, hits, out);
            return;
        case OutputForm::Count:
            out.append(std::to_string(hits.size()) + "\n");
            return;
    }
}

}  // namespace termora::cli

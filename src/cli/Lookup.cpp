#include "cli/Lookup.h"

#include "cli/JsonText.h"
#include "search/EntrySearch.h"
#include "store/Meanings.h"

#include <algorithm>
#include <string>

namespace termora::cli {
namespace {

void appendJsonString(std::string& out, std::string_view bytes) {
    out += '"';
    appendJsonText(out, bytes);
    out += '"';
}

void printJson(const PackedEntries& entries, const std::vector<RecordNumber>& hits, OutputBuffer& out) {
    std::string text;
    for (const RecordNumber hit : hits) {
        text = "{\"key\": ";
        appendJsonString(text, entries.key(hit));
        text += ", \"meanings\": [";
        const char* separator = "";
        for (const std::string_view meaning : splitMeanings(entries.expansion(hit))) {
            text += separator;
            appendJsonString(text, meaning);
            separator = ", ";
        }
        text += "]}\n";
        out.append(text);
    }
}

// Hits next to each other in key order go out as one piece of the lines.
void printLines(std::string_view lines, std::span<const std::uint32_t> starts, std::span<const std::uint32_t> positions,
                const std::vector<RecordNumber>& hits, OutputBuffer& out) {
    for (std::size_t i = 0; i < hits.size();) {
        const std::uint32_t first = positions[hits[i]];
        std::uint32_t end = first + 1;
        for (++i; i < hits.size() && positions[hits[i]] == end; ++i) ++end;
        out.appendLasting(lines.substr(starts[first], starts[end] - starts[first]));
    }
}

}  // namespace

std::vector<RecordNumber> lookUp(const PackedEntries& entries, const LookupOptions& options, std::string_view term1252) {
    std::vector<RecordNumber> hits = findRecords(entries, term1252, options.method, options.sameLength);
    if (options.length != 0) {
        std::erase_if(hits, [&](RecordNumber r) { return entries.strippedLength(r) != options.length; });
    }
    sortByKey(entries, hits);
    return hits;
}

void printHits(const LookupData& data, OutputForm form, const std::vector<RecordNumber>& hits, OutputBuffer& out) {
    switch (form) {
        case OutputForm::Lines:
            printLines(data.shown.lines, data.shown.lineStarts, data.shown.positions, hits, out);
            return;
        case OutputForm::KeysOnly:
            printLines(data.shown.keys, data.shown.keyStarts, data.shown.positions, hits, out);
            return;
        case OutputForm::Json:
            printJson(data.entries, hits, out);
            return;
        case OutputForm::Count:
            out.append(std::to_string(hits.size()) + "\n");
            return;
    }
}

}  // namespace termora::cli

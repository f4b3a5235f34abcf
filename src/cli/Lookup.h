#pragma once
// The lookup itself: search, order, filter and print the hits.

#include "cli/LookupOptions.h"
#include "cli/OutputBuffer.h"
#include "store/OwnEntries.h"
#include "store/PackedEntries.h"
#include "store/ShownLines.h"

#include <string_view>
#include <vector>

namespace termora::cli {

// The dictionary a lookup reads: the built-in entries with their printed
// lines, and the user's entries beside them when there are any.
struct LookupData {
    const PackedEntries& entries;
    const ShownLines& shown;
    const OwnEntries* own = nullptr;
};

// The hits for a term already converted to Windows-1252, in the result
// list's order, of the chosen length only.
std::vector<DictionaryHit> lookUp(const LookupData& data, const LookupOptions& options, std::string_view term1252);

// Puts the answer for hits in key order into the output: a line per hit in
// the chosen form (UTF-8), or the line with their number. The output may
// keep pieces of the shown lines until it is flushed.
void printHits(const LookupData& data, OutputForm form, const std::vector<DictionaryHit>& hits, OutputBuffer& out);

}  // namespace termora::cli

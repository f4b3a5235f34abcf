#pragma once
// Command-line options of termora-lookup, parsed without side effects so the
// rules can be tested on their own.

#include "search/SearchMethod.h"

#include <optional>
#include <string>
#include <vector>

namespace termora::cli {

// What is printed for the hits of a term.
enum class OutputForm {
    Lines,     // key, tab, expansion
    KeysOnly,  // the key
    Count,     // the number of hits alone
    Json,      // {"key": ..., "meanings": [...]}
};

struct LookupOptions {
    SearchMethod method = SearchMethod::Exact;
    bool sameLength = true;
    int length = 0;  // 0 = every stripped length
    OutputForm form = OutputForm::Lines;
    bool help = false;
    bool termsFromInput = false;  // TERM "-": one term per line of standard input
    bool userEntries = true;      // the user's own entries besides the built-in ones
    std::string term;             // UTF-8, as given
};

// The options, or a one-line usage error in error.
struct ParseResult {
    std::optional<LookupOptions> options;
    std::string error;
};

ParseResult parseLookupArguments(const std::vector<std::string>& args);

extern const char* const kLookupUsage;

}  // namespace termora::cli

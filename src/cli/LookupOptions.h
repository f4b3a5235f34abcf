#pragma once
// Command-line options of termora-lookup, parsed without side effects so the
// rules can be tested on their own.

#include "search/SearchRun.h"

#include <optional>
#include <string>
#include <vector>

namespace termora::cli {

struct LookupOptions {
    SearchMethod method = SearchMethod::Exact;
    bool sameLength = true;
    int length = 0;  // 0 = every stripped length
    bool keysOnly = false;
    bool help = false;
    std::string term;  // UTF-8, as given
};

// The options, or a one-line usage error in error.
struct ParseResult {
    std::optional<LookupOptions> options;
    std::string error;
};

ParseResult parseLookupArguments(const std::vector<std::string>& args);

extern const char* const kLookupUsage;

}  // namespace termora::cli

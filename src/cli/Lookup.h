#pragma once
// The lookup itself: search, order, filter and format the hits.

#include "cli/LookupOptions.h"
#include "store/AcronymStore.h"

#include <string>
#include <vector>

namespace termora::cli {

// The output lines (UTF-8, without line ends) for a term already converted
// to Windows-1252.
std::vector<std::string> lookupLines(const AcronymStore& store, const LookupOptions& options,
                                     const std::string& term1252);

}  // namespace termora::cli

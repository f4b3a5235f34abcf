#pragma once
// The files that hold the user's own entries, read as they are and never
// written: New.txt of the add-entry tool first, then every file of the
// folder dictionaries/ beside it in the order of their names (byte order),
// leaving out hidden files (".name"), backups ("name~") and folders. A file
// is read only when it is a regular file (a link to one included) of at most
// kFileLimit bytes, never waited on.

#include "store/UserEntries.h"

#include <cstddef>
#include <string>

namespace termora::userfiles {

// Far above any real list (100 000 entries take about 5 MB): a larger file
// is reported, not read.
constexpr std::size_t kFileLimit = 64 * 1024 * 1024;

// The entries of the files in the user's data folder (with its trailing
// separator) and the lines and files that could not be loaded. Without
// New.txt and dictionaries/ nothing is reported.
UserEntries load(const std::string& folder);

}  // namespace termora::userfiles

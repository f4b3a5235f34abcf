#pragma once
// A user's dictionary file of the given number of lines, made up the same
// way every time: keys of two to eight letters and digits (so that some are
// built-in keys and some come twice), one to three meanings of made-up
// words; nine lines in ten KEY<TAB>MEANING in UTF-8, every tenth a record
// line in Windows-1252.

#include <string>

namespace termora::bench {

std::string generatedUserEntries(int lines);

// Writes such a file into dictionaries/ of the user's data folder (of the
// process's own environment) and returns that folder.
std::string writeGeneratedUserEntries(int lines);

}  // namespace termora::bench

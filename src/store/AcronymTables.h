#pragma once
// The compiled-in dictionary: the packed entries of 27 tables (A to Z, then
// other initials), generated at build time from data/acronyms.txt.

#include "store/PackedEntries.h"

namespace termora::data {

extern const PackedEntries kAcronymEntries;

}  // namespace termora::data

#pragma once
// The compiled-in dictionary: 27 constant tables (A to Z, then other
// initials), generated at build time from data/acronyms.txt.

#include "store/RecordLine.h"
#include "store/TSL.h"

#include <array>
#include <span>

namespace termora::data {

extern const std::array<std::span<const TSL>, kLetterBucketCount> kAcronymTables;

}  // namespace termora::data

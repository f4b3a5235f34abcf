#pragma once
// A small store holding the keys the dictionary's rules are explained with,
// so that each rule can be checked against exact expectations.

#include "store/AcronymStore.h"

namespace termora::fixture {

// Tables A to Z and other initials; records in a deliberate, unsorted order.
const AcronymStore& store();

// Expansion of the fixture key "XII": twelve numbered meanings.
extern const char* const kTwelveMeanings;

}  // namespace termora::fixture

#pragma once
// One dictionary entry: the key as listed (with its case suffix when it has
// one) and the expansion text. Both point at constant data of the program.

#include <string_view>

namespace termora {

struct TSL {
    std::string_view S;  // key, Windows-1252
    std::string_view L;  // expansion, Windows-1252, zero-terminated in storage

    // Inside expansions an apostrophe is stored as this byte.
    static constexpr char kApostrophePlaceholder = '\x02';
};

}  // namespace termora

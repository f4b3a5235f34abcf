#pragma once
// The four search methods and the text that lists the whole dictionary.

#include <string_view>

namespace termora {

enum class SearchMethod { Exact, Related, ContainingText, Anagram };

inline constexpr std::string_view kFullListingCode = "27041995";

}  // namespace termora

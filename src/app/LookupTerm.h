#pragma once
// The rule a term must keep to be looked up in the window: well-formed
// UTF-8, at most kMaxTermLength characters, no control characters (the
// search box holds one line). The command line and the hand-over to a
// running Termora both check it.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace termora::launch {

inline constexpr std::size_t kMaxTermLength = 256;

// Why the term cannot be looked up, as the end of a sentence about it
// ("is not valid UTF-8"), or nothing when it can.
std::optional<std::string> termProblem(std::string_view utf8);

}  // namespace termora::launch

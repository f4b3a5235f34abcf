#pragma once
// The meanings of an expansion text, as the record rules number them.

#include <string_view>
#include <vector>

namespace termora {

// A text that opens with a meaning marker ("<1> ") holds one meaning after
// each marker; a marker ("<", a number, ">", a blank) follows the meaning
// before it after one blank. Any other text is one meaning. The markers are
// not part of the meanings.
std::vector<std::string_view> splitMeanings(std::string_view expansion);

// True when the text opens with a meaning marker, so that it numbers its
// meanings.
bool opensWithMarker(std::string_view expansion);

}  // namespace termora

#pragma once
// The user's data folder of this program, found from the environment alone
// (plain C++, so that termora-lookup finds it without Qt).

#include <string>

namespace termora::paths {

// $XDG_DATA_HOME/termora/, or ~/.local/share/termora/ when that variable is
// unset, empty or not an absolute path; with a trailing separator.
std::string userDataFolder();

}  // namespace termora::paths

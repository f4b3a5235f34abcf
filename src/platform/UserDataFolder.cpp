#include "platform/UserDataFolder.h"

#include <cstdlib>

namespace termora::paths {
namespace {

std::string variable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::string(value) : std::string();
}

std::string withSeparator(std::string folder) {
    if (!folder.ends_with('/')) folder += '/';
    return folder;
}

}  // namespace

std::string userDataFolder() {
    // A relative folder would depend on where the program was started.
    std::string dataHome = variable("XDG_DATA_HOME");
    if (!dataHome.starts_with('/')) dataHome = withSeparator(variable("HOME")) + ".local/share";
    return withSeparator(dataHome) + "termora/";
}

}  // namespace termora::paths

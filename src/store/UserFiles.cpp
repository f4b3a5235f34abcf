#include "store/UserFiles.h"

#include "platform/FileDescriptor.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>

#include <dirent.h>

namespace termora::userfiles {
namespace {

std::string systemText(int code) { return std::strerror(code); }

// Adds the file's entries, or the one reason it cannot be read. New.txt may
// be missing; among the dictionaries a folder (a link to one, or one the
// listing could not tell from a file) is passed over like the folders listed.
void readFile(UserEntries& into, const std::string& path, bool isNewTxt) {
    std::string bytes;
    const posixio::ReadOutcome outcome = posixio::readRegularFile(path.c_str(), kFileLimit, bytes);
    if (outcome.ok()) {
        addUserFile(into, path, bytes);
    } else if (outcome.notRegular) {
        into.badLines.push_back({path, 0, "not a regular file"});
    } else if (outcome.code == EFBIG) {
        into.badLines.push_back({path, 0, "larger than " + std::to_string(kFileLimit >> 20) + " MiB"});
    } else if (!(isNewTxt ? outcome.code == ENOENT : outcome.code == EISDIR)) {
        into.badLines.push_back({path, 0, "cannot be read: " + systemText(outcome.code)});
    }
}

// The names of the files in the folder, sorted; a folder that is missing has none.
std::vector<std::string> fileNamesIn(const std::string& folder, UserEntries& into) {
    std::vector<std::string> names;
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), ::closedir);
    if (!dir) {
        if (errno != ENOENT) into.badLines.push_back({folder, 0, "cannot be read: " + systemText(errno)});
        return names;
    }
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string_view name = entry->d_name;
        if (name.starts_with('.') || name.ends_with('~') || entry->d_type == DT_DIR) continue;
        names.emplace_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

UserEntries load(const std::string& folder) {
    UserEntries loaded;
    readFile(loaded, folder + "New.txt", true);
    const std::string dictionaries = folder + "dictionaries/";
    for (const std::string& name : fileNamesIn(dictionaries, loaded)) readFile(loaded, dictionaries + name, false);
    return loaded;
}

}  // namespace termora::userfiles

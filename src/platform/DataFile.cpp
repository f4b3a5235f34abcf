#include "platform/DataFile.h"

#include "platform/FileDescriptor.h"

#include <cstring>
#include <limits>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

namespace termora::datafile {

std::string readWhole(const std::string& path) {
    const auto fail = [&](const std::string& reason) { return DataFileError(path + ": " + reason); };
    const posixio::FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!file.isOpen()) throw fail(std::string("cannot open: ") + std::strerror(errno));
    struct stat info {};
    if (::fstat(file.get(), &info) != 0) throw fail(std::strerror(errno));
    if (S_ISDIR(info.st_mode)) throw fail("is a folder, not a data file");
    if (!S_ISREG(info.st_mode)) throw fail("not a regular file");
    std::string text;
    if (const int code = posixio::readAll(file.get(), std::numeric_limits<std::size_t>::max(), text); code != 0)
        throw fail(std::string("cannot read: ") + std::strerror(code));
    return text;
}

bool startsWithByteOrderMark(std::string_view text) { return text.starts_with("\xEF\xBB\xBF"); }

}  // namespace termora::datafile

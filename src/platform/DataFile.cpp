#include "DataFile.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace termora::datafile {

std::string readWhole(const std::string& path) {
    const auto fail = [&](const std::string& reason) { return DataFileError(path + ": " + reason); };
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) throw fail(std::string("cannot open: ") + std::strerror(errno));
    struct stat info {};
    std::string reason;
    std::string text;
    if (::fstat(fd, &info) != 0) {
        reason = std::strerror(errno);
    } else if (S_ISDIR(info.st_mode)) {
        reason = "is a folder, not a data file";
    } else if (!S_ISREG(info.st_mode)) {
        reason = "not a regular file";
    } else {
        char buffer[64 * 1024];
        for (;;) {
            const ssize_t got = ::read(fd, buffer, sizeof buffer);
            if (got < 0 && errno == EINTR) continue;
            if (got < 0) reason = std::string("cannot read: ") + std::strerror(errno);
            if (got <= 0) break;
            text.append(buffer, std::size_t(got));
        }
    }
    ::close(fd);
    if (!reason.empty()) throw fail(reason);
    return text;
}

bool startsWithByteOrderMark(std::string_view text) { return text.starts_with("\xEF\xBB\xBF"); }

}  // namespace termora::datafile

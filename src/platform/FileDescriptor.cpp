#include "platform/FileDescriptor.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace termora::posixio {

FileDescriptor::~FileDescriptor() {
    if (m_fd >= 0) ::close(m_fd);
}

int FileDescriptor::close() {
    const int fd = m_fd;
    m_fd = -1;
    // On Linux the descriptor is gone even when close reports EINTR.
    return ::close(fd) == 0 || errno == EINTR ? 0 : errno;
}

int writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written < 0) return errno;
        if (written == 0) return EIO;
        bytes.remove_prefix(std::size_t(written));
    }
    return 0;
}

int readAll(int fd, std::size_t maxBytes, std::string& bytes) {
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return errno;
        if (got == 0) return 0;
        if (bytes.size() + std::size_t(got) > maxBytes) return EFBIG;
        bytes.append(buffer, std::size_t(got));
    }
}

ReadOutcome readRegularFile(const char* path, std::size_t maxBytes, std::string& bytes) {
    bytes.clear();
    // Without O_NONBLOCK, opening a fifo waits for a writer that never comes.
    const FileDescriptor file(::open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (!file.isOpen()) return {errno, false};
    struct stat info {};
    if (::fstat(file.get(), &info) != 0) return {errno, false};
    if (S_ISDIR(info.st_mode)) return {EISDIR, false};
    if (!S_ISREG(info.st_mode)) return {0, true};
    if (info.st_size < 0 || static_cast<std::size_t>(info.st_size) > maxBytes) return {EFBIG, false};
    // The size may change while reading: read to the end, but never past the bound.
    bytes.reserve(static_cast<std::size_t>(info.st_size));
    return {readAll(file.get(), maxBytes, bytes), false};
}

}  // namespace termora::posixio

#pragma once
// Whole-file reading and writing on POSIX descriptors, for the readers and
// writers that must neither block nor lose a failure. Failures are errno
// codes, so that messages can quote the system's own text.

#include <cstddef>
#include <string>
#include <string_view>

namespace termora::posixio {

// Owns a descriptor (or -1) and closes it at the end, unless close() did.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor();
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int get() const { return m_fd; }
    bool isOpen() const { return m_fd >= 0; }
    // Closes now: 0, or the errno of the close, where a delayed write error
    // of some file systems shows.
    int close();

private:
    int m_fd;
};

// Writes all bytes: 0, or the errno of the failing write.
int writeAll(int fd, std::string_view bytes);

// Appends what is left to read: 0, the errno of the failing read, or EFBIG
// as soon as more than maxBytes would be read in all.
int readAll(int fd, std::size_t maxBytes, std::string& bytes);

// How reading a whole file ended: code 0, or the errno of the failure;
// notRegular when the path holds a fifo, a device or a socket (a folder
// gives EISDIR).
struct ReadOutcome {
    int code = 0;
    bool notRegular = false;
    bool ok() const { return code == 0 && !notRegular; }
};

// Reads a whole regular file of at most maxBytes into bytes (replacing what
// they held) without ever waiting: the file is opened non-blocking and read
// only when it is a regular file; a larger one gives EFBIG. Links are
// followed.
ReadOutcome readRegularFile(const char* path, std::size_t maxBytes, std::string& bytes);

}  // namespace termora::posixio

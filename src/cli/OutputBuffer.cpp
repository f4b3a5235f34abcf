#include "cli/OutputBuffer.h"

#include "platform/FileDescriptor.h"

#include <cerrno>
#include <climits>
#include <cstring>

#include <unistd.h>

namespace termora::cli {
namespace {

constexpr std::size_t kMostPieces = IOV_MAX;

// Writes all pieces, going on after a partial write: 0 or the errno.
int writeAllPieces(int fd, iovec* pieces, std::size_t count) {
    while (count > 0) {
        const ssize_t written = ::writev(fd, pieces, static_cast<int>(count));
        if (written < 0 && errno == EINTR) continue;
        if (written < 0) return errno;
        if (written == 0) return EIO;
        for (auto left = static_cast<std::size_t>(written); left > 0 && count > 0;) {
            const std::size_t taken = left < pieces->iov_len ? left : pieces->iov_len;
            pieces->iov_base = static_cast<char*>(pieces->iov_base) + taken;
            pieces->iov_len -= taken;
            left -= taken;
            if (pieces->iov_len == 0) {
                ++pieces;
                --count;
            }
        }
    }
    return 0;
}

}  // namespace

OutputBuffer::OutputBuffer(int fd, std::size_t capacity)
    : m_fd(fd), m_buffer(std::make_unique<char[]>(capacity)), m_capacity(capacity) {
    m_pieces.reserve(kMostPieces);
}

void OutputBuffer::appendLasting(std::string_view bytes) {
    if (!bytes.empty()) addPiece(bytes.data(), bytes.size());
}

void OutputBuffer::append(std::string_view bytes) {
    if (m_used + bytes.size() > m_capacity) flush();
    if (bytes.size() > m_capacity) {
        if (m_error == 0) m_error = posixio::writeAll(m_fd, bytes);
        return;
    }
    if (bytes.empty()) return;
    char* const at = m_buffer.get() + m_used;
    std::memcpy(at, bytes.data(), bytes.size());
    m_used += bytes.size();
    addPiece(at, bytes.size());
}

void OutputBuffer::addPiece(const char* bytes, std::size_t size) {
    if (!m_pieces.empty()) {
        iovec& last = m_pieces.back();
        if (static_cast<const char*>(last.iov_base) + last.iov_len == bytes) {
            last.iov_len += size;
            return;
        }
    }
    // The bytes stay unchanged while they wait; the write only reads them.
    m_pieces.push_back(iovec{const_cast<char*>(bytes), size});
    if (m_pieces.size() == kMostPieces) flush();
}

int OutputBuffer::flush() {
    if (m_error == 0) m_error = writeAllPieces(m_fd, m_pieces.data(), m_pieces.size());
    m_pieces.clear();
    m_used = 0;
    return m_error;
}

}  // namespace termora::cli

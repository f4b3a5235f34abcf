#pragma once
// Output gathered into one write: pieces of the compiled-in lines are
// written from where they lie, other text is copied into a buffer of fixed
// size, and everything goes out in one gathering write when the buffer or
// the list of pieces is full and when flushed. A long answer thus neither
// grows memory nor costs a write per line. After a failed write nothing
// more is written and the failure is kept.

#include <sys/uio.h>

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

namespace termora::cli {

class OutputBuffer {
public:
    explicit OutputBuffer(int fd, std::size_t capacity = 16 * 1024);

    // Bytes that stay where they are until they are written.
    void appendLasting(std::string_view bytes);
    // Bytes copied now.
    void append(std::string_view bytes);
    // Writes everything: 0, or the errno of the first failed write.
    int flush();

private:
    void addPiece(const char* bytes, std::size_t size);

    int m_fd;
    std::unique_ptr<char[]> m_buffer;
    std::size_t m_capacity;
    std::size_t m_used = 0;
    std::vector<iovec> m_pieces;
    int m_error = 0;
};

}  // namespace termora::cli

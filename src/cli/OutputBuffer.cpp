#include "OutputBuffer.h"

#include "FileDescriptor.h"

namespace termora::cli {

OutputBuffer::OutputBuffer(int fd, std::size_t threshold) : m_fd(fd), m_threshold(threshold) {
    // Room for a last line beyond the threshold, so that the buffer is
    // allocated once and its memory touched only as far as it is used.
    m_text.reserve(threshold + 8 * 1024);
}

void OutputBuffer::append(std::string_view bytes) {
    if (m_text.size() + bytes.size() < m_threshold) {
        m_text.append(bytes);
        return;
    }
    flush();
    if (bytes.size() >= m_threshold) {
        write(bytes);
    } else {
        m_text.append(bytes);
    }
}

int OutputBuffer::flush() {
    write(m_text);
    m_text.clear();
    return m_error;
}

void OutputBuffer::write(std::string_view bytes) {
    if (m_error == 0) m_error = posixio::writeAll(m_fd, bytes);
}

}  // namespace termora::cli

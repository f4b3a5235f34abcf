#pragma once
// Output through one buffer of bounded size: what piles up is written once
// it passes a threshold and when flushed, and a piece as large as the
// threshold goes out as it is, so a long answer neither grows the buffer nor
// costs a write per line. After a failed write nothing more is written and
// the failure is kept.

#include <cstddef>
#include <string>
#include <string_view>

namespace termora::cli {

class OutputBuffer {
public:
    explicit OutputBuffer(int fd, std::size_t threshold = 32 * 1024);

    void append(std::string_view bytes);
    // For text made in place; flushIfFull() after it keeps the bound.
    std::string& text() { return m_text; }
    void flushIfFull() {
        if (m_text.size() >= m_threshold) flush();
    }
    // Writes everything: 0, or the errno of the first failed write.
    int flush();

private:
    void write(std::string_view bytes);

    int m_fd;
    std::size_t m_threshold;
    std::string m_text;
    int m_error = 0;
};

}  // namespace termora::cli

#pragma once
// Finding a pattern of bytes in a long text at the speed of memory: sixteen
// positions at a time are tested for the pattern's first and last byte, and
// only where both agree are the bytes between compared.

#include <cstddef>
#include <string_view>

namespace termora {

class ByteFinder {
public:
    // The pattern must outlive the finder.
    explicit ByteFinder(std::string_view pattern);

    // Position of the first occurrence of the pattern in text at or after
    // from, or std::string_view::npos. An empty pattern occurs at from.
    std::size_t find(std::string_view text, std::size_t from) const;

    // Sixteen bytes as one value: the compiler turns the operations on it
    // into vector instructions (SSE2 on x86-64, NEON on ARM).
    using Block = unsigned char __attribute__((vector_size(16)));

private:
    std::string_view m_pattern;
    Block m_firsts;
    Block m_lasts;
};

}  // namespace termora

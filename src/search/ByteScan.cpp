#include "search/ByteScan.h"

#include <bit>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace termora {
namespace {

using Block = ByteFinder::Block;
using Mask = signed char __attribute__((vector_size(16)));
constexpr std::size_t kWidth = sizeof(Block);

Block load(const char* bytes) {
    Block block;
    std::memcpy(&block, bytes, sizeof block);
    return block;
}

Block filled(char c) {
    Block block;
    for (std::size_t i = 0; i < kWidth; ++i) block[i] = static_cast<unsigned char>(c);
    return block;
}

// The lanes set in a comparison mask as bits 0 to 15, lane 0 lowest.
unsigned lanesOf(Mask mask) {
#if defined(__SSE2__)
    return static_cast<unsigned>(_mm_movemask_epi8(std::bit_cast<__m128i>(mask)));
#else
    unsigned lanes = 0;
    for (unsigned lane = 0; lane < kWidth; ++lane) lanes |= mask[lane] != 0 ? 1u << lane : 0u;
    return lanes;
#endif
}

}  // namespace

ByteFinder::ByteFinder(std::string_view pattern)
    : m_pattern(pattern),
      m_firsts(filled(pattern.empty() ? '\0' : pattern.front())),
      m_lasts(filled(pattern.empty() ? '\0' : pattern.back())) {}

std::size_t ByteFinder::find(std::string_view text, std::size_t from) const {
    const std::size_t k = m_pattern.size();
    if (k > text.size() || from > text.size() - k) return std::string_view::npos;
    if (k == 0) return from;
    const std::size_t lastStart = text.size() - k;
    const char* const s = text.data();
    // The first and last byte are tested by the filter, the middle ones here.
    const auto middleAgrees = [&](std::size_t at) {
        return k <= 2 || std::memcmp(s + at + 1, m_pattern.data() + 1, k - 2) == 0;
    };
    std::size_t i = from;
    for (; i + kWidth - 1 <= lastStart; i += kWidth) {
        const Mask candidates = (load(s + i) == m_firsts) & (load(s + i + k - 1) == m_lasts);
        for (unsigned lanes = lanesOf(candidates); lanes != 0; lanes &= lanes - 1) {
            const std::size_t at = i + static_cast<std::size_t>(std::countr_zero(lanes));
            if (middleAgrees(at)) return at;
        }
    }
    for (; i <= lastStart; ++i) {
        if (s[i] == m_pattern.front() && s[i + k - 1] == m_pattern.back() && middleAgrees(i)) return i;
    }
    return std::string_view::npos;
}

}  // namespace termora

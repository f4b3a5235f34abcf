#pragma once
// The keys of the last search grouped by stripped length: bucket 0 holds all
// of them, bucket n (1 to 19) those whose stripped key has n characters.

#include <array>
#include <span>
#include <string_view>
#include <vector>

namespace termora {

class LengthBuckets {
public:
    static constexpr int kCount = 20;

    // Empties every bucket, then groups keys (in their given order).
    void rebuild(std::span<const std::string_view> keys);
    void clear();

    const std::vector<std::string_view>& bucket(int n) const { return m_buckets.at(static_cast<std::size_t>(n)); }
    bool isEmpty(int n) const { return bucket(n).empty(); }

private:
    std::array<std::vector<std::string_view>, kCount> m_buckets;
};

// Length of StripKey(key).
int strippedLength(std::string_view key);

}  // namespace termora

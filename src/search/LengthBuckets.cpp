#include "search/LengthBuckets.h"

#include "store/KeyRules.h"

#include <stdexcept>
#include <string>

namespace termora {

void LengthBuckets::clear() {
    for (auto& b : m_buckets) b.clear();
}

void LengthBuckets::rebuild(std::span<const std::string_view> keys) {
    clear();
    m_buckets[0].assign(keys.begin(), keys.end());
    for (std::string_view key : keys) {
        const int length = strippedLength(key);
        // The data rules keep stripped lengths within 1..19; the build rejects
        // anything else, so a key out of range here is a broken store.
        if (length < 1 || length >= kCount) {
            throw std::out_of_range("Key \"" + std::string(key) + "\" has no length bucket");
        }
        m_buckets[static_cast<std::size_t>(length)].push_back(key);
    }
}

int strippedLength(std::string_view key) { return static_cast<int>(StripKey(key).size()); }

}  // namespace termora

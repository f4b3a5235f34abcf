#pragma once
// A partition point found from a place near it: the hits of a scan and the
// keys of a sorted list, asked for in order, each stand close to the last.

#include <algorithm>
#include <cstddef>

namespace termora {

// The first index in [from, size) for which before(index) is false, or
// size; before must hold for every index up to some point and for none
// after it. The steps from `from` double until one passes the point, then
// the last stretch is halved: a few steps when the point is near.
template <typename Before>
std::size_t gallopingPartitionPoint(std::size_t from, std::size_t size, Before before) {
    std::size_t low = from;
    std::size_t step = 1;
    while (low + step <= size && before(low + step - 1)) {
        low += step;
        step *= 2;
    }
    std::size_t high = std::min(low + step, size);
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        if (before(middle)) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    return low;
}

}  // namespace termora

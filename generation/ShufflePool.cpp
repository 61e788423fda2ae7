#include "generation/ShufflePool.h"

#include <chrono>
#include <random>
#include <utility>

namespace {

// std::uniform_int_distribution differs between standard libraries; this draw does not, so a fixed
// seed reproduces a run anywhere.
std::uint64_t DrawBelow(std::mt19937_64& generator, std::uint64_t bound) {
    const std::uint64_t limit = UINT64_MAX - UINT64_MAX % bound;
    std::uint64_t value;
    do {
        value = generator();
    } while (value >= limit);
    return value % bound;
}

}  // namespace

void ShufflePool(std::vector<std::string>& entries, std::uint64_t seed) {
    std::mt19937_64 generator(seed);
    const size_t n = entries.size();
    for (size_t i = 0; i + 1 < n; ++i) {
        size_t j = i + static_cast<size_t>(DrawBelow(generator, n - i));
        std::swap(entries[i], entries[j]);
    }
}

std::uint64_t ClockSeed() {
    return static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

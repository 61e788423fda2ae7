#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Permutes the entries in place, every order equally likely: a[i] is exchanged with a[j], j drawn
// uniformly from i .. n. Each call seeds its own generator with seed, so the same seed always
// gives the same order on every platform.
void ShufflePool(std::vector<std::string>& entries, std::uint64_t seed);

// The seed a run uses when none is fixed: the current time, as fine as the clock gives it.
std::uint64_t ClockSeed();

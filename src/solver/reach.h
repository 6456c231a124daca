#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace solver {

// Whether each whole number from lo to hi is reached exactly by the six numbers
// (any of them, each at most once, +, -, x, exact /, every step positive and whole).
// Element i stands for lo + i. numbers: the first six are read, each a number the board can give.
// 1 <= lo <= hi <= 32767.
//
// The same answer as the complete search's nearestReach(numbers, t).distance == 0 for
// every t in the range, in a fraction of the time: the game asks it for a whole range
// of targets at once (the board of the day takes one of them).
std::vector<bool> reachableTargets(std::span<const std::int32_t> numbers, std::int32_t lo,
                                   std::int32_t hi);

} // namespace solver

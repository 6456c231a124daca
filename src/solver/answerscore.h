#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace solver {

// The points of an answer, measured against the best the six numbers could
// do rather than against the target alone: a target nothing reaches costs the
// player nothing when the answer is as near as one can get.

struct BestPossible
{
    // The target when the numbers reach it, else the nearest value they
    // reach; the lower one when one below and one above are as near.
    std::int64_t value = 0;
    std::int64_t distance = 0; // from the target
    // One simplest way to value in the game's notation: fewest numbers, then
    // the shortest text (the complete search's first answer to value).
    std::string way;
    std::vector<std::int64_t> values; // value, or the one below and the one above
};

// numbers: six numbers the board can give; target: 1 or more.
BestPossible bestPossible(std::span<const std::int32_t> numbers, std::int64_t target);

// 10 for an answer as near the target as the best possible value, one less
// for each unit further away than that, never below 0.
int pointsFor(std::int64_t distance, std::int64_t bestDistance);

} // namespace solver

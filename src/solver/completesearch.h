#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace solver {

// The complete search: every distinct way the six numbers reach the target,
// or, when none does, the nearest value(s) one can reach and every way to
// them. A second engine beside the game's search, which it neither uses nor
// changes.

struct CompleteAnswer
{
    std::string text; // the game's notation, without outer parentheses
    std::int64_t value = 0;
    int numbersUsed = 0;
};

struct CompleteResult
{
    bool exact = false;
    std::vector<std::int64_t> nearest; // {target} when exact; else one or two values
    std::int64_t distance = 0;
    // Simplest first: fewest numbers, then the shorter text, then the text.
    std::vector<CompleteAnswer> answers;
};

// The nearest value(s) alone, with answers left empty. numbers: six numbers
// the board can give (only the first six are read); target: 1 or more.
CompleteResult nearestReach(std::span<const std::int32_t> numbers, std::int64_t target);

// The nearest value(s) and every distinct answer reaching them.
CompleteResult completeSearch(std::span<const std::int32_t> numbers, std::int64_t target);

// The summary line under the answers: "N distinct answers." or "No exact
// answer: the nearest is V (D away), N ways." (two values joined by " or ").
std::string completeSummary(const CompleteResult &result);

// "V" or "V1 or V2".
std::string nearestText(const CompleteResult &result);

} // namespace solver

#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace solver {

// The board hides 1 to 10 twice each and 25, 50, 75 and 100 once each. Six
// numbers it can give keep every value of the search within 32 bits, so the
// search and the command line both check a selection against it.

// How many tiles of the board hide the value: 2 for 1 to 10, 1 for 25, 50, 75
// and 100, 0 for any other value.
int boardTilesWith(std::int32_t value);

// Empty when the six numbers are a selection the board can give; otherwise one
// sentence naming the first problem found.
std::string boardSelectionProblem(std::span<const std::int32_t> numbers);

inline bool isBoardSelection(std::span<const std::int32_t> numbers)
{
    return boardSelectionProblem(numbers).empty();
}

} // namespace solver

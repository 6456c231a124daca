#include "boardselection.h"

#include <array>

namespace solver {

int boardTilesWith(std::int32_t value)
{
    if (value >= 1 && value <= 10)
        return 2;
    if (value == 25 || value == 50 || value == 75 || value == 100)
        return 1;
    return 0;
}

std::string boardSelectionProblem(std::span<const std::int32_t> numbers)
{
    if (numbers.size() != 6)
        return "expected six numbers, got " + std::to_string(numbers.size());
    std::array<int, 101> seen{};
    for (const std::int32_t value : numbers) {
        const int tiles = boardTilesWith(value);
        if (tiles == 0) {
            return std::to_string(value) +
                   " is not a number of the board (it has 1 to 10, 25, 50, 75 and 100)";
        }
        if (++seen[static_cast<std::size_t>(value)] > tiles) {
            return std::to_string(value) + " is chosen more often than the board has it (" +
                   (tiles == 2 ? "twice" : "once") + ")";
        }
    }
    return {};
}

} // namespace solver

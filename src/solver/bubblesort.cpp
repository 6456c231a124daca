#include "bubblesort.h"

#include <utility>

namespace solver {

void BubbleSort(std::span<std::int32_t> values)
{
    // Equal values are never exchanged: only a strictly smaller value moves down.
    const std::size_t count = values.size();
    for (std::size_t i = 0; i + 1 < count; ++i) {
        for (std::size_t j = i + 1; j < count; ++j) {
            if (values[i] < values[j])
                std::swap(values[i], values[j]);
        }
    }
}

} // namespace solver

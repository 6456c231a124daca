#pragma once

#include <cstdint>
#include <span>

namespace solver {

// Sorts in place, largest first. Both callers of the search sort the six
// numbers with it, so the search always sees them in this order.
void BubbleSort(std::span<std::int32_t> values);

} // namespace solver

#include "answerscore.h"

#include "completesearch.h"

#include <algorithm>

namespace solver {

namespace {

constexpr int kMostPoints = 10;

} // namespace

BestPossible bestPossible(std::span<const std::int32_t> numbers, std::int64_t target)
{
    // The complete search lists every answer, which takes well under a
    // millisecond on a typical board (bench_points); its list is already in
    // the order "simplest" means here.
    CompleteResult result = completeSearch(numbers, target);
    BestPossible best;
    best.values = std::move(result.nearest);
    best.value = *std::min_element(best.values.begin(), best.values.end());
    best.distance = result.distance;
    // With two nearest values the first answer may reach the higher one.
    const auto first = std::find_if(result.answers.begin(), result.answers.end(),
                                    [&](const CompleteAnswer &a) { return a.value == best.value; });
    if (first != result.answers.end())
        best.way = std::move(first->text);
    return best;
}

int pointsFor(std::int64_t distance, std::int64_t bestDistance)
{
    if (distance <= bestDistance)
        return kMostPoints;
    // Both distances are 0 or more, so the difference cannot overflow.
    const std::int64_t further = distance - bestDistance;
    return further >= kMostPoints ? 0 : kMostPoints - static_cast<int>(further);
}

} // namespace solver

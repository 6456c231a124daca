#include "solver/completesearch.h"

#include "solver/answerbuilder.h"
#include "solver/subsetvalues.h"

#include <algorithm>
#include <bit>

namespace solver {

namespace {

CompleteResult nearestOf(const SubsetValues &values, std::int64_t target)
{
    const SubsetValues::Nearest nearest = values.nearest(target);
    CompleteResult result;
    result.exact = nearest.distance == 0;
    result.distance = nearest.distance;
    result.nearest = nearest.values;
    return result;
}

} // namespace

CompleteResult nearestReach(std::span<const std::int32_t> numbers, std::int64_t target)
{
    return nearestOf(SubsetValues(numbers), target);
}

CompleteResult completeSearch(std::span<const std::int32_t> numbers, std::int64_t target)
{
    const SubsetValues values(numbers);
    CompleteResult result = nearestOf(values, target);
    AnswerBuilder builder(values);
    for (const std::int64_t value : result.nearest) {
        // One mask per set of numbers: another copy of an equal number gives
        // the same answers again.
        for (unsigned mask = 1; mask <= SubsetValues::kFullMask; ++mask) {
            if (values.representative(mask) != mask)
                continue;
            for (CanonicalExpr &expr : builder.build(mask, value)) {
                result.answers.push_back(
                    {std::move(expr.text), expr.value, std::popcount(expr.mask)});
            }
        }
    }
    std::sort(result.answers.begin(), result.answers.end(),
              [](const CompleteAnswer &a, const CompleteAnswer &b) {
                  if (a.numbersUsed != b.numbersUsed)
                      return a.numbersUsed < b.numbersUsed;
                  if (a.text.size() != b.text.size())
                      return a.text.size() < b.text.size();
                  return a.text < b.text;
              });
    return result;
}

std::string nearestText(const CompleteResult &result)
{
    std::string text;
    for (const std::int64_t value : result.nearest)
        text += (text.empty() ? "" : " or ") + std::to_string(value);
    return text;
}

std::string completeSummary(const CompleteResult &result)
{
    const std::string count = std::to_string(result.answers.size());
    if (result.exact)
        return count + " distinct answers.";
    return "No exact answer: the nearest is " + nearestText(result) + " (" +
           std::to_string(result.distance) + " away), " + count + " ways.";
}

} // namespace solver

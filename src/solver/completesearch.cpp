#include "completesearch.h"

#include "answerbuilder.h"
#include "subsetvalues.h"

#include <algorithm>
#include <bit>

namespace solver {

namespace {

enum class Ways { All, AnyOne };

// The values are those of every expression, pointless steps included: a value
// counts only once an answer without one is found, so each candidate is built
// before it is taken, the next nearest tried when none of its answers stands.
// (Leaving out a pointless step reaches the same value with fewer numbers, so
// this is a safeguard: no value should ever be passed over.)
CompleteResult search(std::span<const std::int32_t> numbers, std::int64_t target, Ways ways)
{
    const SubsetValues values(numbers);
    AnswerBuilder builder(values);
    std::vector<std::int64_t> excluded;
    CompleteResult result;
    while (result.nearest.empty()) {
        const SubsetValues::Nearest nearest = values.nearest(target, excluded);
        result.distance = nearest.distance;
        for (const std::int64_t value : nearest.values) {
            bool found = false;
            // One mask per set of numbers: another copy of an equal number
            // gives the same answers again.
            for (unsigned mask = 1; mask <= SubsetValues::kFullMask; ++mask) {
                if (values.representative(mask) != mask || (found && ways == Ways::AnyOne))
                    continue;
                for (CanonicalExpr &expr : builder.build(mask, value)) {
                    found = true;
                    if (ways == Ways::All) {
                        result.answers.push_back(
                            {std::move(expr.text), expr.value, std::popcount(expr.mask)});
                    }
                }
            }
            if (found) {
                result.nearest.push_back(value);
            } else {
                excluded.insert(std::upper_bound(excluded.begin(), excluded.end(), value), value);
            }
        }
    }
    result.exact = result.distance == 0;
    return result;
}

} // namespace

CompleteResult nearestReach(std::span<const std::int32_t> numbers, std::int64_t target)
{
    return search(numbers, target, Ways::AnyOne);
}

CompleteResult completeSearch(std::span<const std::int32_t> numbers, std::int64_t target)
{
    CompleteResult result = search(numbers, target, Ways::All);
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
    const std::size_t count = result.answers.size();
    const std::string counted = std::to_string(count);
    if (result.exact)
        return counted + (count == 1 ? " distinct answer." : " distinct answers.");
    return "No exact answer: the nearest is " + nearestText(result) + " (" +
           std::to_string(result.distance) + " away), " + counted +
           (count == 1 ? " way." : " ways.");
}

} // namespace solver

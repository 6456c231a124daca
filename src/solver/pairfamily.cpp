#include "pairfamily.h"

namespace solver {

namespace {

// One operation of an entry with a small number of the board, dividing
// through the number's precomputed exact divisor.
inline OpResult combineWithNumber(std::int32_t value, std::int32_t number, int op,
                                  const ExactDivisor &divisor)
{
    if (op != OpDivide)
        return combine(value, number, op);
    if (number == 1)
        return {};
    if (const std::uint32_t q = divisor.quotient(static_cast<std::uint32_t>(value)))
        return {static_cast<std::int32_t>(q), false};
    if (value < number && value != 1 && number % value == 0)
        return {number / value, true};
    return {};
}

} // namespace

int PairFamily::makePairs(std::int32_t a, std::int32_t b, std::array<PairResult, 4> &out)
{
    int size = 0;
    for (int op = OpAdd; op <= OpDivide; ++op) {
        const OpResult result = combine(a, b, op);
        if (result.value != 0)
            out[static_cast<std::size_t>(size++)] = {result.value, static_cast<std::uint8_t>(op),
                                                     result.swapped};
    }
    return size;
}

PairFamily::HitFilter PairFamily::hitFilter(std::int64_t n, std::int32_t target)
{
    HitFilter filter;
    filter.values.fill(-1);
    // Every accepted result is positive, so a target below 1 is never reached.
    if (target < 1)
        return filter;
    filter.values = {target - n, target + n,
                     n - target, target % n == 0 ? target / n : -1,
                     target * n, n % target == 0 ? n / target : -1};
    return filter;
}

void PairFamily::evaluate(const Numbers &split, SearchContext &context)
{
    split_ = split;
    const std::int32_t target = context.target;
    std::array<PairResult, 4> firstPairs;
    std::array<PairResult, 4> secondPairs;
    const int firstCount = makePairs(split[0], split[1], firstPairs);
    const int secondCount = makePairs(split[2], split[3], secondPairs);
    first_ = firstPairs;
    second_ = secondPairs;

    int combinedCount = 0;
    for (int x = 0; x < firstCount; ++x) {
        for (int y = 0; y < secondCount; ++y) {
            for (int op = OpAdd; op <= OpDivide; ++op) {
                const OpResult result = combine(firstPairs[static_cast<std::size_t>(x)].value,
                                                secondPairs[static_cast<std::size_t>(y)].value, op);
                if (result.value == 0)
                    continue;
                combined_[static_cast<std::size_t>(combinedCount++)] = {
                    result.value, static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y),
                    static_cast<std::uint8_t>(op), result.swapped};
                if (result.value == target) {
                    std::string text = combinationText(combinedCount - 1);
                    context.hit(text);
                }
            }
        }
    }

    const std::int32_t e = split[4];
    const std::int32_t f = split[5];
    const ExactDivisor divideByE(static_cast<std::uint32_t>(e));
    const ExactDivisor divideByF(static_cast<std::uint32_t>(f));
    const HitFilter thenF = hitFilter(f, target);
    const HitFilter thenE = hitFilter(e, target);
    std::array<HitFilter, 5> byRest;
    for (int op = OpAdd; op <= OpDivide; ++op) {
        const OpResult result = combine(e, f, op);
        rest_[static_cast<std::size_t>(op - 1)] = {result.value, static_cast<std::uint8_t>(op),
                                                   result.swapped};
        byRest[static_cast<std::size_t>(op)] = result.value != 0
                                                   ? hitFilter(result.value, target)
                                                   : HitFilter{{-1, -1, -1, -1, -1, -1}};
    }

    // The first combination, the sum of the two pair sums, is not extended.
    for (int z = 1; z < combinedCount; ++z) {
        const std::int32_t value = combined_[static_cast<std::size_t>(z)].value;
        for (int op = OpAdd; op <= OpDivide; ++op) {
            // A first step that already reaches the target is neither listed
            // nor extended.
            const OpResult withE = combineWithNumber(value, e, op, divideByE);
            if (withE.value != 0 && withE.value != target && thenF.matches(withE.value))
                [[unlikely]]
                extendStepwise(z, op, withE, e, f, context);
            const OpResult withF = combineWithNumber(value, f, op, divideByF);
            if (withF.value != 0 && withF.value != target && thenE.matches(withF.value))
                [[unlikely]]
                extendStepwise(z, op, withF, f, e, context);
            const PairResult &rest = rest_[static_cast<std::size_t>(op - 1)];
            if (rest.value != 0 && byRest[static_cast<std::size_t>(op)].matches(value)) [[unlikely]]
                extendByPair(z, op, rest, context);
        }
        context.count += 12;
        context.reportProgress();
        if (!context.yieldAndCheck())
            return;
    }
}

void PairFamily::extendStepwise(int z, int op, const OpResult &firstStep, std::int32_t firstNumber,
                                std::int32_t secondNumber, SearchContext &context) const
{
    for (int op2 = OpAdd; op2 <= OpDivide; ++op2) {
        if (op2 == op)
            continue;
        const OpResult second = combine(firstStep.value, secondNumber, op2);
        if (second.value == 0 || second.value != context.target)
            continue;
        std::string firstText;
        appendOpText(firstText, combinationText(z), std::to_string(firstNumber), op,
                     firstStep.swapped);
        std::string text;
        appendOpText(text, firstText, std::to_string(secondNumber), op2, second.swapped);
        context.hit(text);
    }
}

void PairFamily::extendByPair(int z, int op, const PairResult &pair, SearchContext &context) const
{
    const std::int32_t value = combined_[static_cast<std::size_t>(z)].value;
    for (int op2 = OpAdd; op2 <= OpDivide; ++op2) {
        if (op2 == op)
            continue;
        const OpResult second = combine(value, pair.value, op2);
        if (second.value == 0 || second.value != context.target)
            continue;
        std::string text;
        appendOpText(text, combinationText(z), pairText(pair, split_[4], split_[5]), op2,
                     second.swapped);
        context.hit(text);
    }
}

std::string PairFamily::pairText(const PairResult &pair, std::int32_t left,
                                 std::int32_t right) const
{
    std::string text;
    appendOpText(text, std::to_string(left), std::to_string(right), pair.op, pair.swapped);
    return text;
}

std::string PairFamily::combinationText(int index) const
{
    const Combination &entry = combined_[static_cast<std::size_t>(index)];
    std::string text;
    appendOpText(text, pairText(first_[entry.left], split_[0], split_[1]),
                 pairText(second_[entry.right], split_[2], split_[3]), entry.op, entry.swapped);
    return text;
}

} // namespace solver

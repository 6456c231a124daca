#include "chainfamily.h"

#include "lastlevel.h"

#include <algorithm>

namespace solver {

void ChainFamily::reset()
{
    size_ = 1;
    levelEnd_.fill(0);
    lastArrangement_.fill(0);
    hasPrevious_ = false;
}

void ChainFamily::evaluate(const Numbers &arrangement, SearchContext &context)
{
    arrangement_ = arrangement;
    values_[0] = arrangement[0];
    int first = 0;
    int last = 0;
    int start = 1;
    if (hasPrevious_) {
        // Reuse every level before the first position that differs from the
        // previous arrangement (the pair itself never differs).
        int position = 2;
        while (position <= 5 && lastArrangement_[static_cast<std::size_t>(position)] ==
                                    arrangement[static_cast<std::size_t>(position)])
            ++position;
        // Only three equal numbers, which the board cannot give, repeat an
        // arrangement; it would find exactly what the previous one found.
        if (position > 5)
            return;
        start = position;
        first = levelEnd_[static_cast<std::size_t>(position - 2)] + 1;
        last = levelEnd_[static_cast<std::size_t>(position - 1)];
        size_ = last + 1;
    }
    for (int level = start; level <= 5; ++level) {
        if (level < 5)
            extendLevel(level, first, last, context);
        else
            finishLastLevel(first, last, context);
        context.reportProgress();
        if (!context.yieldAndCheck())
            return;
        first = last + 1;
        last = size_ - 1;
        levelEnd_[static_cast<std::size_t>(level)] = last;
    }
    lastArrangement_ = arrangement;
    hasPrevious_ = true;
}

void ChainFamily::extendLevel(int level, int first, int last, SearchContext &context)
{
    const std::int32_t number = arrangement_[static_cast<std::size_t>(level)];
    const std::int32_t target = context.target;
    const ExactDivisor divisor(static_cast<std::uint32_t>(number));
    const SmallDivisors &smallDivisors = smallDivisorsOf(number);
    const int notOne = number != 1 ? 1 : 0;
    const int begin = size_;
    int size = size_;
    bool maybeHit = false;
    // Every operation writes its slot; only an accepted one moves the end on,
    // so the loop has no branches to mispredict (the arrays have room for the
    // slots written past the end).
    for (int c = first; c <= last; ++c) {
        const std::int32_t value = values_[static_cast<std::size_t>(c)];
        const auto link = static_cast<std::uint16_t>(c << 3);
        const std::int32_t sum = value + number;
        const std::int32_t difference = value > number ? value - number : number - value;
        const std::int32_t product = value * number;
        const auto exact =
            static_cast<std::int32_t>(divisor.quotient(static_cast<std::uint32_t>(value)));
        const bool dividesNumber = smallDivisors.divides(value);
        const std::int32_t quotient = dividesNumber ? number / value : exact;

        values_[static_cast<std::size_t>(size)] = sum;
        links_[static_cast<std::size_t>(size)] = link;
        ++size;
        values_[static_cast<std::size_t>(size)] = difference;
        links_[static_cast<std::size_t>(size)] =
            static_cast<std::uint16_t>(link | (OpSubtract - 1) << 1 | (value < number ? 1 : 0));
        size += value != number;
        values_[static_cast<std::size_t>(size)] = product;
        links_[static_cast<std::size_t>(size)] =
            static_cast<std::uint16_t>(link | (OpMultiply - 1) << 1);
        size += (value != 1) & notOne;
        values_[static_cast<std::size_t>(size)] = quotient;
        links_[static_cast<std::size_t>(size)] =
            static_cast<std::uint16_t>(link | (OpDivide - 1) << 1 | (dividesNumber ? 1 : 0));
        size += ((exact != 0) | dividesNumber) & notOne;

        maybeHit |=
            (sum == target) | (difference == target) | (product == target) | (quotient == target);
    }
    context.count += size - begin;
    size_ = size;
    if (maybeHit) [[unlikely]] {
        // The kept entries are in the order found, so this lists hits in order.
        for (int index = begin; index < size; ++index) {
            if (values_[static_cast<std::size_t>(index)] == target)
                reportHit(index, level, context);
        }
    }
}

void ChainFamily::finishLastLevel(int first, int last, SearchContext &context)
{
    const std::int32_t number = arrangement_[5];
    const std::int32_t target = context.target;
    const std::array<std::int32_t, 6> hitValues = lastLevelHitValues(number, target);
    const LastLevelTally tally =
        tallyLastLevel(values_.data() + first, last - first + 1, number, hitValues);
    context.count += tally.accepted;
    if (!tally.maybeHit) [[likely]]
        return;
    // Rare: list the hits in the order the entries and operations give them.
    for (int c = first; c <= last; ++c) {
        const std::int32_t value = values_[static_cast<std::size_t>(c)];
        if (std::find(hitValues.begin(), hitValues.end(), value) == hitValues.end())
            continue;
        for (int op = OpAdd; op <= OpDivide; ++op) {
            const OpResult result = combine(value, number, op);
            if (result.value != 0 && result.value == target) {
                std::string left;
                appendText(left, c, 4);
                std::string text;
                appendOpText(text, left, std::to_string(number), op, result.swapped);
                context.hit(text);
            }
        }
    }
}

void ChainFamily::reportHit(int index, int level, SearchContext &context) const
{
    std::string text;
    appendText(text, index, level);
    context.hit(text);
}

void ChainFamily::appendText(std::string &out, int index, int level) const
{
    if (level == 0) {
        out += std::to_string(arrangement_[0]);
        return;
    }
    const std::uint16_t link = links_[static_cast<std::size_t>(index)];
    std::string left;
    appendText(left, link >> 3, level - 1);
    appendOpText(out, left, std::to_string(arrangement_[static_cast<std::size_t>(level)]),
                 ((link >> 1) & 3) + 1, (link & 1) != 0);
}

} // namespace solver

#include "subsetvalues.h"

#include <algorithm>
#include <bit>

namespace solver {

namespace {

std::int64_t ceilDiv(std::int64_t a, std::int64_t b)
{
    return (a + b - 1) / b;
}

// Calls visit for every element of sorted in [lo, hi].
template <typename Visit>
void forRange(const std::vector<std::int32_t> &sorted, std::int64_t lo, std::int64_t hi,
              Visit &&visit)
{
    if (lo > hi)
        return;
    auto it = std::lower_bound(sorted.begin(), sorted.end(), lo,
                               [](std::int32_t v, std::int64_t x) { return v < x; });
    for (; it != sorted.end() && *it <= hi; ++it)
        visit(std::int64_t(*it));
}

} // namespace

SubsetValues::SubsetValues(std::span<const std::int32_t> numbers)
{
    std::copy_n(numbers.begin(), kNumbers, numbers_.begin());
    for (unsigned mask = 1; mask <= kFullMask; ++mask) {
        std::vector<std::int32_t> held;
        for (int i = 0; i < kNumbers; ++i) {
            if (mask & (1u << i))
                held.push_back(numbers_[std::size_t(i)]);
        }
        std::sort(held.begin(), held.end());
        representative_[mask] = mask;
        for (unsigned earlier = 1; earlier < mask; ++earlier) {
            if (std::popcount(earlier) != std::popcount(mask) ||
                representative_[earlier] != earlier)
                continue;
            std::vector<std::int32_t> other;
            for (int i = 0; i < kNumbers; ++i) {
                if (earlier & (1u << i))
                    other.push_back(numbers_[std::size_t(i)]);
            }
            std::sort(other.begin(), other.end());
            if (other == held) {
                representative_[mask] = earlier;
                break;
            }
        }
    }
    // Smaller subsets first: every split of a mask is then ready.
    for (int size = 1; size <= kLargestStored; ++size) {
        for (unsigned mask = 1; mask < kFullMask; ++mask) {
            if (std::popcount(mask) != size)
                continue;
            if (representative_[mask] != mask)
                values_[mask] = values_[representative_[mask]];
            else
                fill(mask);
        }
    }
}

void SubsetValues::fill(unsigned mask)
{
    std::vector<std::int32_t> &out = values_[mask];
    if (std::has_single_bit(mask)) {
        out.push_back(numbers_[std::size_t(std::countr_zero(mask))]);
        return;
    }
    // Each split once: the part with the lowest position on the left. A step
    // by 1 (times or divided) is left out: it reaches nothing new.
    const unsigned low = mask & (~mask + 1);
    for (unsigned left = (mask - 1) & mask; left; left = (left - 1) & mask) {
        if (!(left & low))
            continue;
        for (const std::int64_t a : values_[left]) {
            for (const std::int64_t b : values_[mask ^ left]) {
                out.push_back(std::int32_t(a + b));
                if (a != b)
                    out.push_back(std::int32_t(a > b ? a - b : b - a));
                if (a != 1 && b != 1) {
                    out.push_back(std::int32_t(a * b));
                    if (a % b == 0)
                        out.push_back(std::int32_t(a / b));
                    else if (b % a == 0)
                        out.push_back(std::int32_t(b / a));
                }
            }
        }
    }
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
}

bool SubsetValues::reaches(unsigned mask, std::int64_t value) const
{
    if (stored(mask)) {
        const std::vector<std::int32_t> &v = values_[mask];
        return value > 0 && value <= INT32_MAX && std::binary_search(v.begin(), v.end(), value);
    }
    bool found = false;
    scan(mask, value, value, [&found](std::int64_t) { found = true; });
    return found;
}

bool SubsetValues::stored(unsigned mask)
{
    return std::popcount(mask) <= kLargestStored;
}

// Calls visit(a op b) for every value of mask in [lo, hi] that some split of
// mask gives (a value may come more than once). Each split is walked from a
// stored side, the smaller one where both are: for each value a there, the
// values b of the other side that land in [lo, hi] form one range per
// operation, which scanLarge walks.
template <typename Visit, typename ScanLarge>
void SubsetValues::scanSplits(unsigned mask, std::int64_t lo, std::int64_t hi, Visit &&visit,
                              ScanLarge &&scanLarge) const
{
    lo = std::max<std::int64_t>(lo, 1);
    if (lo > hi)
        return;
    const unsigned low = mask & (~mask + 1);
    for (unsigned left = (mask - 1) & mask; left; left = (left - 1) & mask) {
        if (!(left & low))
            continue;
        unsigned small = left;
        unsigned large = mask ^ left;
        if (!stored(small) || (stored(large) && values_[large].size() < values_[small].size()))
            std::swap(small, large);
        for (const std::int64_t a : values_[small]) {
            scanLarge(large, lo - a, hi - a, [&](std::int64_t b) { visit(a + b); });
            scanLarge(large, a - hi, a - lo, [&](std::int64_t b) { visit(a - b); });
            scanLarge(large, lo + a, hi + a, [&](std::int64_t b) { visit(b - a); });
            if (a == 1)
                continue;
            scanLarge(large, std::max<std::int64_t>(2, ceilDiv(lo, a)), hi / a,
                      [&](std::int64_t b) { visit(a * b); });
            scanLarge(large, std::max<std::int64_t>(2, ceilDiv(a, hi)), a / lo,
                      [&](std::int64_t b) {
                          if (a % b == 0)
                              visit(a / b);
                      });
            scanLarge(large, lo * a, hi * a, [&](std::int64_t b) {
                if (b % a == 0)
                    visit(b / a);
            });
        }
    }
}

// Calls visit for the values of mask in [lo, hi], each at least once.
template <typename Visit>
void SubsetValues::scan(unsigned mask, std::int64_t lo, std::int64_t hi, Visit &&visit) const
{
    const auto scanStored = [this](unsigned m, std::int64_t l, std::int64_t h, auto &&v) {
        forRange(values_[m], l, h, v);
    };
    if (stored(mask)) {
        scanStored(mask, lo, hi, visit);
        return;
    }
    // Five numbers split into stored parts only; six may leave five on one side.
    scanSplits(mask, lo, hi, visit,
               [this, &scanStored](unsigned m, std::int64_t l, std::int64_t h, auto &&v) {
                   if (stored(m))
                       scanStored(m, l, h, v);
                   else
                       scanSplits(m, l, h, v, scanStored);
               });
}

SubsetValues::Nearest SubsetValues::nearest(std::int64_t target,
                                            const std::vector<std::int64_t> &excluded) const
{
    std::int64_t best = INT64_MAX / 4;
    bool below = false;
    bool above = false;
    const auto isExcluded = [&excluded](std::int64_t value) {
        return std::binary_search(excluded.begin(), excluded.end(), value);
    };
    const auto visit = [&](std::int64_t value) {
        if (isExcluded(value))
            return;
        const std::int64_t distance = value > target ? value - target : target - value;
        if (distance > best)
            return;
        if (distance < best) {
            best = distance;
            below = above = false;
        }
        (value < target ? below : above) = true;
    };
    for (unsigned mask = 1; mask < kFullMask; ++mask) {
        if (representative_[mask] != mask || !stored(mask))
            continue;
        const std::vector<std::int32_t> &v = values_[mask];
        const auto at = std::lower_bound(v.begin(), v.end(), target,
                                         [](std::int32_t x, std::int64_t t) { return x < t; });
        auto up = at;
        while (up != v.end() && isExcluded(*up))
            ++up;
        if (up != v.end())
            visit(*up);
        auto down = at;
        while (down != v.begin() && isExcluded(*std::prev(down)))
            --down;
        if (down != v.begin())
            visit(*std::prev(down));
    }
    // The window only narrows from here, so the larger subsets are scanned
    // within it, and hardly anything lies inside.
    for (unsigned mask = 1; mask <= kFullMask; ++mask) {
        if (representative_[mask] == mask && !stored(mask))
            scan(mask, target - best, target + best, visit);
    }

    Nearest result;
    result.distance = best;
    if (below)
        result.values.push_back(target - best);
    if (above)
        result.values.push_back(target + best);
    return result;
}

} // namespace solver

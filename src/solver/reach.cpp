#include "reach.h"

#include <algorithm>
#include <array>
#include <bit>

namespace solver {

namespace {

constexpr int kNumbers = 6;
constexpr unsigned kAll = (1u << kNumbers) - 1;

// Values below this are told apart by a bitset as they are made; the few above
// it (products of the large numbers) are kept even when they repeat, which
// costs a little work later and changes no result.
constexpr std::int64_t kSeenLimit = 1 << 16;

// A plain bitset of a size chosen at run time, with one spare word at the end
// so that a shift may read one word past the last bit.
class Bits
{
public:
    explicit Bits(std::int64_t bits)
        : words_(std::size_t(bits / 64 + 2), 0)
    {}
    void set(std::int64_t i) { words_[std::size_t(i >> 6)] |= std::uint64_t(1) << (i & 63); }
    void reset(std::int64_t i) { words_[std::size_t(i >> 6)] &= ~(std::uint64_t(1) << (i & 63)); }
    bool test(std::int64_t i) const { return (words_[std::size_t(i >> 6)] >> (i & 63)) & 1; }
    void clear() { std::fill(words_.begin(), words_.end(), 0); }
    std::size_t words() const { return words_.size(); }
    std::uint64_t word(std::size_t i) const { return i < words_.size() ? words_[i] : 0; }
    std::uint64_t &word(std::size_t i) { return words_[i]; }

private:
    std::vector<std::uint64_t> words_;
};

// dst[v] |= src[v + shift] for every word of dst (shift may be negative).
void orShifted(Bits &dst, const Bits &src, std::int64_t shift)
{
    const std::int64_t wordShift = shift >= 0 ? shift / 64 : -((-shift + 63) / 64);
    const unsigned bitShift = unsigned(shift - wordShift * 64);
    for (std::size_t i = 0; i < dst.words(); ++i) {
        const std::int64_t from = std::int64_t(i) + wordShift;
        const std::uint64_t lowWord = from >= 0 ? src.word(std::size_t(from)) : 0;
        const std::uint64_t highWord = from + 1 >= 0 ? src.word(std::size_t(from + 1)) : 0;
        dst.word(i) |= bitShift ? (lowWord >> bitShift) | (highWord << (64 - bitShift)) : lowWord;
    }
}

// The values of the subsets of up to four numbers, all of them (a division or
// a difference at a later step can bring a large one back down), in one
// arena. The numbers are sorted, so equal numbers sit side by side and a
// subset shares the values of the one that takes the first copies of its
// equal numbers (its representative).
class SmallSets
{
public:
    explicit SmallSets(const std::array<std::int32_t, kNumbers> &numbers)
        : numbers_(numbers)
        , seen_(kSeenLimit)
    {
        for (unsigned mask = 0; mask <= kAll; ++mask) {
            unsigned rep = 0;
            for (int start = 0; start < kNumbers;) {
                int end = start + 1;
                while (end < kNumbers && numbers_[std::size_t(end)] == numbers_[std::size_t(start)])
                    ++end;
                const unsigned run = ((1u << end) - 1) & ~((1u << start) - 1);
                rep |= ((1u << std::popcount(mask & run)) - 1) << start;
                start = end;
            }
            rep_[mask] = rep;
        }
        arena_.reserve(4096);
        for (int size = 1; size <= 4; ++size) {
            for (unsigned mask = 1; mask < kAll; ++mask) {
                if (std::popcount(mask) == size && rep_[mask] == mask)
                    fill(mask);
            }
        }
    }

    unsigned rep(unsigned mask) const { return rep_[mask]; }
    bool canonical(unsigned mask) const { return rep_[mask] == mask; }
    std::int32_t number(int position) const { return numbers_[std::size_t(position)]; }
    const std::int32_t *begin(unsigned mask) const { return arena_.data() + begin_[rep_[mask]]; }
    const std::int32_t *end(unsigned mask) const { return arena_.data() + end_[rep_[mask]]; }

private:
    void add(std::int64_t value)
    {
        if (value < kSeenLimit) {
            if (seen_.test(value))
                return;
            seen_.set(value);
        }
        arena_.push_back(std::int32_t(value));
    }

    // Every split once, the part with the lowest position on the left. A step
    // by 1 (times or divided) is left out: the same value comes from the
    // other part alone, a smaller subset, which is counted on its own.
    void fill(unsigned mask)
    {
        begin_[mask] = arena_.size();
        if (std::has_single_bit(mask)) {
            arena_.push_back(numbers_[std::size_t(std::countr_zero(mask))]);
            end_[mask] = arena_.size();
            return;
        }
        const unsigned low = mask & (~mask + 1);
        for (unsigned left = (mask - 1) & mask; left; left = (left - 1) & mask) {
            if (!(left & low))
                continue;
            const unsigned a = rep_[left];
            const unsigned b = rep_[mask ^ left];
            for (std::size_t i = begin_[a]; i < end_[a]; ++i) {
                const std::int64_t x = arena_[i];
                for (std::size_t j = begin_[b]; j < end_[b]; ++j) {
                    const std::int64_t y = arena_[j];
                    add(x + y);
                    if (x != y)
                        add(x > y ? x - y : y - x);
                    if (x == 1 || y == 1)
                        continue;
                    add(x * y);
                    if (x >= y ? x % y == 0 : y % x == 0)
                        add(x >= y ? x / y : y / x);
                }
            }
        }
        end_[mask] = arena_.size();
        for (std::size_t i = begin_[mask]; i < end_[mask]; ++i) {
            if (arena_[i] < kSeenLimit)
                seen_.reset(arena_[i]);
        }
    }

    std::array<std::int32_t, kNumbers> numbers_;
    std::array<unsigned, kAll + 1> rep_{};
    std::array<std::size_t, kAll + 1> begin_{};
    std::array<std::size_t, kAll + 1> end_{};
    std::vector<std::int32_t> arena_;
    Bits seen_;
};

} // namespace

// A value v from lo to hi comes from some subset; the subsets of up to four
// numbers are listed whole. For the larger ones only the values that can lead
// to such a v are kept:
// - a set of five, with the sixth number n left over, is needed up to hi + n
//   (for v = b + n, b - n, n - b, b x n, n / b, or b itself) and, above that,
//   only at the multiples b = v x n (for v = b / n);
// - the set of six only from lo to hi, where a sum or product needs both parts
//   at most hi, a difference a - b needs a = v + b and a quotient a = v x b.
// The values of five come from their splits into stored parts, those of six
// from its splits into 2 + 4 and 3 + 3 stored parts and 1 + 5, the last one
// whole bitsets at a time.
std::vector<bool> reachableTargets(std::span<const std::int32_t> numbers, std::int32_t lo,
                                   std::int32_t hi)
{
    std::array<std::int32_t, kNumbers> sorted{};
    std::copy_n(numbers.begin(), kNumbers, sorted.begin());
    std::sort(sorted.begin(), sorted.end());
    const SmallSets small(sorted);

    Bits reached(hi); // index v, 0..hi; those below lo are never read
    const auto reach = [&reached, hi](std::int64_t v) {
        if (v <= hi)
            reached.set(v);
    };
    for (unsigned mask = 1; mask < kAll; ++mask) {
        if (std::popcount(mask) > 4 || !small.canonical(mask))
            continue;
        for (const std::int32_t *v = small.begin(mask); v != small.end(mask); ++v)
            reach(*v);
    }

    // The sets of five: below (index b, 0..hi + n) and multiples (index v:
    // v x n is a value).
    const std::int32_t largest = sorted.back();
    Bits below(std::int64_t(hi) + largest + 64);
    Bits multiples(hi);
    for (int out = 0; out < kNumbers; ++out) {
        const unsigned five = kAll ^ (1u << out);
        if (!small.canonical(five))
            continue;
        const std::int64_t n = small.number(out);
        const std::int64_t window = std::int64_t(hi) + n;
        const std::int64_t multipleLo = std::int64_t(lo) * n;
        const std::int64_t multipleHi = std::int64_t(hi) * n;
        below.clear();
        multiples.clear();
        const auto keep = [&](std::int64_t b) {
            if (b <= window)
                below.set(b);
            if (n > 1 && b >= multipleLo && b <= multipleHi && b % n == 0)
                multiples.set(b / n);
        };
        const unsigned low = five & (~five + 1);
        for (unsigned left = (five - 1) & five; left; left = (left - 1) & five) {
            if (!(left & low))
                continue;
            const unsigned right = five ^ left;
            for (const std::int32_t *xp = small.begin(left); xp != small.end(left); ++xp) {
                const std::int64_t x = *xp;
                for (const std::int32_t *yp = small.begin(right); yp != small.end(right); ++yp) {
                    const std::int64_t y = *yp;
                    keep(x + y);
                    if (x != y)
                        keep(x > y ? x - y : y - x);
                    if (x == 1 || y == 1)
                        continue;
                    keep(x * y);
                    if (x >= y ? x % y == 0 : y % x == 0)
                        keep(x >= y ? x / y : y / x);
                }
            }
        }
        // The five alone, b + n, b - n, then the rest one value at a time.
        orShifted(reached, below, 0);
        orShifted(reached, below, -n);
        orShifted(reached, below, n);
        for (std::int64_t b = 1; b < n; ++b) {
            if (below.test(b))
                reach(n - b);
        }
        if (n > 1) {
            for (std::int64_t b = 2; b * n <= hi; ++b) {
                if (below.test(b))
                    reach(b * n);
            }
            for (std::int64_t b = 2; b <= n; ++b) {
                if (n % b == 0 && below.test(b))
                    reach(n / b);
            }
            orShifted(reached, multiples, 0);
        }
    }

    // The splits of six into 2 + 4 and 3 + 3: both sides listed whole.
    for (unsigned left = 1; left < kAll; ++left) {
        const int size = std::popcount(left);
        if ((size != 2 && size != 3) || !small.canonical(left))
            continue;
        const unsigned right = kAll ^ left;
        if (size == 3 && small.canonical(right) && right < left)
            continue; // the same split, met from its other side
        for (const std::int32_t *xp = small.begin(left); xp != small.end(left); ++xp) {
            const std::int64_t x = *xp;
            for (const std::int32_t *yp = small.begin(right); yp != small.end(right); ++yp) {
                const std::int64_t y = *yp;
                const std::int64_t big = std::max(x, y);
                const std::int64_t little = std::min(x, y);
                reach(x + y);
                if (big != little)
                    reach(big - little);
                if (little == 1)
                    continue;
                if (x * y <= hi)
                    reached.set(x * y);
                if (big <= std::int64_t(hi) * little && big % little == 0)
                    reached.set(big / little);
            }
        }
    }

    std::vector<bool> out(std::size_t(hi - lo + 1));
    for (std::int32_t v = lo; v <= hi; ++v)
        out[std::size_t(v - lo)] = reached.test(v);
    return out;
}

} // namespace solver

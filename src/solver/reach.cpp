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

// How many numbers each subset holds, worked out once: without a popcount
// instruction in the target's baseline std::popcount is a library call.
constexpr std::array<int, kAll + 1> kSizes = [] {
    std::array<int, kAll + 1> sizes{};
    for (unsigned mask = 0; mask <= kAll; ++mask)
        sizes[mask] = std::popcount(mask);
    return sizes;
}();

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
    // Clears bits 0 to last and whatever shares their words.
    void clearTo(std::int64_t last)
    {
        std::fill_n(words_.begin(), std::min(words_.size(), std::size_t(last / 64 + 1)), 0);
    }
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
                rep |= ((1u << kSizes[mask & run]) - 1) << start;
                start = end;
            }
            rep_[mask] = rep;
        }
        arena_.reserve(4096);
        for (int size = 1; size <= 4; ++size) {
            for (unsigned mask = 1; mask < kAll; ++mask) {
                if (kSizes[mask] == size && rep_[mask] == mask)
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
    // Every split once, the part with the lowest position on the left. A step
    // by 1 (times or divided) is left out: the same value comes from the
    // other part alone, a smaller subset, which is counted on its own. The
    // arena grows first by the most this can make (four values a pair), so
    // the values go in through a plain pointer.
    void fill(unsigned mask)
    {
        const std::size_t first = arena_.size();
        begin_[mask] = first;
        if (std::has_single_bit(mask)) {
            arena_.push_back(numbers_[std::size_t(std::countr_zero(mask))]);
            end_[mask] = arena_.size();
            return;
        }
        const unsigned low = mask & (~mask + 1);
        std::size_t most = 0;
        for (unsigned left = (mask - 1) & mask; left; left = (left - 1) & mask) {
            if (left & low)
                most += 4 * count(left) * count(mask ^ left);
        }
        arena_.resize(first + most);
        std::int32_t *const base = arena_.data();
        std::int32_t *out = base + first;
        const auto add = [&](std::int64_t value) {
            if (value < kSeenLimit) {
                if (seen_.test(value))
                    return;
                seen_.set(value);
            }
            *out++ = std::int32_t(value);
        };
        for (unsigned left = (mask - 1) & mask; left; left = (left - 1) & mask) {
            if (!(left & low))
                continue;
            const unsigned a = rep_[left];
            const unsigned b = rep_[mask ^ left];
            for (const std::int32_t *xp = base + begin_[a]; xp != base + end_[a]; ++xp) {
                const std::int64_t x = *xp;
                for (const std::int32_t *yp = base + begin_[b]; yp != base + end_[b]; ++yp) {
                    const std::int64_t y = *yp;
                    const std::int64_t big = std::max(x, y);
                    const std::int64_t little = std::min(x, y);
                    add(x + y);
                    if (big != little)
                        add(big - little);
                    if (little == 1)
                        continue;
                    add(x * y);
                    if (std::uint32_t(big) % std::uint32_t(little) == 0)
                        add(big / little);
                }
            }
        }
        end_[mask] = std::size_t(out - base);
        arena_.resize(end_[mask]);
        for (std::size_t i = first; i < end_[mask]; ++i) {
            if (arena_[i] < kSeenLimit)
                seen_.reset(arena_[i]);
        }
    }

    std::size_t count(unsigned mask) const { return end_[rep_[mask]] - begin_[rep_[mask]]; }

    std::array<std::int32_t, kNumbers> numbers_;
    std::array<unsigned, kAll + 1> rep_{};
    std::array<std::size_t, kAll + 1> begin_{};
    std::array<std::size_t, kAll + 1> end_{};
    std::vector<std::int32_t> arena_;
    Bits seen_;
};

// keep(x op y) for every value x of left and y of right and every step the
// rules allow, but the steps by 1 (x x 1 and x / 1 are x itself, the value of
// a smaller subset, which is counted on its own).
template <typename Keep>
void combine(const SmallSets &small, unsigned left, unsigned right, Keep &&keep)
{
    // The shorter list outside, the longer one streamed through inside.
    if (small.end(left) - small.begin(left) > small.end(right) - small.begin(right))
        std::swap(left, right);
    for (const std::int32_t *xp = small.begin(left); xp != small.end(left); ++xp) {
        const std::int64_t x = *xp;
        for (const std::int32_t *yp = small.begin(right); yp != small.end(right); ++yp) {
            const std::int64_t y = *yp;
            const std::int64_t big = std::max(x, y);
            const std::int64_t little = std::min(x, y);
            keep(x + y);
            keep(big - little); // 0 when they are equal, which the caller ignores
            if (little == 1)
                continue;
            keep(x * y);
            if (std::uint32_t(big) % std::uint32_t(little) == 0)
                keep(big / little);
        }
    }
}

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
        if (kSizes[mask] > 4 || !small.canonical(mask))
            continue;
        for (const std::int32_t *v = small.begin(mask); v != small.end(mask); ++v)
            reach(*v);
    }

    // The sets of five, each up to the larger of hi + n and hi x n: a value
    // beyond goes to the spare bit just past the end, which is never read.
    const std::int64_t largest = sorted.back();
    Bits five(std::max(std::int64_t(hi) * largest, std::int64_t(hi) + largest) + 1);
    for (int out = 0; out < kNumbers; ++out) {
        const unsigned mask = kAll ^ (1u << out);
        if (!small.canonical(mask))
            continue;
        const std::int64_t n = small.number(out);
        const std::int64_t limit = std::max(std::int64_t(hi) * n, std::int64_t(hi) + n);
        const std::int64_t sink = limit + 1;
        // Past the sink nothing is written for this n; the shifts below read at
        // most a few words further.
        five.clearTo(sink + 256);
        const auto keep = [&](std::int64_t b) { five.set(b <= limit ? b : sink); };
        const unsigned low = mask & (~mask + 1);
        for (unsigned left = (mask - 1) & mask; left; left = (left - 1) & mask) {
            if (!(left & low))
                continue;
            combine(small, left, mask ^ left, keep);
        }
        five.reset(0); // x - x: no value
        // The five alone, b + n, b - n, then the rest one value at a time.
        orShifted(reached, five, 0);
        orShifted(reached, five, -n);
        orShifted(reached, five, n);
        for (std::int64_t b = 1; b < n; ++b) {
            if (five.test(b))
                reach(n - b);
        }
        if (n == 1)
            continue;
        for (std::int64_t b = 2; b * n <= hi; ++b) {
            if (five.test(b))
                reached.set(b * n);
        }
        for (std::int64_t b = 2; b <= n; ++b) {
            if (n % b == 0 && five.test(b))
                reach(n / b);
        }
        for (std::int64_t v = lo; v <= hi; ++v) {
            if (five.test(v * n))
                reached.set(v);
        }
    }

    // The splits of six into 2 + 4 and 3 + 3: both sides listed whole.
    const auto keep = [&reached, hi](std::int64_t v) { reached.set(v <= hi ? v : hi + 1); };
    for (unsigned left = 1; left < kAll; ++left) {
        const int size = kSizes[left];
        if ((size != 2 && size != 3) || !small.canonical(left))
            continue;
        const unsigned right = kAll ^ left;
        if (size == 3 && small.canonical(right) && right < left)
            continue; // the same split, met from its other side
        combine(small, left, right, keep);
    }

    std::vector<bool> out(std::size_t(hi - lo + 1));
    for (std::int32_t v = lo; v <= hi; ++v)
        out[std::size_t(v - lo)] = reached.test(v);
    return out;
}

} // namespace solver

#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace solver {

// Every whole number each subset of six numbers reaches with +, -, x and
// exact division, every step positive and whole: the ground the complete
// search stands on. The subsets are bit masks over the six positions. Only
// the subsets of up to four numbers keep their values: those of five and six
// numbers are many, and are only ever asked about near one value, which a scan
// of their two parts answers at once.
class SubsetValues
{
public:
    static constexpr int kNumbers = 6;
    static constexpr unsigned kFullMask = (1u << kNumbers) - 1;

    // The first six of numbers; each from 1 to 100, so that every value fits
    // in 32 bits.
    explicit SubsetValues(std::span<const std::int32_t> numbers);

    std::int32_t number(int position) const { return numbers_[std::size_t(position)]; }
    static constexpr int kLargestStored = 4;
    static bool stored(unsigned mask);
    // Sorted and distinct for a stored subset; empty for the others.
    const std::vector<std::int32_t> &values(unsigned mask) const { return values_[mask]; }
    // Whether the numbers of mask, all of them, make value.
    bool reaches(unsigned mask, std::int64_t value) const;
    // The first mask that holds the same numbers (equal numbers dealt twice
    // make masks that differ only in which copy they take).
    unsigned representative(unsigned mask) const { return representative_[mask]; }

    struct Nearest
    {
        std::int64_t distance = 0;
        std::vector<std::int64_t> values; // one, or the one below and the one above
    };
    // The value(s) nearest the target over every subset, leaving out the
    // excluded ones (sorted): values that only a pointless step reaches,
    // which the caller finds out.
    Nearest nearest(std::int64_t target, const std::vector<std::int64_t> &excluded = {}) const;

private:
    void fill(unsigned mask);
    template <typename Visit>
    void scan(unsigned mask, std::int64_t lo, std::int64_t hi, Visit &&visit) const;
    template <typename Visit, typename ScanLarge>
    void scanSplits(unsigned mask, std::int64_t lo, std::int64_t hi, Visit &&visit,
                    ScanLarge &&scanLarge) const;

    std::array<std::int32_t, kNumbers> numbers_{};
    std::array<unsigned, kFullMask + 1> representative_{};
    std::array<std::vector<std::int32_t>, kFullMask + 1> values_;
};

} // namespace solver

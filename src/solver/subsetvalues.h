#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace solver {

// Every whole number each subset of six numbers reaches with +, -, x and
// exact division, every step positive and whole: the ground the complete
// search stands on. The subsets are bit masks over the six positions. The
// values of the full set are not stored (it is the largest and only ever
// asked about near one target); its nearness is scanned from its halves.
class SubsetValues
{
public:
    static constexpr int kNumbers = 6;
    static constexpr unsigned kFullMask = (1u << kNumbers) - 1;

    // The first six of numbers; each from 1 to 100, so that every value fits
    // in 32 bits.
    explicit SubsetValues(std::span<const std::int32_t> numbers);

    std::int32_t number(int position) const { return numbers_[std::size_t(position)]; }
    // Sorted and distinct; empty for the full mask.
    const std::vector<std::int32_t> &values(unsigned mask) const { return values_[mask]; }
    // Whether the numbers of mask, all of them, make value (never asked of the
    // full mask).
    bool reaches(unsigned mask, std::int64_t value) const;
    // The first mask that holds the same numbers (equal numbers dealt twice
    // make masks that differ only in which copy they take).
    unsigned representative(unsigned mask) const { return representative_[mask]; }

    struct Nearest
    {
        std::int64_t distance = 0;
        std::vector<std::int64_t> values; // one, or the one below and the one above
    };
    // The reachable value(s) nearest the target over every subset.
    Nearest nearest(std::int64_t target) const;

private:
    void fill(unsigned mask);
    template <typename Visit>
    void scanFull(std::int64_t target, std::int64_t &best, Visit visit) const;

    std::array<std::int32_t, kNumbers> numbers_{};
    std::array<unsigned, kFullMask + 1> representative_{};
    std::array<std::vector<std::int32_t>, kFullMask + 1> values_;
};

} // namespace solver

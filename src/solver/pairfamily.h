#pragma once

#include "operation.h"
#include "searchcontext.h"

#include <array>
#include <cstdint>
#include <string>

namespace solver {

// The pair-of-pairs family for one split [a, b, c, d, e, f]: the results of
// (a, b) and (c, d) combined, then each combination (but the first) extended
// by e then f, by f then e, and by the result of (e, f), the second operation
// always differing from the first. Texts are built only for hits.
class PairFamily
{
public:
    // Returns early when a yield finds the search stopped.
    void evaluate(const Numbers &split, SearchContext &context);

private:
    struct PairResult
    {
        std::int32_t value = 0;
        std::uint8_t op = 0;
        bool swapped = false;
    };
    struct Combination
    {
        std::int32_t value = 0;
        std::uint8_t left = 0;
        std::uint8_t right = 0;
        std::uint8_t op = 0;
        bool swapped = false;
    };
    // The values w for which some operation of (w, n) can give the target;
    // the real test follows only for those.
    struct HitFilter
    {
        std::array<std::int64_t, 6> values{};
        bool matches(std::int64_t w) const
        {
            return (w == values[0]) | (w == values[1]) | (w == values[2]) | (w == values[3]) |
                   (w == values[4]) | (w == values[5]);
        }
    };

    static int makePairs(std::int32_t a, std::int32_t b, std::array<PairResult, 4> &out);
    static HitFilter hitFilter(std::int64_t n, std::int32_t target);

    void extendStepwise(int z, int op, const OpResult &firstStep, std::int32_t firstNumber,
                        std::int32_t secondNumber, SearchContext &context) const;
    void extendByPair(int z, int op, const PairResult &pair, SearchContext &context) const;
    std::string pairText(const PairResult &pair, std::int32_t left, std::int32_t right) const;
    std::string combinationText(int index) const;

    Numbers split_{};
    std::array<PairResult, 4> first_{};
    std::array<PairResult, 4> second_{};
    std::array<Combination, 64> combined_{};
    std::array<PairResult, 4> rest_{}; // (e, f) by each operation, 0 where rejected
};

} // namespace solver

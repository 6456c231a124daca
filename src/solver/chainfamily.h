#pragma once

#include "operation.h"
#include "searchcontext.h"

#include <array>
#include <cstdint>
#include <string>

namespace solver {

// The chain family: an arrangement of the six numbers read left to right,
// every intermediate result of the first d numbers combined with number d by
// all four operations. Consecutive arrangements of one first pair share their
// leading levels, which are kept and reused. Texts are built only for hits,
// from the link each entry keeps to the entry it extends.
class ChainFamily
{
public:
    // Forgets the kept levels; each first pair starts afresh.
    void reset();

    // Evaluates one arrangement. Returns early when a yield finds the search
    // stopped; the kept levels are then left as they are.
    void evaluate(const Numbers &arrangement, SearchContext &context);

private:
    // Levels 0 to 4 are kept; the last level only counts and looks for hits,
    // as nothing is ever built on it.
    static constexpr int kKeptEntries = 1 + 4 + 16 + 64 + 256;

    void extendLevel(int level, int first, int last, SearchContext &context);
    void finishLastLevel(int first, int last, SearchContext &context);
    void reportHit(int index, int level, SearchContext &context) const;
    void appendText(std::string &out, int index, int level) const;

    // Three spare slots: a level writes the slots of rejected operations too.
    std::array<std::int32_t, kKeptEntries + 3> values_{};
    // parent index << 3 | (op - 1) << 1 | swapped
    std::array<std::uint16_t, kKeptEntries + 3> links_{};
    std::array<int, 6> levelEnd_{};
    Numbers arrangement_{};
    Numbers lastArrangement_{};
    int size_ = 1;
    bool hasPrevious_ = false;
};

} // namespace solver

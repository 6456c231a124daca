#pragma once

#include "chainfamily.h"
#include "pairfamily.h"
#include "searchhooks.h"

#include <cstdint>
#include <span>

namespace solver {

enum class SearchOutcome {
    Finished,      // ran to the end with the switch still on
    Stopped,       // the switch was cleared during a yield
    Busy,          // a search of this core is already running: nothing was done
    InvalidNumbers // not six numbers the board can give: nothing was done
};

// The exhaustive search over six numbers of the board: for every first pair,
// the pair-of-pairs family and then the chain family over the 24 orders of the
// other four, in a fixed order that decides the order of the hits and the
// combination count. Plain C++ so that the game, the command line and the
// benchmark share it; the host sees it only through the hooks.
class SolverCore
{
public:
    // Runs one search over the first six of numbers (any further elements are
    // ignored). running is the stop switch: set here, cleared by the host
    // from inside a yield. count goes on from its value, is current at every
    // progress report and holds the total when the search returns.
    SearchOutcome search(std::span<const std::int32_t> numbers, std::int32_t target, bool &running,
                         std::int32_t &count, const SearchHooks &hooks);

    bool isSearching() const { return searching_; }

private:
    void searchPairs(const Numbers &numbers, SearchContext &context);
    void searchSplits(const Numbers &work, SearchContext &context);
    void searchChains(const Numbers &work, SearchContext &context);

    ChainFamily chains_;
    PairFamily pairs_;
    bool searching_ = false;
};

} // namespace solver

#include "solvercore.h"

#include "arrangementorder.h"
#include "boardselection.h"

namespace solver {

namespace {

// Clears the busy mark however the search ends, a throwing hook included.
class BusyMark
{
public:
    explicit BusyMark(bool &mark)
        : mark_(mark)
    {
        mark_ = true;
    }
    ~BusyMark() { mark_ = false; }
    BusyMark(const BusyMark &) = delete;
    BusyMark &operator=(const BusyMark &) = delete;

private:
    bool &mark_;
};

} // namespace

SearchOutcome SolverCore::search(std::span<const std::int32_t> numbers, std::int32_t target,
                                 bool &running, std::int32_t &count, const SearchHooks &hooks)
{
    // The search state is one instance; a search started from inside a yield
    // of another must not touch it.
    if (searching_)
        return SearchOutcome::Busy;
    if (numbers.size() < 6 || !isBoardSelection(numbers.first(6)))
        return SearchOutcome::InvalidNumbers;
    const BusyMark busy(searching_);
    Numbers six{};
    std::copy_n(numbers.begin(), 6, six.begin());
    running = true;
    SearchContext context(target, running, count, hooks);
    searchPairs(six, context);
    context.publishCount();
    return running ? SearchOutcome::Finished : SearchOutcome::Stopped;
}

void SolverCore::searchPairs(const Numbers &numbers, SearchContext &context)
{
    // First pairs (0,1), (0,2) ... (4,5); each first index starts with a yield.
    for (std::size_t i = 0; i < 5; ++i) {
        if (!context.yieldAndCheck())
            return;
        for (std::size_t j = i + 1; j < 6; ++j) {
            Numbers work{numbers[i], numbers[j]};
            std::size_t rest = 2;
            for (std::size_t k = 0; k < 6; ++k) {
                if (k != i && k != j)
                    work[rest++] = numbers[k];
            }
            // The input is sorted largest first, so work[0] is the pair's larger
            // number; pairs of small numbers skip the pair-of-pairs family.
            if (work[0] > 3)
                searchSplits(work, context);
            searchChains(work, context);
        }
    }
}

void SolverCore::searchSplits(const Numbers &work, SearchContext &context)
{
    // Second pairs from positions (2,3), (2,4), (2,5), (3,4), (3,5), (4,5);
    // each new first position starts with a yield.
    for (std::size_t splitPos = 3; splitPos <= 5; ++splitPos) {
        if (!context.yieldAndCheck())
            return;
        for (std::size_t q = splitPos; q <= 5; ++q) {
            Numbers split{work[0], work[1], work[splitPos - 1], work[q]};
            std::size_t rest = 4;
            for (std::size_t p = 2; p <= 5; ++p) {
                if (p != q && p != splitPos - 1)
                    split[rest++] = work[p];
            }
            // Equal first numbers of the two pairs skip the split.
            if (split[0] > split[2])
                pairs_.evaluate(split, context);
        }
    }
}

void SolverCore::searchChains(const Numbers &work, SearchContext &context)
{
    chains_.reset();
    for (const auto &order : kArrangementOrders) {
        if (!context.running())
            return;
        const Numbers arrangement{work[0],
                                  work[1],
                                  work[static_cast<std::size_t>(order[0])],
                                  work[static_cast<std::size_t>(order[1])],
                                  work[static_cast<std::size_t>(order[2])],
                                  work[static_cast<std::size_t>(order[3])]};
        chains_.evaluate(arrangement, context);
    }
}

} // namespace solver

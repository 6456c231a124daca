#pragma once

#include <array>

namespace solver {

// The 24 orders in which the chain family arranges the four numbers after the
// first pair, each written as the positions (2 to 5) they are taken from. The
// sequence is that of the marking recursion below, run once at compile time;
// the prefix reuse of the chain family depends on it.
using ArrangementOrders = std::array<std::array<int, 4>, 24>;

namespace detail {

struct MarkingState
{
    int depth = -1;
    std::array<int, 4> marks{};
    ArrangementOrders orders{};
    int found = 0;
};

// The first call marks its slot with 0, which still reads as free, so it acts
// as the root; the slot left unmarked at depth 3 takes the first place.
constexpr void markRest(MarkingState &state, int slot)
{
    ++state.depth;
    state.marks[static_cast<std::size_t>(slot)] = state.depth;
    if (state.depth == 3) {
        auto &order = state.orders[static_cast<std::size_t>(state.found++)];
        for (std::size_t m = 0; m < 4; ++m)
            order[m] = state.marks[m] + 2;
    } else {
        for (int m = 0; m < 4; ++m) {
            if (state.marks[static_cast<std::size_t>(m)] == 0)
                markRest(state, m);
        }
    }
    state.marks[static_cast<std::size_t>(slot)] = 0;
    --state.depth;
}

constexpr ArrangementOrders makeArrangementOrders()
{
    MarkingState state;
    markRest(state, 0);
    return state.orders;
}

} // namespace detail

inline constexpr ArrangementOrders kArrangementOrders = detail::makeArrangementOrders();

} // namespace solver

// The core's whole search, without a window: the three boards the game's
// figures are checked on; and the complete search beside it, on the 523
// board and on a board that cannot reach its target.

#include "answerlist.h"
#include "completesearch.h"
#include "solvercore.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <string>

namespace {

struct Board
{
    const char *name;
    std::array<std::int32_t, 6> numbers;
    std::int32_t target;
};

constexpr std::array<Board, 3> kBoards{{
    {"523", {100, 75, 8, 5, 3, 2}, 523},
    {"999", {3, 3, 2, 2, 1, 1}, 999},
    {"952", {100, 75, 50, 25, 6, 3}, 952},
}};

// The complete search's boards: one reachable in many ways, one unreachable
// whose nearest value takes most of the six numbers, and one far out of reach.
constexpr std::array<Board, 3> kCompleteBoards{{
    {"523", {100, 75, 8, 5, 3, 2}, 523},
    {"877 unreachable", {100, 7, 7, 4, 1, 1}, 877},
    {"999 unreachable", {3, 3, 2, 2, 1, 1}, 999},
}};

void BM_FullSearch(benchmark::State &state)
{
    const Board &board = kBoards[static_cast<std::size_t>(state.range(0))];
    state.SetLabel(board.name);
    solver::SolverCore core;
    solver::AnswerList answers;
    solver::SearchHooks hooks;
    hooks.hit = [&answers](std::string &expression) { answers.add(expression); };
    std::int32_t combinations = 0;
    for (auto _ : state) {
        answers.clear();
        bool running = false;
        combinations = 0;
        core.search(board.numbers, board.target, running, combinations, hooks);
        benchmark::DoNotOptimize(combinations);
    }
    state.counters["combinations"] = combinations;
    state.counters["answers"] = static_cast<double>(answers.size());
}

// Every distinct answer (or every way to the nearest value), listed.
void BM_CompleteSearch(benchmark::State &state)
{
    const Board &board = kCompleteBoards[static_cast<std::size_t>(state.range(0))];
    state.SetLabel(board.name);
    solver::CompleteResult result;
    for (auto _ : state) {
        result = solver::completeSearch(board.numbers, board.target);
        benchmark::DoNotOptimize(result.answers.data());
    }
    state.counters["answers"] = static_cast<double>(result.answers.size());
    state.counters["distance"] = static_cast<double>(result.distance);
}

// The nearest value(s) and distance alone, without the ways.
void BM_CompleteNearest(benchmark::State &state)
{
    const Board &board = kCompleteBoards[static_cast<std::size_t>(state.range(0))];
    state.SetLabel(board.name);
    solver::CompleteResult result;
    for (auto _ : state) {
        result = solver::nearestReach(board.numbers, board.target);
        benchmark::DoNotOptimize(result.distance);
    }
    state.counters["distance"] = static_cast<double>(result.distance);
}

} // namespace

BENCHMARK(BM_FullSearch)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CompleteSearch)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CompleteNearest)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

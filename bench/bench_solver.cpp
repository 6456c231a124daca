// The core's whole search, without a window: the three boards the game's
// figures are checked on.

#include "solver/answerlist.h"
#include "solver/solvercore.h"

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

} // namespace

BENCHMARK(BM_FullSearch)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

// Every target a board reaches from 101 to 999: over every distinct board
// there is, and on one board alone; and the board of the day, which asks the
// same once per deal.

#include "dailyboard.h"
#include "reach.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace {

using Board = std::array<std::int32_t, 6>;

// Every multiset of six tiles: 1 to 10 at most twice each, 25, 50, 75 and 100
// at most once.
std::vector<Board> distinctBoards()
{
    static constexpr std::array<std::int32_t, 14> kValues{1, 2, 3,  4,  5,  6,  7,
                                                          8, 9, 10, 25, 50, 75, 100};
    std::vector<Board> boards;
    Board board{};
    const auto deal = [&](const auto &self, std::size_t value, std::size_t dealt) -> void {
        if (dealt == board.size()) {
            boards.push_back(board);
            return;
        }
        if (value == kValues.size())
            return;
        const std::size_t copies = kValues[value] <= 10 ? 2 : 1;
        for (std::size_t c = 0; c <= copies && dealt + c <= board.size(); ++c) {
            for (std::size_t i = 0; i < c; ++i)
                board[dealt + i] = kValues[value];
            self(self, value + 1, dealt + c);
        }
    };
    deal(deal, 0, 0);
    return boards;
}

constexpr std::int32_t kLo = 101;
constexpr std::int32_t kHi = 999;
constexpr std::size_t kDistinctBoards = 13243;

// One iteration is the whole pass over every board.
void BM_ReachAllBoards(benchmark::State &state)
{
    const std::vector<Board> boards = distinctBoards();
    if (boards.size() != kDistinctBoards) {
        state.SkipWithError("the count of distinct boards is not 13243");
        return;
    }
    std::int64_t reached = 0;
    for (auto _ : state) {
        reached = 0;
        for (const Board &board : boards) {
            const std::vector<bool> targets = solver::reachableTargets(board, kLo, kHi);
            for (const bool r : targets)
                reached += r;
        }
        benchmark::DoNotOptimize(reached);
    }
    state.counters["boards"] = double(boards.size());
    state.counters["reached"] = double(reached);
    state.counters["boards_per_s"] =
        benchmark::Counter(double(boards.size()), benchmark::Counter::kIsIterationInvariantRate);
}

void BM_ReachOneBoard(benchmark::State &state)
{
    const Board board{100, 75, 8, 5, 3, 2};
    std::vector<bool> targets;
    for (auto _ : state) {
        targets = solver::reachableTargets(board, kLo, kHi);
        benchmark::DoNotOptimize(targets);
    }
    state.counters["reached"] = double(std::count(targets.begin(), targets.end(), true));
}

// A different date each time, through the days of 2027.
void BM_DailyBoard(benchmark::State &state)
{
    int n = 0;
    for (auto _ : state) {
        const solver::DailyBoard board = solver::dailyBoard(2027, 1 + (n / 28) % 12, 1 + n % 28);
        benchmark::DoNotOptimize(board.target);
        ++n;
    }
}

} // namespace

BENCHMARK(BM_ReachAllBoards)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReachOneBoard)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DailyBoard)->Unit(benchmark::kMicrosecond);

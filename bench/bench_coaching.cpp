// The help the game gives a player, timed: a hint, the answer nearest to a
// declared one, a board and target rated, and every target of a board rated
// for a roll that wants one rating.

#include "coaching.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <string_view>

namespace {

constexpr std::array<std::int32_t, 6> kNumbers{100, 75, 8, 5, 3, 2};
constexpr std::int64_t kTarget = 523;
// A board and target with many answers (320, about the most of 20,000
// random deals and targets from 101 to 999), and an answer 10 short of it.
constexpr std::array<std::int32_t, 6> kManyNumbers{50, 10, 8, 5, 3, 2};
constexpr std::int64_t kManyTarget = 200;

void BM_Hint(benchmark::State &state)
{
    for (auto _ : state) {
        const solver::Hint hint = solver::hintFor(kNumbers, kTarget);
        benchmark::DoNotOptimize(hint.fewestNumbers);
    }
}

void nearMiss(benchmark::State &state, const std::array<std::int32_t, 6> &numbers,
              std::int64_t target, std::string_view answer)
{
    int partedAt = 0;
    for (auto _ : state) {
        const solver::NearMiss miss = solver::nearMiss(numbers, target, answer);
        partedAt = miss.partedAt;
        benchmark::DoNotOptimize(partedAt);
    }
    state.counters["parted_at"] = partedAt;
}

// One short of the target, parting at its second step.
void BM_NearMiss523(benchmark::State &state)
{
    nearMiss(state, kNumbers, kTarget, "100x5+8x3");
}

void BM_NearMissManyAnswers(benchmark::State &state)
{
    nearMiss(state, kManyNumbers, kManyTarget, "(50x8-10x3)/2+5");
}

void BM_RateBoard(benchmark::State &state)
{
    std::size_t answers = 0;
    for (auto _ : state) {
        const solver::RatingFigures figures = solver::rateBoard(kNumbers, kTarget);
        answers = figures.distinctAnswers;
        benchmark::DoNotOptimize(answers);
    }
    state.counters["answers"] = double(answers);
}

void BM_RateBoardManyAnswers(benchmark::State &state)
{
    for (auto _ : state) {
        const solver::RatingFigures figures = solver::rateBoard(kManyNumbers, kManyTarget);
        benchmark::DoNotOptimize(figures.distinctAnswers);
    }
}

// All 899 targets from 101 to 999 rated, as a roll that wants Hard asks.
void BM_TargetsRated(benchmark::State &state)
{
    std::size_t hard = 0;
    for (auto _ : state) {
        const solver::RatedTargets rated =
            solver::targetsRated(kNumbers, 101, 999, solver::Rating::Hard);
        hard = rated.targets.size();
        benchmark::DoNotOptimize(hard);
    }
    state.counters["targets"] = double(hard);
}

} // namespace

BENCHMARK(BM_Hint)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NearMiss523)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NearMissManyAnswers)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RateBoard)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RateBoardManyAnswers)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TargetsRated)->Unit(benchmark::kMillisecond);

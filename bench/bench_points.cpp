// From a player's declared answer to the result the game shows: the answer
// checked, the best the numbers could do found, and the points given.

#include "answercheck.h"
#include "answerscore.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <string_view>

namespace {

constexpr std::array<std::int32_t, 6> kNumbers{100, 75, 8, 5, 3, 2};
constexpr std::int64_t kTarget = 523;
// Three away from the target, with both ranks of operation and brackets.
constexpr std::string_view kAnswer = "(100 + 75) x 3 - 8 / 2 + 5";

void BM_CheckAndScore(benchmark::State &state)
{
    int points = 0;
    for (auto _ : state) {
        const solver::CheckResult checked = solver::checkAnswer(kAnswer, kNumbers);
        const solver::BestPossible best = solver::bestPossible(kNumbers, kTarget);
        const std::int64_t distance =
            checked.value > kTarget ? checked.value - kTarget : kTarget - checked.value;
        points = checked.valid ? solver::pointsFor(distance, best.distance) : 0;
        benchmark::DoNotOptimize(points);
    }
    state.counters["points"] = points;
}

// The check alone, to tell its share from the search's.
void BM_CheckOnly(benchmark::State &state)
{
    for (auto _ : state) {
        const solver::CheckResult checked = solver::checkAnswer(kAnswer, kNumbers);
        benchmark::DoNotOptimize(checked.value);
    }
}

} // namespace

BENCHMARK(BM_CheckAndScore)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CheckOnly)->Unit(benchmark::kMicrosecond);

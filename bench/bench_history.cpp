// The player's record: one scored game written to a history on disk (as the
// window's thread does when a game ends), and the statistics of a history of
// 100,000 games worked out from scratch.

#include "gamehistory.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

PlayedGame game(int i)
{
    PlayedGame g;
    g.playedAt = QDateTime::currentDateTimeUtc();
    g.numbers = {100, 75, 8, 5, 3, 2};
    g.target = 101 + i % 899;
    // A day's board now and then, the rest picked; answers spread over every band.
    g.board = i % 4 == 0 ? PlayedGame::Board::Daily : PlayedGame::Board::Picked;
    g.dailyDate = QDate(2020, 1, 1).addDays(i / 4);
    g.round.declared = i % 7 != 0;
    g.round.bestDistance = i % 3;
    g.round.distance = g.round.declared ? g.round.bestDistance + (i % 5 == 0 ? i % 13 : 0) : 0;
    g.round.points = g.round.declared ? 10 - int(g.round.distance - g.round.bestDistance) % 10 : 0;
    g.answer = g.round.declared ? QStringLiteral("(100 + 75) x 3 - 2") : QString();
    g.value = g.target + g.round.distance;
    g.bestValue = g.target + g.round.bestDistance;
    g.secondsLeft = i % 31;
    return g;
}

void BM_RecordOneGame(benchmark::State &state)
{
    QTemporaryDir folder;
    GameHistory history(folder.filePath(QStringLiteral("history.sqlite")));
    int i = 0;
    for (auto _ : state) {
        if (!history.record(game(i++))) {
            state.SkipWithError(qPrintable(history.failureDetail()));
            break;
        }
    }
}

void BM_Statistics100k(benchmark::State &state)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("history.sqlite"));
    {
        GameHistory history(path);
        for (int i = 0; i < 100000; ++i) {
            if (!history.record(game(i))) {
                state.SkipWithError(qPrintable(history.failureDetail()));
                return;
            }
        }
    }
    GameHistory history(path); // opened as the game opens it, after a restart
    PlayerStats stats;
    for (auto _ : state) {
        stats = history.statistics();
        benchmark::DoNotOptimize(stats);
    }
    state.counters["games"] = stats.gamesScored;
    state.counters["longest run"] = stats.longestRun;
}

} // namespace

BENCHMARK(BM_RecordOneGame)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Statistics100k)->Unit(benchmark::kMillisecond);

int main(int argc, char *argv[])
{
    // Qt SQL finds its SQLite driver as a plugin, through the application.
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

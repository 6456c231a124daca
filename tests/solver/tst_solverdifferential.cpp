// The core against the plain implementation of the same two families on
// random boards and random stops: both must agree on everything a host sees.

#include "plainsearch.h"
#include "randomboard.h"
#include "searchrun.h"

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <array>
#include <functional>
#include <string>
#include <vector>

class TestSolverDifferential : public QObject
{
    Q_OBJECT

private slots:
    void plainSearchReproducesFigures();
    void randomBoardsAgree();
    void randomStopsAgree();
};

void TestSolverDifferential::plainSearchReproducesFigures()
{
    // The plain search is only a yardstick if it gives the known figures.
    PlainSearch plain;
    plain.start({100, 75, 8, 5, 3, 2}, 523);
    QCOMPARE(plain.count, 210492);
    QCOMPARE(plain.list.size(), std::size_t{32});
    QCOMPARE(plain.list.front(), std::string("((100+75)x3)-2"));
}

void TestSolverDifferential::randomBoardsAgree()
{
    const quint32 seed = 952523;
    QRandomGenerator random(seed);
    solver::SolverCore core;
    constexpr int kBoards = 300;
    int withAnswers = 0;
    for (int board = 0; board < kBoards; ++board) {
        const std::vector<std::int32_t> numbers = drawBoard(random);
        const auto target = static_cast<std::int32_t>(random.bounded(101, 1000));
        const QByteArray what = describe(numbers, target).toUtf8();
        PlainSearch plain;
        plain.start(numbers, target);
        const SearchRun fast = runSearch(core, numbers, target);
        QVERIFY2(fast.count == plain.count, what.constData());
        QVERIFY2(fast.answers == plain.list, what.constData());
        QVERIFY2(fast.reports == plain.reports, what.constData());
        QVERIFY2(fast.yields == plain.yields, what.constData());
        withAnswers += !plain.list.empty();
    }
    // Most boards reach most targets: the comparison is not of empty lists.
    QVERIFY(withAnswers > kBoards / 2);
}

void TestSolverDifferential::randomStopsAgree()
{
    // A stop at any yield: the same count, answers and reports afterwards,
    // including the second pairs that still run after a stop.
    QRandomGenerator random(1764);
    solver::SolverCore core;
    for (int round = 0; round < 60; ++round) {
        const std::vector<std::int32_t> numbers = drawBoard(random);
        const auto target = static_cast<std::int32_t>(random.bounded(101, 1000));
        PlainSearch full;
        full.start(numbers, target);
        const int stopAt = static_cast<int>(random.bounded(1, full.yields + 1));
        auto stop = [stopAt](int yield, bool &running) {
            if (yield == stopAt)
                running = false;
        };
        PlainSearch plain;
        plain.onYield = stop;
        plain.start(numbers, target);
        const SearchRun fast = runSearch(core, numbers, target, stop);
        const QByteArray what =
            (describe(numbers, target) + QStringLiteral(", stop at yield %1").arg(stopAt)).toUtf8();
        QVERIFY2(fast.outcome == solver::SearchOutcome::Stopped, what.constData());
        QVERIFY2(fast.count == plain.count, what.constData());
        QVERIFY2(fast.answers == plain.list, what.constData());
        QVERIFY2(fast.reports == plain.reports, what.constData());
        QVERIFY2(fast.yields == plain.yields, what.constData());
    }
}

QTEST_APPLESS_MAIN(TestSolverDifferential)
#include "tst_solverdifferential.moc"

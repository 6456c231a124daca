// The whole search: the figures, the edge cases of its two families, the
// stop and the refusals.

#include "searchrun.h"

#include "solvercore.h"

#include <QSet>
#include <QStringList>
#include <QTest>

#include <algorithm>
#include <set>

namespace {

bool contains(const std::vector<std::string> &texts, const std::string &text)
{
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

const std::vector<std::int32_t> kBoard523{100, 75, 8, 5, 3, 2};

} // namespace
class TestSolverCore : public QObject
{
    Q_OBJECT

private slots:
    void figures_data();
    void figures();
    void progressIsReportedAsCounted();
    void smallPairsSkipPairOfPairs();
    void splitWithEqualFirstNumbersIsSkipped();
    void firstCombinationIsNotExtended();
    void firstStepAtTargetIsNotListed();
    void equalNumbersGiveOneAnswer();
    void targetZeroFindsNothing();
    void stopInThirdYieldFinishesRunningSplits();
    void stopDuringChainLevel();
    void stopAtFirstYield();
    void nestedSearchIsRefused();
    void invalidNumbersAreRefused();
};

void TestSolverCore::figures_data()
{
    QTest::addColumn<QList<int>>("numbers");
    QTest::addColumn<int>("target");
    QTest::addColumn<int>("combinations");
    QTest::addColumn<int>("answerCount");
    QTest::addColumn<QStringList>("firstAnswers");
    QTest::addColumn<QString>("lastAnswer");
    QTest::newRow("523") << QList<int>{100, 75, 8, 5, 3, 2} << 523 << 210492 << 32
                         << QStringList{"((100+75)x3)-2", "(((100+75)+2)x3)-8", "(((100+8)-3)x5)-2",
                                        "((((100x8)+75)/5)x3)-2", "((((100x8)+75)x3)/5)-2"}
                         << "";
    QTest::newRow("999") << QList<int>{3, 3, 2, 2, 1, 1} << 999 << 56885 << 0 << QStringList{}
                         << "";
    QTest::newRow("952") << QList<int>{100, 75, 50, 25, 6, 3} << 952 << 219056 << 6
                         << QStringList{"(((100+6)x(75x3))-50)/25", "((((100+6)x3)x75)-50)/25"}
                         << "((((100+3)x75)x6)/50)+25";
}

void TestSolverCore::figures()
{
    QFETCH(QList<int>, numbers);
    QFETCH(int, target);
    QFETCH(int, combinations);
    QFETCH(int, answerCount);
    QFETCH(QStringList, firstAnswers);
    QFETCH(QString, lastAnswer);
    const SearchRun run = runSearch({numbers.begin(), numbers.end()}, target);
    QCOMPARE(run.outcome, solver::SearchOutcome::Finished);
    QVERIFY(run.running);
    QCOMPARE(run.count, combinations);
    const QStringList answers = toList(run.answers);
    QCOMPARE(answers.size(), answerCount);
    QCOMPARE(answers.mid(0, firstAnswers.size()), firstAnswers);
    if (!lastAnswer.isEmpty())
        QCOMPARE(answers.last(), lastAnswer);
    if (target == 523) {
        // The chain family's hit (((100+3)x5)+8), listed without its outer pair.
        QVERIFY(answers.contains("((100+3)x5)+8"));
        QVERIFY(contains(run.hits, "(((100+3)x5)+8)"));
    }
    QCOMPARE(QSet<QString>(answers.begin(), answers.end()).size(), answers.size());
}

void TestSolverCore::progressIsReportedAsCounted()
{
    const SearchRun run = runSearch(kBoard523, 523);
    QVERIFY(!run.reports.empty());
    QVERIFY(std::is_sorted(run.reports.begin(), run.reports.end()));
    // Every combination is counted before a report shows it: the last report
    // is the total.
    QCOMPARE(run.reports.back(), run.count);
    // Every report is followed by a yield, and the first pairs and second
    // pairs add yields of their own.
    QVERIFY(run.yields > static_cast<int>(run.reports.size()));
    // The count goes on from the caller's value (the caller resets it).
    solver::SolverCore core;
    bool running = false;
    std::int32_t count = 1000;
    QCOMPARE(core.search(kBoard523, 523, running, count, {}), solver::SearchOutcome::Finished);
    QCOMPARE(count, 1000 + run.count);
}

void TestSolverCore::smallPairsSkipPairOfPairs()
{
    // No number above 3: only the chain family runs, whose every report is
    // followed by a yield; the five first indexes yield once each and no
    // second pair adds a yield.
    const SearchRun small = runSearch({3, 3, 2, 2, 1, 1}, 999);
    QCOMPARE(small.yields, 5 + static_cast<int>(small.reports.size()));
    // With a 4 the pair-of-pairs family runs for the pairs led by it.
    const SearchRun withFour = runSearch({4, 3, 2, 2, 1, 1}, 999);
    QVERIFY(withFour.yields > 5 + static_cast<int>(withFour.reports.size()));
}

void TestSolverCore::splitWithEqualFirstNumbersIsSkipped()
{
    // (10x4)x(10x2) could only come from the pair (10, 4) with the second
    // pair (10, 2), or the other way round: both splits lead with two 10s.
    const SearchRun run = runSearch({10, 10, 4, 2, 1, 1}, 800);
    QVERIFY(!run.answers.empty());
    QVERIFY(!contains(run.answers, "(10x4)x(10x2)"));
    QVERIFY(!contains(run.answers, "(10x2)x(10x4)"));
    // With a 9 in place of one 10 the split leads 10 > 9 and runs.
    const SearchRun other = runSearch({10, 9, 4, 2, 1, 1}, 720);
    QVERIFY(contains(other.answers, "(10x4)x(9x2)"));
}

void TestSolverCore::firstCombinationIsNotExtended()
{
    // ((100+75)+(8+5)) is the first combination of its split; its
    // extension by 3 and then 2 is never tried.
    const SearchRun first = runSearch(kBoard523, 562);
    QVERIFY(!contains(first.answers, "(((100+75)+(8+5))x3)-2"));
    // The second combination of the same split is extended.
    const SearchRun second = runSearch(kBoard523, 484);
    QVERIFY(contains(second.answers, "(((100+75)-(8+5))x3)-2"));
}

void TestSolverCore::firstStepAtTargetIsNotListed()
{
    // ((100+75)-(8+5))+3 = 165: the first step of an extension reaching the
    // target is neither listed nor extended.
    const SearchRun run = runSearch(kBoard523, 165);
    QVERIFY(!contains(run.answers, "((100+75)-(8+5))+3"));
    // A combination reaching the target is listed (no extension needed).
    const SearchRun combined = runSearch(kBoard523, 162);
    QVERIFY(contains(combined.answers, "(100+75)-(8+5)"));
}

void TestSolverCore::equalNumbersGiveOneAnswer()
{
    // Two 5s are different numbers to the search, so the same text is hit
    // more than once, and listed once.
    const SearchRun run = runSearch({10, 5, 5, 3, 2, 1}, 250);
    QVERIFY(run.hits.size() > run.answers.size());
    QVERIFY(contains(run.answers, "(10x5)x5"));
    const std::set<std::string> unique(run.answers.begin(), run.answers.end());
    QCOMPARE(unique.size(), run.answers.size());
}

void TestSolverCore::targetZeroFindsNothing()
{
    // A rejected operation's 0 never counts as reaching the target, so the
    // target 0 (which the settings allow) finds nothing; the count does not
    // depend on the target.
    const std::vector<std::int32_t> numbers{4, 3, 2, 2, 1, 1};
    const SearchRun zero = runSearch(numbers, 0);
    QCOMPARE(zero.outcome, solver::SearchOutcome::Finished);
    QVERIFY2(zero.hits.empty(), zero.hits.empty() ? "" : zero.hits.front().c_str());
    const SearchRun negative = runSearch(numbers, -1);
    QVERIFY(negative.hits.empty());
    const SearchRun some = runSearch(numbers, 10);
    QVERIFY(!some.answers.empty());
    QCOMPARE(zero.count, some.count);
    QCOMPARE(zero.reports, some.reports);
}

void TestSolverCore::stopInThirdYieldFinishesRunningSplits()
{
    // Yields: the first pair, the first second pair, then after the first
    // extended combination. The split's other two second pairs still run up
    // to their first extended combination, 12 combinations each.
    const SearchRun run = runSearch(kBoard523, 523, [](int yield, bool &running) {
        if (yield == 3)
            running = false;
    });
    QCOMPARE(run.outcome, solver::SearchOutcome::Stopped);
    QVERIFY(!run.running);
    QCOMPARE(run.count, 36);
    QCOMPARE(run.reports, (std::vector<std::int32_t>{12, 24, 36}));
    QVERIFY(run.answers.empty());
}

void TestSolverCore::stopDuringChainLevel()
{
    const SearchRun full = runSearch(kBoard523, 523);
    // The first yield after a chain report that comes after some answers.
    solver::SolverCore probe;
    int stopAt = 0;
    std::size_t reportsBefore = 0;
    bool inChain = false;
    solver::SearchHooks hooks;
    std::size_t reports = 0;
    int yields = 0;
    std::size_t hits = 0;
    hooks.hit = [&](std::string &) { ++hits; };
    hooks.progress = [&](std::int32_t count) {
        ++reports;
        inChain = count % 12 != 0 || inChain; // the pair family adds 12 a report
    };
    hooks.yield = [&] {
        ++yields;
        if (stopAt == 0 && hits > 3 && inChain) {
            stopAt = yields;
            reportsBefore = reports;
        }
    };
    bool running = false;
    std::int32_t count = 0;
    probe.search(kBoard523, 523, running, count, hooks);
    QVERIFY(stopAt > 0);

    const SearchRun stopped = runSearch(kBoard523, 523, [stopAt](int yield, bool &running) {
        if (yield == stopAt)
            running = false;
    });
    QCOMPARE(stopped.outcome, solver::SearchOutcome::Stopped);
    // It ends right after that level's report: no report, no answer after it.
    QCOMPARE(stopped.reports.size(), reportsBefore);
    QCOMPARE(stopped.count, stopped.reports.back());
    // The remaining first and second pairs still pass their entry yields.
    QVERIFY(stopped.yields >= stopAt);
    const std::size_t listed = full.answersAtYield[static_cast<std::size_t>(stopAt - 1)];
    QCOMPARE(stopped.answers,
             std::vector<std::string>(full.answers.begin(), full.answers.begin() + listed));
    QVERIFY(stopped.answers.size() < full.answers.size());
}

void TestSolverCore::stopAtFirstYield()
{
    // Stopped before anything is tried: the remaining first pairs still pass
    // through their first yield and return.
    const SearchRun run = runSearch(kBoard523, 523, [](int, bool &running) { running = false; });
    QCOMPARE(run.outcome, solver::SearchOutcome::Stopped);
    QCOMPARE(run.count, 0);
    QVERIFY(run.reports.empty());
    QVERIFY(run.answers.empty());
}

void TestSolverCore::nestedSearchIsRefused()
{
    solver::SolverCore core;
    solver::SearchOutcome nested = solver::SearchOutcome::Finished;
    bool nestedRunning = false;
    std::int32_t nestedCount = -7;
    const SearchRun run = runSearch(core, kBoard523, 523, [&](int yield, bool &) {
        if (yield == 10)
            nested = core.search(kBoard523, 523, nestedRunning, nestedCount, {});
    });
    QCOMPARE(nested, solver::SearchOutcome::Busy);
    QCOMPARE(nestedCount, -7);
    QVERIFY(!nestedRunning);
    // The running search was not disturbed.
    QCOMPARE(run.outcome, solver::SearchOutcome::Finished);
    QCOMPARE(run.count, 210492);
    QCOMPARE(run.answers.size(), std::size_t{32});
    // And the core is free again afterwards.
    QVERIFY(!core.isSearching());
    QCOMPARE(runSearch(core, kBoard523, 523).count, 210492);
}

void TestSolverCore::invalidNumbersAreRefused()
{
    for (const std::vector<std::int32_t> &numbers : {std::vector<std::int32_t>{5, 5, 5, 3, 2, 1},
                                                     std::vector<std::int32_t>{101, 5, 4, 3, 2, 1},
                                                     std::vector<std::int32_t>{5, 4, 3, 2, 1}}) {
        solver::SolverCore core;
        bool running = false;
        std::int32_t count = 3;
        int calls = 0;
        solver::SearchHooks hooks;
        hooks.yield = [&calls] { ++calls; };
        QCOMPARE(core.search(numbers, 523, running, count, hooks),
                 solver::SearchOutcome::InvalidNumbers);
        QVERIFY(!running);
        QCOMPARE(count, 3);
        QCOMPARE(calls, 0);
    }
    // The trailing 0 of the chosen numbers is not one of the six.
    QCOMPARE(runSearch({100, 75, 8, 5, 3, 2, 0}, 523).count, 210492);
}

QTEST_APPLESS_MAIN(TestSolverCore)
#include "tst_solvercore.moc"

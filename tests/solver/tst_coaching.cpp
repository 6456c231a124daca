// The hints, the ratings and the near miss against the plain reference
// (plainreach.h) and the complete search's own answers, on hand-picked and
// random boards; the targets of a rating against rating each target alone.

#include "plainreach.h"
#include "randomboard.h"

#include "coaching.h"
#include "completesearch.h"

#include <QTest>

#include <algorithm>
#include <array>
#include <functional>
#include <string>
#include <vector>

using Numbers = std::vector<std::int32_t>;
using Steps = std::vector<solver::AnswerStep>;

namespace {

// The most of a's steps that can be matched to b's, each to one: a plain
// augmenting-path matching, blind to the order of either.
int mostShared(const Steps &a, const Steps &b)
{
    std::vector<int> owner(b.size(), -1);
    std::vector<bool> seen;
    const std::function<bool(std::size_t)> augment = [&](std::size_t i) {
        for (std::size_t j = 0; j < b.size(); ++j) {
            if (seen[j] || !a[i].sameAs(b[j]))
                continue;
            seen[j] = true;
            if (owner[j] < 0 || augment(std::size_t(owner[j]))) {
                owner[j] = int(i);
                return true;
            }
        }
        return false;
    };
    int matched = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        seen.assign(b.size(), false);
        matched += augment(i);
    }
    return matched;
}

} // namespace

class TestCoaching : public QObject
{
    Q_OBJECT

private slots:
    void againstReference_data();
    void againstReference();
    void nearMissRows_data();
    void nearMissRows();
    void targetsRated_data();
    void targetsRated();
};

void TestCoaching::againstReference_data()
{
    QTest::addColumn<Numbers>("numbers");
    QTest::addColumn<qint64>("target");
    QTest::addColumn<QString>("rating"); // pinned by hand from the rule, or empty
    // 4 numbers, 27 answers: 1 + 1.
    QTest::newRow("523") << Numbers{100, 75, 8, 5, 3, 2} << qint64(523) << "Easy";
    // 4 numbers, 17 answers: 1 + 2.
    QTest::newRow("877") << Numbers{100, 75, 8, 5, 3, 2} << qint64(877) << "Medium";
    // 5 numbers, 8 answers: 2 + 3.
    QTest::newRow("999, no large") << Numbers{10, 9, 8, 7, 6, 5} << qint64(999) << "Hard";
    // 6 numbers, 2 answers, both with a division and a step above 1000.
    QTest::newRow("952") << Numbers{100, 75, 50, 25, 6, 3} << qint64(952) << "Very hard";
    QTest::newRow("unreachable") << Numbers{3, 3, 2, 2, 1, 1} << qint64(999) << "Very hard";
    QTest::newRow("two nearest") << Numbers{4, 3, 2, 2, 1, 1} << qint64(102) << "";
    QRandomGenerator random(60317);
    for (int row = 0; row < 150; ++row) {
        const Numbers numbers = drawBoard(random);
        const qint64 target = row % 10 == 0 ? random.bounded(1, 100000) : random.bounded(101, 1000);
        QTest::newRow(qPrintable(describe(numbers, target))) << numbers << target << "";
    }
}

void TestCoaching::againstReference()
{
    QFETCH(Numbers, numbers);
    QFETCH(qint64, target);
    QFETCH(QString, rating);
    const solver::CompleteResult all = solver::completeSearch(numbers, target);
    const plain::Reach reach = plain::plainReach(numbers, target);

    // The hint: one simplest answer to the lower nearest value.
    const solver::Hint hint = solver::hintFor(numbers, target);
    QCOMPARE(hint.exact, reach.distance == 0);
    QCOMPARE(hint.best, reach.nearest.front());
    QCOMPARE(hint.bestDistance, reach.distance);
    QCOMPARE(hint.fewestNumbers, plain::plainReach(numbers, hint.best).fewest);
    const solver::CheckResult way = solver::checkAnswer(hint.way, numbers);
    QVERIFY(way.valid);
    QCOMPARE(way.value, hint.best);
    std::vector<std::int64_t> used = plain::Reader(hint.way).read()->numbers;
    std::sort(used.begin(), used.end(), std::greater<>());
    QCOMPARE(Numbers(used.begin(), used.end()), hint.uses);
    QCOMPARE(int(used.size()), hint.fewestNumbers);
    std::string signs;
    for (const solver::Operation op : hint.operations)
        signs += solver::operationSign(op);
    std::string written = "+-x/";
    std::erase_if(written, [&](char sign) { return hint.way.find(sign) == std::string::npos; });
    QCOMPARE(signs, written);
    const Steps steps = solver::answerSteps(hint.way, numbers);
    QCOMPARE(hint.firstStep.has_value(), !steps.empty());
    if (hint.firstStep)
        QCOMPARE(solver::stepWithResult(*hint.firstStep), solver::stepWithResult(steps.front()));

    // The rating's figures, against their meaning over the answers' texts.
    const solver::RatingFigures figures = solver::rateBoard(numbers, target);
    bool withoutDivision = false;
    bool withoutLarge = false;
    for (const solver::CompleteAnswer &answer : all.answers) {
        withoutDivision = withoutDivision || answer.text.find('/') == std::string::npos;
        const Steps worked = solver::answerSteps(answer.text, numbers);
        withoutLarge = withoutLarge || std::none_of(worked.begin(), worked.end(), [](auto &s) {
                           return s.result > solver::kLargeValue;
                       });
    }
    QCOMPARE(figures.exact, hint.exact);
    QCOMPARE(figures.best, hint.best);
    QCOMPARE(figures.bestDistance, hint.bestDistance);
    QCOMPARE(figures.fewestNumbers, reach.fewest);
    QCOMPARE(figures.distinctAnswers, all.answers.size());
    QCOMPARE(figures.needsDivision, !withoutDivision);
    QCOMPARE(figures.needsLargeValue, !withoutLarge);
    if (!rating.isEmpty())
        QCOMPARE(QString::fromUtf8(solver::ratingName(figures.rating)), rating);

    // The near miss, for an answer to another target and for one of the
    // complete search's own: none shares more, none before it as many.
    const std::string own = all.answers[std::size_t(target) % all.answers.size()].text;
    for (const std::string &answer : {solver::hintFor(numbers, target + 7).way, own}) {
        const solver::NearMiss miss = solver::nearMiss(numbers, target, answer);
        const Steps player = solver::answerSteps(answer, numbers);
        QCOMPARE(miss.playerSteps.size(), player.size());
        const auto closest = std::find_if(all.answers.begin(), all.answers.end(),
                                          [&](auto &a) { return a.text == miss.closest; });
        QVERIFY(closest != all.answers.end());
        const int shared = mostShared(solver::answerSteps(miss.closest, numbers), player);
        QCOMPARE(int(miss.shared.size()), shared);
        for (auto other = all.answers.begin(); other != all.answers.end(); ++other) {
            const int theirs = mostShared(solver::answerSteps(other->text, numbers), player);
            QVERIFY(other < closest ? theirs < shared : theirs <= shared);
        }
        if (answer == own)
            QCOMPARE(shared, int(player.size()));
        int parted = shared == 0 ? 0 : 1; // the first of the player's steps not shared
        while (parted > 0 && std::count(miss.shared.begin(), miss.shared.end(), parted))
            ++parted;
        QCOMPARE(miss.partedAt, parted);
    }
}

void TestCoaching::nearMissRows_data()
{
    QTest::addColumn<Numbers>("numbers");
    QTest::addColumn<qint64>("target");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("closest");
    QTest::addColumn<QList<int>>("shared");
    QTest::addColumn<int>("partedAt");
    QTest::addColumn<QString>("instead"); // empty: closest takes nothing the player did not
    const Numbers board{100, 75, 8, 5, 3, 2};
    QTest::newRow("all shared") << board << qint64(523) << "(100+5)x(8-3)-2"
                                << "((100+5)x(8-3))-2" << QList<int>{1, 2, 3, 4} << 5 << "";
    QTest::newRow("one short") << board << qint64(523) << "(100+75)x3"
                               << "((100+75)x3)-2" << QList<int>{1, 2} << 3 << "525 - 2 = 523";
    QTest::newRow("parts at the second step")
        << board << qint64(523) << "100x5+8x3"
        << "((100x5)+(75/3))-2" << QList<int>{1} << 2 << "75 / 3 = 25";
    QTest::newRow("a broken rule") << board << qint64(523) << "(100-75)/2"
                                   << "((100+3)x5)+8" << QList<int>{} << 0 << "100 + 3 = 103";
    // Equal steps from equal numbers, each matched once, in either order.
    const Numbers pairs{3, 3, 2, 2, 1, 1};
    QTest::newRow("equal steps") << pairs << qint64(999) << "(2+1)x3x(2+1)x3"
                                 << "(((2+1)x(2+1))x3)x3" << QList<int>{1, 2, 3, 4, 5} << 6 << "";
    QTest::newRow("below and above")
        << Numbers{4, 3, 2, 2, 1, 1} << qint64(102) << "4x3x2x(2+1+1)"
        << "((((2+1)+1)x4)x3)x2" << QList<int>{3, 4} << 1 << "4 x 4 = 16";
}

void TestCoaching::nearMissRows()
{
    QFETCH(Numbers, numbers);
    QFETCH(qint64, target);
    QFETCH(QString, answer);
    const solver::NearMiss miss = solver::nearMiss(numbers, target, answer.toStdString());
    QTEST(QString::fromStdString(miss.closest), "closest");
    QTEST(QList<int>(miss.shared.begin(), miss.shared.end()), "shared");
    QTEST(miss.partedAt, "partedAt");
    QTEST(miss.instead ? QString::fromStdString(solver::stepWithResult(*miss.instead)) : QString(),
          "instead");
}

void TestCoaching::targetsRated_data()
{
    QTest::addColumn<Numbers>("numbers");
    QTest::addColumn<int>("lo");
    QTest::addColumn<int>("hi");
    // The rating given when Easy, Medium, Hard and Very hard are wanted.
    QTest::addColumn<QString>("given");
    QTest::newRow("every rating") << Numbers{100, 75, 8, 5, 3, 2} << 101 << 999 << "EMHV";
    QTest::newRow("three pairs") << Numbers{10, 10, 9, 9, 8, 8} << 101 << 999 << "EMHV";
    QTest::newRow("easy only") << Numbers{100, 75, 8, 5, 3, 2} << 101 << 150 << "EEEE";
    // No Medium: Easy and Hard are as near, and the easier is taken.
    QTest::newRow("between") << Numbers{10, 10, 9, 9, 8, 8} << 135 << 140 << "EEHV";
    QTest::newRow("up to the top") << Numbers{100, 75, 50, 25, 10, 9} << 32700 << 32767 << "VVVV";
    QTest::newRow("no range") << Numbers{100, 75, 8, 5, 3, 2} << 500 << 499 << "EMHV";
}

void TestCoaching::targetsRated()
{
    QFETCH(Numbers, numbers);
    QFETCH(int, lo);
    QFETCH(int, hi);
    QFETCH(QString, given);
    std::array<std::vector<std::int32_t>, solver::kRatings> alone;
    for (int target = lo; target <= hi; ++target)
        alone[std::size_t(solver::rateBoard(numbers, target).rating)].push_back(target);
    for (int wanted = 0; wanted < solver::kRatings; ++wanted) {
        const solver::RatedTargets rated =
            solver::targetsRated(numbers, lo, hi, static_cast<solver::Rating>(wanted));
        const int expected = int(QStringLiteral("EMHV").indexOf(given.at(wanted)));
        QCOMPARE(int(rated.rating), expected);
        QCOMPARE(rated.targets, alone[std::size_t(expected)]);
    }
}

QTEST_APPLESS_MAIN(TestCoaching)
#include "tst_coaching.moc"

// The complete search against a deliberately plain reference (plainreach.h):
// the values any board reaches by combining two numbers at a time, and, on a
// few boards, every expression there is, each reduced to its canonical form.

#include "plainreach.h"
#include "randomboard.h"

#include "completesearch.h"

#include <QTest>

#include <algorithm>
#include <array>
#include <bit>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace plain;

bool sameNumbersIn(std::vector<std::int64_t> used, const std::vector<std::int32_t> &deal)
{
    std::vector<std::int64_t> pool(deal.begin(), deal.end());
    for (const std::int64_t n : used) {
        const auto at = std::find(pool.begin(), pool.end(), n);
        if (at == pool.end())
            return false;
        pool.erase(at);
    }
    return true;
}

// What every result must satisfy on its own: each answer reads back under
// the rules, comes to a nearest value, uses numbers of the deal and counts
// them right, has no pointless step, and is listed once and in order.
// Gathers the canonical keys of the answers.
void checkAnswers(const std::vector<std::int32_t> &deal, const solver::CompleteResult &result,
                  const QByteArray &what, std::set<std::string> &keys)
{
    for (std::size_t i = 0; i < result.answers.size(); ++i) {
        const solver::CompleteAnswer &answer = result.answers[i];
        const QByteArray where = what + " answer " + QByteArray::fromStdString(answer.text);
        const std::optional<Expr> e = Reader(answer.text).read();
        QVERIFY2(e, where.constData());
        QVERIFY2(e->value == answer.value, where.constData());
        QVERIFY2(std::count(result.nearest.begin(), result.nearest.end(), e->value) == 1,
                 where.constData());
        QVERIFY2(!e->pointless, where.constData());
        QVERIFY2(sameNumbersIn(e->numbers, deal), where.constData());
        QVERIFY2(int(e->numbers.size()) == answer.numbersUsed, where.constData());
        QVERIFY2(keys.insert(e->key).second, where.constData()); // listed once
        if (i == 0)
            continue;
        const solver::CompleteAnswer &before = result.answers[i - 1];
        QVERIFY2(std::tuple(before.numbersUsed, before.text.size(), before.text) <
                     std::tuple(answer.numbersUsed, answer.text.size(), answer.text),
                 where.constData());
    }
}

} // namespace

class TestCompleteSearch : public QObject
{
    Q_OBJECT

private slots:
    void randomDealsAgreeWithPlainValues();
    void everyAnswerOfABoard_data();
    void everyAnswerOfABoard();
};

void TestCompleteSearch::randomDealsAgreeWithPlainValues()
{
    QRandomGenerator random(19742);
    constexpr int kDeals = 300;
    int exact = 0;
    for (int deal = 0; deal < kDeals; ++deal) {
        const std::vector<std::int32_t> numbers = drawBoard(random);
        // Now and then a target beyond the game's range, or one far out of reach.
        const std::int64_t target =
            deal % 10 == 0 ? random.bounded(1, 100000) : random.bounded(101, 1000);
        const QByteArray what = describe(numbers, target).toUtf8();
        const solver::CompleteResult result = solver::completeSearch(numbers, target);
        std::set<std::string> keys;
        checkAnswers(numbers, result, what, keys);
        if (QTest::currentTestFailed())
            return;
        QVERIFY2(!result.answers.empty(), what.constData());
        const solver::CompleteResult alone = solver::nearestReach(numbers, target);
        QVERIFY2(alone.nearest == result.nearest && alone.distance == result.distance,
                 what.constData());

        // Every answer stands under the rules (checked above), and leaving out
        // a pointless step reaches the same value with fewer numbers, so the
        // plain values, pointless steps and all, must come out the same.
        const Reach found{result.distance, result.nearest, result.answers.front().numbersUsed};
        const Reach expected = plainReach(numbers, target);
        QVERIFY2(result.exact == (expected.distance == 0), what.constData());
        QVERIFY2(found.distance == expected.distance, what.constData());
        QVERIFY2(found.nearest == expected.nearest, what.constData());
        QVERIFY2(found.fewest == expected.fewest, what.constData());
        exact += result.exact;
    }
    // Both kinds of result are well represented.
    QVERIFY(exact > kDeals / 2 && exact < kDeals);
}

void TestCompleteSearch::everyAnswerOfABoard_data()
{
    QTest::addColumn<std::vector<std::int32_t>>("numbers");
    QTest::addColumn<std::int64_t>("target");
    QTest::newRow("many answers") << std::vector<std::int32_t>{100, 75, 8, 5, 3, 2}
                                  << std::int64_t(523);
    QTest::newRow("unreachable, equal numbers")
        << std::vector<std::int32_t>{3, 3, 2, 2, 1, 1} << std::int64_t(999);
    QTest::newRow("unreachable, two nearest")
        << std::vector<std::int32_t>{4, 3, 2, 2, 1, 1} << std::int64_t(102);
    QTest::newRow("small, equal numbers")
        << std::vector<std::int32_t>{5, 5, 4, 4, 3, 1} << std::int64_t(120);
    // Boards whose best needs n/n to make a 1, as a sum's term.
    QTest::newRow("4/4 added") << std::vector<std::int32_t>{50, 7, 4, 4, 2, 2} << std::int64_t(451);
    QTest::newRow("8/8 added, three pairs")
        << std::vector<std::int32_t>{10, 10, 9, 9, 8, 8} << std::int64_t(999);
    QTest::newRow("nearest through 4/4")
        << std::vector<std::int32_t>{5, 5, 4, 10, 6, 4} << std::int64_t(602);
    QTest::newRow("nearest above through n/n")
        << std::vector<std::int32_t>{5, 8, 10, 8, 10, 5} << std::int64_t(713);
}

void TestCompleteSearch::everyAnswerOfABoard()
{
    QFETCH(std::vector<std::int32_t>, numbers);
    QFETCH(std::int64_t, target);
    const QByteArray what = describe(numbers, target).toUtf8();
    const solver::CompleteResult result = solver::completeSearch(numbers, target);
    std::set<std::string> listed;
    checkAnswers(numbers, result, what, listed);
    const PlainReach plain(numbers);
    const Reach reach = reachOf(plain.fewest, target);
    QCOMPARE(result.nearest, reach.nearest);
    QCOMPARE(result.distance, reach.distance);
    std::set<std::string> expected;
    QVERIFY(!result.answers.empty());
    for (const std::int64_t value : result.nearest)
        expected.insert(plain.keys.at(value).begin(), plain.keys.at(value).end());
    QVERIFY2(listed == expected, what.constData());
}

QTEST_APPLESS_MAIN(TestCompleteSearch)
#include "tst_completesearch.moc"

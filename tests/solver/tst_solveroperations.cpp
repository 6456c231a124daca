// The search's building blocks: the operation rules, exact division, the
// last level's tally, the order of the arrangements, the sort, the board
// check and the answer list.

#include "searchrun.h"

#include "answerlist.h"
#include "arrangementorder.h"
#include "boardselection.h"
#include "bubblesort.h"
#include "lastlevel.h"
#include "operation.h"

#include <QRandomGenerator>
#include <QStringList>
#include <QTest>

#include <algorithm>
#include <vector>

class TestSolverOperations : public QObject
{
    Q_OBJECT

private slots:
    void applyOp_data();
    void applyOp();
    void applyOpUsesRightText();
    void exactDivisorMatchesRemainder();
    void smallDivisorsMatchRemainder();
    void lastLevelTallyMatchesOperations();
    void arrangementOrders();
    void bubbleSortLargestFirst();
    void boardSelection_data();
    void boardSelection();
    void answerListStripsAndSkipsDuplicates();
};

void TestSolverOperations::applyOp_data()
{
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("op");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    // A rejected operation leaves the left text ("L") as it was.
    QTest::newRow("3+8") << 3 << 8 << 1 << 11 << "(L+8)";
    QTest::newRow("3-8 larger first") << 3 << 8 << 2 << 5 << "(8-L)";
    QTest::newRow("8-3") << 8 << 3 << 2 << 5 << "(L-3)";
    QTest::newRow("5-5 rejected") << 5 << 5 << 2 << 0 << "L";
    QTest::newRow("6x4") << 6 << 4 << 3 << 24 << "(Lx4)";
    QTest::newRow("5x1 rejected") << 5 << 1 << 3 << 0 << "L";
    QTest::newRow("1x5 rejected") << 1 << 5 << 3 << 0 << "L";
    QTest::newRow("6/4 rejected") << 6 << 4 << 4 << 0 << "L";
    QTest::newRow("3/6 larger first") << 3 << 6 << 4 << 2 << "(6/L)";
    QTest::newRow("6/3") << 6 << 3 << 4 << 2 << "(L/3)";
    QTest::newRow("5/1 rejected") << 5 << 1 << 4 << 0 << "L";
    QTest::newRow("1/5 rejected") << 1 << 5 << 4 << 0 << "L";
    QTest::newRow("5/5") << 5 << 5 << 4 << 1 << "(L/5)";
    QTest::newRow("4/8 larger first") << 4 << 8 << 4 << 2 << "(8/L)";
}

void TestSolverOperations::applyOp()
{
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, op);
    QFETCH(int, value);
    QFETCH(QString, text);
    std::string current = "L";
    QCOMPARE(solver::ApplyOp(a, b, op, current), value);
    QCOMPARE(QString::fromStdString(current), text);
    QCOMPARE(solver::combine(a, b, op).value, value);
}

void TestSolverOperations::applyOpUsesRightText()
{
    std::string current = "(3+2)";
    QCOMPARE(solver::ApplyOp(5, 12, 2, current, "(4x3)"), 7);
    QCOMPARE(current, std::string("((4x3)-(3+2))"));
    current = "(100+3)";
    QCOMPARE(solver::ApplyOp(103, 5, 3, current), 515);
    QCOMPARE(current, std::string("((100+3)x5)"));
}

void TestSolverOperations::exactDivisorMatchesRemainder()
{
    QRandomGenerator random(20240611);
    std::vector<std::uint32_t> values{0,   1,   2,         3,           99,          100,
                                      127, 128, 937500000, 2147483647u, 2147483648u, 4294967295u};
    for (int i = 0; i < 4000; ++i)
        values.push_back(random.bounded(1000000000u));
    for (std::uint32_t divisor = 1; divisor <= 128; ++divisor) {
        const solver::ExactDivisor exact(divisor);
        for (const std::uint32_t value : values) {
            for (const std::uint32_t v : {value, value / divisor * divisor}) {
                const std::uint32_t expected = v % divisor == 0 ? v / divisor : 0;
                if (exact.quotient(v) != expected) {
                    QFAIL(qPrintable(QStringLiteral("%1 / %2 gave %3")
                                         .arg(v)
                                         .arg(divisor)
                                         .arg(exact.quotient(v))));
                }
            }
        }
    }
}

void TestSolverOperations::smallDivisorsMatchRemainder()
{
    for (std::int32_t number = 0; number < 128; ++number) {
        const solver::SmallDivisors &divisors = solver::smallDivisorsOf(number);
        int listed = 0;
        for (std::int32_t value = -3; value < 300; ++value) {
            const bool expected = value > 1 && value < number && number % value == 0;
            QVERIFY2(divisors.divides(value) == expected,
                     qPrintable(QStringLiteral("%1 of %2").arg(value).arg(number)));
            listed += expected;
        }
        QCOMPARE(divisors.count(), listed);
    }
}

void TestSolverOperations::lastLevelTallyMatchesOperations()
{
    // Both the four-at-a-time path and the plain one must count exactly the
    // operations the search accepts, and never miss an entry that hits.
    QRandomGenerator random(7);
    const std::int32_t boardNumbers[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 25, 50, 75, 100};
    for (int round = 0; round < 400; ++round) {
        const std::int32_t number = boardNumbers[random.bounded(14)];
        const std::int32_t target = static_cast<std::int32_t>(random.bounded(1, 1000));
        std::vector<std::int32_t> values(random.bounded(0, 40));
        for (std::int32_t &value : values) {
            switch (random.bounded(4)) {
            case 0:
                value = static_cast<std::int32_t>(random.bounded(1, 128));
                break;
            case 1:
                value = number * static_cast<std::int32_t>(random.bounded(1, 5000));
                break;
            case 2:
                // No product of board numbers passes 937,500,000.
                value = static_cast<std::int32_t>(random.bounded(1, 937500000 / number + 1));
                break;
            default:
                value = target + static_cast<std::int32_t>(random.bounded(-100, 100));
                value = std::max(value, 1);
            }
        }
        std::int32_t accepted = 0;
        bool hits = false;
        for (const std::int32_t value : values) {
            for (int op = 1; op <= 4; ++op) {
                const std::int32_t result = solver::combine(value, number, op).value;
                accepted += result != 0;
                hits |= result != 0 && result == target;
            }
        }
        const auto hitValues = solver::lastLevelHitValues(number, target);
        const int size = static_cast<int>(values.size());
        const auto fast = solver::tallyLastLevel(values.data(), size, number, hitValues);
        const auto plain = solver::tallyLastLevelScalar(values.data(), size, number, hitValues);
        QCOMPARE(fast.accepted, accepted);
        QCOMPARE(plain.accepted, accepted);
        if (hits) {
            QVERIFY(fast.maybeHit);
            QVERIFY(plain.maybeHit);
        }
        QCOMPARE(fast.maybeHit, plain.maybeHit);
    }
}

void TestSolverOperations::arrangementOrders()
{
    // The positions (2 to 5) each of the 24 arrangements takes its numbers from.
    const int expected[24][4] = {
        {3, 4, 5, 2}, {3, 4, 2, 5}, {3, 5, 4, 2}, {3, 2, 4, 5}, {3, 5, 2, 4}, {3, 2, 5, 4},
        {4, 3, 5, 2}, {4, 3, 2, 5}, {5, 3, 4, 2}, {2, 3, 4, 5}, {5, 3, 2, 4}, {2, 3, 5, 4},
        {4, 5, 3, 2}, {4, 2, 3, 5}, {5, 4, 3, 2}, {2, 4, 3, 5}, {5, 2, 3, 4}, {2, 5, 3, 4},
        {4, 5, 2, 3}, {4, 2, 5, 3}, {5, 4, 2, 3}, {2, 4, 5, 3}, {5, 2, 4, 3}, {2, 5, 4, 3}};
    for (std::size_t row = 0; row < 24; ++row) {
        for (std::size_t column = 0; column < 4; ++column)
            QCOMPARE(solver::kArrangementOrders[row][column], expected[row][column]);
    }
}

void TestSolverOperations::bubbleSortLargestFirst()
{
    std::vector<std::int32_t> values{5, 100, 5, 0};
    solver::BubbleSort(values);
    QCOMPARE(values, (std::vector<std::int32_t>{100, 5, 5, 0}));
    std::vector<std::int32_t> chosen{0, 3, 75, 8, 100, 2, 5};
    solver::BubbleSort(chosen);
    QCOMPARE(chosen, (std::vector<std::int32_t>{100, 75, 8, 5, 3, 2, 0}));
    std::vector<std::int32_t> none;
    solver::BubbleSort(none);
    QVERIFY(none.empty());
}

void TestSolverOperations::boardSelection_data()
{
    QTest::addColumn<QList<int>>("numbers");
    QTest::addColumn<QString>("problem"); // a part of the message, empty when valid
    QTest::newRow("large and small") << QList<int>{100, 75, 50, 25, 10, 10} << "";
    QTest::newRow("pairs of small") << QList<int>{1, 1, 2, 2, 3, 3} << "";
    QTest::newRow("a third 5") << QList<int>{5, 5, 5, 1, 2, 3} << "5 is chosen more often";
    QTest::newRow("two 25s") << QList<int>{25, 25, 1, 2, 3, 4} << "25 is chosen more often";
    QTest::newRow("11") << QList<int>{11, 1, 2, 3, 4, 5} << "11 is not a number of the board";
    QTest::newRow("0") << QList<int>{0, 1, 2, 3, 4, 5} << "0 is not";
    QTest::newRow("-5") << QList<int>{-5, 1, 2, 3, 4, 5} << "-5 is not";
    QTest::newRow("five") << QList<int>{1, 2, 3, 4, 5} << "six numbers";
}

void TestSolverOperations::boardSelection()
{
    QFETCH(QList<int>, numbers);
    QFETCH(QString, problem);
    const std::vector<std::int32_t> values(numbers.begin(), numbers.end());
    const QString found = QString::fromStdString(solver::boardSelectionProblem(values));
    if (problem.isEmpty()) {
        QVERIFY2(found.isEmpty(), qPrintable(found));
        QVERIFY(solver::isBoardSelection(values));
    } else {
        QVERIFY2(found.contains(problem), qPrintable(found));
        QVERIFY(!solver::isBoardSelection(values));
    }
}

void TestSolverOperations::answerListStripsAndSkipsDuplicates()
{
    solver::AnswerList list;
    std::string hit = "(((100+3)x5)+8)";
    QVERIFY(list.add(hit));
    QCOMPARE(hit, std::string("((100+3)x5)+8")); // written back, as listed
    std::string again = "(((100+3)x5)+8)";
    QVERIFY(!list.add(again));
    // The same arithmetic in another bracket structure is another answer.
    std::string other = "((100+3)x(5+8))";
    QVERIFY(list.add(other));
    QCOMPARE(other, std::string("(100+3)x(5+8)"));
    std::string bare = "42";
    QVERIFY(list.add(bare));
    QCOMPARE(bare, std::string("42"));
    QCOMPARE(toList(list.items()), (QStringList{"((100+3)x5)+8", "(100+3)x(5+8)", "42"}));
    list.clear();
    QCOMPARE(list.size(), std::size_t{0});
    std::string first = "(((100+3)x5)+8)";
    QVERIFY(list.add(first));
}

QTEST_APPLESS_MAIN(TestSolverOperations)
#include "tst_solveroperations.moc"

// reachableTargets against the complete search, one target at a time; and
// the board of the day: its dates, some boards pinned for good, and a long
// run of days that must all give a board one can deal and a target it reaches.

#include "randomboard.h"

#include "boardselection.h"
#include "completesearch.h"
#include "dailyboard.h"
#include "reach.h"

#include <QTest>

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

using Numbers = std::vector<std::int32_t>;
Q_DECLARE_METATYPE(Numbers)

class TestReach : public QObject
{
    Q_OBJECT

private slots:
    void agreesWithCompleteSearch_data();
    void agreesWithCompleteSearch();
    void dates_data();
    void dates();
    void pinnedDailyBoards_data();
    void pinnedDailyBoards();
    void aThousandDays();
};

void TestReach::agreesWithCompleteSearch_data()
{
    QTest::addColumn<Numbers>("numbers");
    QTest::addColumn<int>("lo");
    QTest::addColumn<int>("hi");
    QTest::newRow("one target, reached") << Numbers{100, 75, 8, 5, 3, 2} << 523 << 523;
    QTest::newRow("one target, not reached") << Numbers{3, 3, 2, 2, 1, 1} << 999 << 999;
    QTest::newRow("from 1, three pairs") << Numbers{1, 1, 2, 2, 3, 3} << 1 << 150;
    QTest::newRow("from 1, large pairs") << Numbers{10, 10, 9, 9, 8, 8} << 1 << 700;
    QTest::newRow("any order") << Numbers{3, 100, 8, 75, 2, 5} << 101 << 999;
    QTest::newRow("four large") << Numbers{100, 75, 50, 25, 6, 3} << 101 << 999;
    // Far above what sums reach: products, and quotients of larger products.
    QTest::newRow("up to the top") << Numbers{100, 75, 50, 25, 10, 9} << 32200 << 32767;
    QTest::newRow("top alone") << Numbers{100, 75, 50, 10, 10, 9} << 32767 << 32767;
    QTest::newRow("ones") << Numbers{100, 1, 1, 2, 2, 50} << 1 << 400;
    QRandomGenerator random(4317);
    for (int row = 0; row < 40; ++row) {
        const Numbers numbers = drawBoard(random);
        const int lo = random.bounded(1, 1200);
        const int hi = lo + random.bounded(0, 150);
        QTest::newRow(qPrintable(QStringLiteral("random %1 from %2").arg(row).arg(lo)))
            << numbers << lo << hi;
    }
}

void TestReach::agreesWithCompleteSearch()
{
    QFETCH(Numbers, numbers);
    QFETCH(int, lo);
    QFETCH(int, hi);
    const std::vector<bool> reached = solver::reachableTargets(numbers, lo, hi);
    QCOMPARE(reached.size(), std::size_t(hi - lo + 1));
    for (int target = lo; target <= hi; ++target) {
        const bool expected = solver::nearestReach(numbers, target).distance == 0;
        QVERIFY2(reached[std::size_t(target - lo)] == expected,
                 qPrintable(describe(numbers, target)));
    }
}

void TestReach::dates_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<bool>("valid");
    // Days from 1970-01-01, for the valid ones.
    QTest::addColumn<qint64>("dayNumber");
    QTest::newRow("the first day") << 1970 << 1 << 1 << true << qint64(0);
    QTest::newRow("the day before") << 1969 << 12 << 31 << true << qint64(-1);
    QTest::newRow("leap year") << 2024 << 2 << 29 << true << qint64(19782);
    QTest::newRow("common year") << 2023 << 2 << 29 << false << qint64(0);
    QTest::newRow("leap century") << 2000 << 2 << 29 << true << qint64(11016);
    QTest::newRow("after the leap day") << 2000 << 3 << 1 << true << qint64(11017);
    QTest::newRow("common century") << 1900 << 2 << 29 << false << qint64(0);
    QTest::newRow("end of a common February") << 2100 << 2 << 28 << true << qint64(47540);
    QTest::newRow("first year") << 1 << 1 << 1 << true << qint64(-719162);
    QTest::newRow("last year") << 9999 << 12 << 31 << true << qint64(2932896);
    QTest::newRow("year 0") << 0 << 12 << 31 << false << qint64(0);
    QTest::newRow("year 10000") << 10000 << 1 << 1 << false << qint64(0);
    QTest::newRow("April 31") << 2024 << 4 << 31 << false << qint64(0);
    QTest::newRow("day 0") << 2024 << 1 << 0 << false << qint64(0);
    QTest::newRow("month 13") << 2024 << 13 << 1 << false << qint64(0);
}

void TestReach::dates()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(bool, valid);
    QFETCH(qint64, dayNumber);
    QCOMPARE(solver::validDate(year, month, day), valid);
    if (valid)
        QCOMPARE(solver::dayNumber(year, month, day), dayNumber);
}

// Checked once by hand against the complete search: numbers the board deals
// and a target they reach (an answer of each in the comment). These must
// never change: everyone's past and future boards hang on them.
void TestReach::pinnedDailyBoards_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<Numbers>("numbers");
    QTest::addColumn<int>("target");
    // 75+50
    QTest::newRow("1970-01-01") << 1970 << 1 << 1 << Numbers{100, 75, 50, 25, 6, 4} << 125;
    // (25+(100/50))x(5+2)
    QTest::newRow("2000-02-29") << 2000 << 2 << 29 << Numbers{100, 50, 25, 10, 5, 2} << 189;
    // (100x8)+((25+1)/2)
    QTest::newRow("2027-01-01") << 2027 << 1 << 1 << Numbers{100, 50, 25, 8, 2, 1} << 813;
    // ((((50-5)-3)x10)-1)x2
    QTest::newRow("0001-01-01") << 1 << 1 << 1 << Numbers{50, 10, 5, 3, 2, 1} << 838;
    // ((((10+3)x3)+7)x6)-8
    QTest::newRow("9999-12-31") << 9999 << 12 << 31 << Numbers{10, 8, 7, 6, 3, 3} << 268;
}

void TestReach::pinnedDailyBoards()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(Numbers, numbers);
    QFETCH(int, target);
    const solver::DailyBoard board = solver::dailyBoard(year, month, day);
    QCOMPARE(Numbers(board.numbers.begin(), board.numbers.end()), numbers);
    QCOMPARE(board.target, target);
}

// A thousand days from 2026-06-01 (2028-02-29 among them), walked one day at
// a time: each day's number is one more than the last, and each board is a
// deal of the board, largest first, with a target from 101 to 999 that the
// complete search reaches. The counts of large numbers follow their weights
// (7, 4, 3, 1, 1 out of 16 for 1, 2, 0, 3, 4).
void TestReach::aThousandDays()
{
    int year = 2026;
    int month = 6;
    int day = 1;
    std::int64_t last = solver::dayNumber(year, month, day) - 1;
    std::array<int, 5> largeCounts{};
    bool leapDaySeen = false;
    for (int n = 0; n < 1000; ++n) {
        const QByteArray date = QStringLiteral("%1-%2-%3").arg(year).arg(month).arg(day).toUtf8();
        QVERIFY2(solver::dayNumber(year, month, day) == last + 1, date.constData());
        last = solver::dayNumber(year, month, day);
        leapDaySeen = leapDaySeen || (month == 2 && day == 29);

        const solver::DailyBoard board = solver::dailyBoard(year, month, day);
        QVERIFY2(solver::boardSelectionProblem(board.numbers).empty(), date.constData());
        QVERIFY2(std::is_sorted(board.numbers.begin(), board.numbers.end(), std::greater<>()),
                 date.constData());
        QVERIFY2(board.target >= 101 && board.target <= 999, date.constData());
        QVERIFY2(solver::nearestReach(board.numbers, board.target).distance == 0, date.constData());
        ++largeCounts[std::size_t(std::count_if(board.numbers.begin(), board.numbers.end(),
                                                [](std::int32_t v) { return v > 10; }))];

        if (solver::validDate(year, month, day + 1)) {
            ++day;
        } else if (solver::validDate(year, month + 1, 1)) {
            ++month;
            day = 1;
        } else {
            ++year;
            month = day = 1;
        }
    }
    QVERIFY(leapDaySeen);
    QVERIFY(largeCounts[1] > largeCounts[2]);
    QVERIFY(largeCounts[2] > largeCounts[0]);
    QVERIFY(largeCounts[0] > largeCounts[3] && largeCounts[0] > largeCounts[4]);
    QVERIFY(largeCounts[3] > 20 && largeCounts[4] > 20);
}

QTEST_APPLESS_MAIN(TestReach)
#include "tst_reach.moc"

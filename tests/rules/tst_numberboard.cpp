// The deal and the pick rule, without a window.

#include "bubblesort.h"
#include "gameflow.h"
#include "gamewatcher.h"
#include "numberboard.h"

#include <QTest>

#include <algorithm>

class TestNumberBoard : public QObject
{
    Q_OBJECT

private slots:
    void everyDealHoldsEachNumberOncePerRow();
    void dealsDiffer();
    void labelOrderForSmallAndLargeNumbers();
    void picksFillLabelsThenSortOnTheSixth_data();
    void picksFillLabelsThenSortOnTheSixth();
    void bubbleSortKeepsEqualValuesAndSortsLargestFirst();
};

void TestNumberBoard::everyDealHoldsEachNumberOncePerRow()
{
    NumberBoard board;
    const QList<int> small{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    const QList<int> large{25, 50, 75, 100};
    for (int deal = 0; deal < 3000; ++deal) {
        board.ScrambleNos();
        QList<int> row1, row2, row3;
        for (int tile = 0; tile < NumberBoard::TileCount; ++tile) {
            // The hidden text is the plain decimal form of the number.
            const qint16 v = board.value(tile);
            QCOMPARE(board.Tag(tile), QString::number(v));
            (tile < 10 ? row1 : tile < 20 ? row2 : row3).append(v);
        }
        std::sort(row1.begin(), row1.end());
        std::sort(row2.begin(), row2.end());
        std::sort(row3.begin(), row3.end());
        QCOMPARE(row1, small);
        QCOMPARE(row2, small);
        QCOMPARE(row3, large);
    }
}

void TestNumberBoard::dealsDiffer()
{
    // Every position of every row is reached (the shuffle is not stuck),
    // and the two small rows are shuffled independently of each other.
    NumberBoard board;
    std::array<std::array<bool, 11>, 20> seen{};
    std::array<std::array<bool, 4>, 4> seenLarge{};
    int sameRows = 0;
    for (int deal = 0; deal < 500; ++deal) {
        board.ScrambleNos();
        bool same = true;
        for (int tile = 0; tile < 20; ++tile)
            seen[tile][board.value(tile)] = true;
        for (int tile = 0; tile < 10; ++tile)
            same = same && board.Tag(tile) == board.Tag(tile + 10);
        for (int tile = 20; tile < 24; ++tile)
            seenLarge[tile - 20][board.value(tile) / 25 - 1] = true;
        sameRows += same;
    }
    for (int tile = 0; tile < 20; ++tile)
        for (int v = 1; v <= 10; ++v)
            QVERIFY2(seen[tile][v],
                     qPrintable(QStringLiteral("tile %1 never held %2").arg(tile).arg(v)));
    for (const auto &row : seenLarge)
        QVERIFY(std::all_of(row.begin(), row.end(), [](bool b) { return b; }));
    QVERIFY(sameRows < 3);
}

void TestNumberBoard::labelOrderForSmallAndLargeNumbers()
{
    std::array<bool, 6> free{};
    free.fill(true);
    auto isFree = [&free](int l) { return free.at(l); };
    QCOMPARE(NumberBoard::labelForPick(0, isFree), 5);
    QCOMPARE(NumberBoard::labelForPick(19, isFree), 5);
    QCOMPARE(NumberBoard::labelForPick(20, isFree), 0);
    QCOMPARE(NumberBoard::labelForPick(23, isFree), 0);
    free = {false, true, true, false, true, false};
    QCOMPARE(NumberBoard::labelForPick(7, isFree), 4);
    QCOMPARE(NumberBoard::labelForPick(22, isFree), 1);
    free.fill(false);
    QCOMPARE(NumberBoard::labelForPick(2, isFree), -1);
    QCOMPARE(NumberBoard::labelForPick(21, isFree), -1);
}

void TestNumberBoard::picksFillLabelsThenSortOnTheSixth_data()
{
    QTest::addColumn<QList<int>>("tiles");
    QTest::addColumn<QList<int>>("values");
    QTest::addColumn<QStringList>("afterThree");
    QTest::addColumn<QStringList>("afterSix");

    // 100, 7 and 25 fill labels 0, 5 and 1.
    QTest::newRow("large from the left, small from the right")
        << QList<int>{20, 3, 21, 0, 10, 11} << QList<int>{100, 7, 25, 2, 9, 1}
        << QStringList{"100", "25", "", "", "", "7"}
        << QStringList{"100", "25", "9", "7", "2", "1"};
    QTest::newRow("pairs of equal numbers")
        << QList<int>{0, 10, 1, 11, 2, 12} << QList<int>{1, 1, 2, 2, 3, 3}
        << QStringList{"", "", "", "2", "1", "1"} << QStringList{"3", "3", "2", "2", "1", "1"};
}

void TestNumberBoard::picksFillLabelsThenSortOnTheSixth()
{
    QFETCH(QList<int>, tiles);
    QFETCH(QList<int>, values);
    QFETCH(QStringList, afterThree);
    QFETCH(QStringList, afterSix);

    GameFlow flow;
    GameWatcher view(flow);
    flow.ScrambleNos();
    const QList<qint32> &chosen = flow.picks();
    QVERIFY(chosen.isEmpty());
    for (int i = 0; i < tiles.size(); ++i)
        flow.board().setTag(tiles.at(i), QString::number(values.at(i)));

    for (int i = 0; i < 6; ++i) {
        flow.btnPick_Click(qint16(tiles.at(i)));
        QVERIFY(!view.shown.tiles.at(tiles.at(i)));
        QCOMPARE(chosen.size(), i + 1);
        if (i < 5) // the sixth pick sorts the list
            QCOMPARE(chosen.last(), values.at(i));
        if (i == 2) {
            QCOMPARE(QStringList(view.shown.labels.begin(), view.shown.labels.end()), afterThree);
            QCOMPARE(view.visibleTiles(), 21);
            QVERIFY(view.shown.instructions);
            QVERIFY(!view.shown.command1Enabled);
        }
    }
    QCOMPARE(QStringList(view.shown.labels.begin(), view.shown.labels.end()), afterSix);
    QList<qint32> expected;
    for (const QString &s : afterSix)
        expected.append(s.toInt());
    QCOMPARE(chosen, expected);
    QCOMPARE(view.visibleTiles(), 0);
    QVERIFY(!view.shown.instructions);
    QVERIFY(view.shown.command1Enabled);
    QCOMPARE(view.shown.command1, QStringLiteral("START"));
    // A picked tile, or any tile once six are picked, picks nothing more.
    flow.btnPick_Click(qint16(tiles.first()));
    flow.btnPick_Click(qint16(23 - tiles.first()));
    QCOMPARE(chosen, expected);
}

void TestNumberBoard::bubbleSortKeepsEqualValuesAndSortsLargestFirst()
{
    std::array<qint32, 4> values{5, 100, 5, 0};
    solver::BubbleSort(std::span<qint32>(values));
    QCOMPARE(values, (std::array<qint32, 4>{100, 5, 5, 0}));
    std::array<qint32, 1> one{7};
    solver::BubbleSort(std::span<qint32>(one));
    QCOMPARE(one[0], 7);
    solver::BubbleSort(std::span<qint32>());
}

QTEST_GUILESS_MAIN(TestNumberBoard)
#include "tst_numberboard.moc"

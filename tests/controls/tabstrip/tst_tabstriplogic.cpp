#include "captionstring.h"
#include "tabrow.h"

#include <QTest>

// The caption string and the tab row's hit test, without any widget.
class TestTabStripLogic : public QObject
{
    Q_OBJECT

private slots:
    void readsOnePiece_data();
    void readsOnePiece();
    void countsCaptions_data();
    void countsCaptions();
    void replacesOnePiece_data();
    void replacesOnePiece();
    void hitTest_data();
    void hitTest();
    void emptyRowHitsNothing();
};

namespace {
const QString kDefault = QStringLiteral("Tab0|Tab1|Tab2|Tab3|Tab4|Tab5|Tab6|Tab7|Tab8|Tab9|");
}

void TestTabStripLogic::readsOnePiece_data()
{
    QTest::addColumn<QString>("captions");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("piece");

    QTest::newRow("first") << kDefault << 0 << "Tab0";
    QTest::newRow("second") << kDefault << 1 << "Tab1";
    QTest::newRow("after last bar") << kDefault << 10 << "";
    QTest::newRow("negative") << kDefault << -1 << "";
    QTest::newRow("spaces kept") << " Difficulty | Timing | General |" << 1 << " Timing ";
    QTest::newRow("empty piece") << "A||C|" << 1 << "";
    QTest::newRow("open tail") << "A|B" << 1 << "B";
    QTest::newRow("empty string") << "" << 0 << "";
}

void TestTabStripLogic::readsOnePiece()
{
    QFETCH(QString, captions);
    QFETCH(int, index);
    QFETCH(QString, piece);
    QCOMPARE(tabstrip::captionPiece(captions, index), piece);
}

void TestTabStripLogic::countsCaptions_data()
{
    QTest::addColumn<QString>("captions");
    QTest::addColumn<int>("count");

    QTest::newRow("default") << kDefault << 10;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("open tail") << "A|B" << 2;
    QTest::newRow("closed") << "A|B|" << 2;
}

void TestTabStripLogic::countsCaptions()
{
    QFETCH(QString, captions);
    QFETCH(int, count);
    QCOMPARE(tabstrip::captionCount(captions), count);
}

void TestTabStripLogic::replacesOnePiece_data()
{
    QTest::addColumn<QString>("captions");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("result");

    const auto row = [](const char *name, const QString &captions, int index, const char *text,
                        const char *result) {
        QTest::newRow(name) << captions << index << QString(text) << QString(result);
    };
    row("index 1 of the default", kDefault, 1, "Other",
        "Tab0|Other|Tab2|Tab3|Tab4|Tab5|Tab6|Tab7|Tab8|Tab9|");
    row("first", kDefault, 0, " Difficulty ",
        " Difficulty |Tab1|Tab2|Tab3|Tab4|Tab5|Tab6|Tab7|Tab8|Tab9|");
    row("last", kDefault, 9, "Z", "Tab0|Tab1|Tab2|Tab3|Tab4|Tab5|Tab6|Tab7|Tab8|Z|");
    row("to empty", "A|B|C|", 1, "", "A||C|");
    row("open tail gets its bar", "A|B", 1, "X", "A|X|");
    row("just after the last bar", "A|B|", 2, "C", "A|B|C|");
    row("past the end pads", "A|B|", 4, "E", "A|B|||E|");
    row("past an open tail", "A|B", 3, "D", "A|B||D|");
    row("into nothing", "", 0, "A", "A|");
    row("negative index", "A|B|", -1, "X", "A|B|");
}

void TestTabStripLogic::replacesOnePiece()
{
    QFETCH(QString, captions);
    QFETCH(int, index);
    QFETCH(QString, text);
    QFETCH(QString, result);

    const QString replaced = tabstrip::replaceCaptionPiece(captions, index, text);
    QCOMPARE(replaced, result);
    if (index >= 0)
        QCOMPARE(tabstrip::captionPiece(replaced, index), text);
}

void TestTabStripLogic::hitTest_data()
{
    // Tabs 40, 30 and 50 wide: lefts 2, 42 and 72, the row ends at 122.
    QTest::addColumn<double>("x");
    QTest::addColumn<int>("tab"); // -1: nothing

    QTest::newRow("on the first left edge") << 2.0 << -1;
    QTest::newRow("left of the row") << 0.0 << -1;
    QTest::newRow("just inside the first") << 3.0 << 0;
    QTest::newRow("on the boundary 0|1") << 42.0 << 0;
    QTest::newRow("just right of the boundary") << 43.0 << 1;
    QTest::newRow("between pixels near the boundary") << 42.5 << 1;
    QTest::newRow("on the boundary 1|2") << 72.0 << 1;
    QTest::newRow("the row's right end") << 122.0 << 2;
    QTest::newRow("right of the row") << 123.0 << -1;
}

void TestTabStripLogic::hitTest()
{
    QFETCH(double, x);
    QFETCH(int, tab);

    TabRow row;
    row.append(40);
    row.append(30);
    row.append(50);
    QCOMPARE(row.left(0), TabRow::kFirstLeft);
    QCOMPARE(row.left(2), 72);
    QCOMPARE(row.end(), 122);

    const std::optional<int> hit = row.hitTest(x);
    QCOMPARE(hit.value_or(-1), tab);
}

void TestTabStripLogic::emptyRowHitsNothing()
{
    TabRow row;
    QVERIFY(!row.hitTest(3.0));
    row.append(20);
    row.clear();
    QCOMPARE(row.count(), 0);
    QVERIFY(!row.hitTest(3.0));
}

QTEST_APPLESS_MAIN(TestTabStripLogic)
#include "tst_tabstriplogic.moc"

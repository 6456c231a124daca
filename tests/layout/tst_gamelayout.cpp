// The main window's layout rules: the fixed 800 and 1024 layouts to the twip,
// the scaled layout of every other screen, and that on any common screen the
// controls visible together neither overlap nor leave the screen.

#include "gamelayout.h"

#include <QTest>

#include <vector>

namespace {

constexpr platform::TwipsPerPixel Tpp96{15.0, 15.0};

struct Placed
{
    QString name;
    QRectF rect;
};

QRectF labelOnWindow(const GameLayout &l, int i)
{
    return l.Label2[i].translated(l.Picture4.topLeft());
}

// The pair that overlaps, or an empty string. Edges that only touch are fine.
QString firstOverlap(const std::vector<Placed> &controls, const QStringList &allowedPairs)
{
    for (size_t a = 0; a < controls.size(); ++a) {
        for (size_t b = a + 1; b < controls.size(); ++b) {
            const QString pair = controls[a].name + "/" + controls[b].name;
            if (allowedPairs.contains(pair))
                continue;
            if (controls[a].rect.intersects(controls[b].rect))
                return pair;
        }
    }
    return {};
}

// The six labels share one row and one size.
void checkOneRowOfLabels(const GameLayout &l)
{
    for (const QRectF &label : l.Label2) {
        QCOMPARE(label.top(), l.Label2[0].top());
        QCOMPARE(label.size(), l.Label2[0].size());
    }
}

} // namespace

class TestGameLayout : public QObject
{
    Q_OBJECT

private slots:
    void screen1024();
    void screen800();
    void otherScreensScaleThe1024Rules();
    void screenAtUnitScaleKeepsThe1024Sizes();
    void dialRadiusMeasuresTheSmallerSideInTheOtherAxis();
    void nothingOverlaps_data();
    void nothingOverlaps();
    void windowsWithRoomKeepTheScreensFigures();
};

void TestGameLayout::screen1024()
{
    const GameLayout l = ResizeControlsLayout(QSize(1024, 768), Tpp96);
    // SW = 15360, SH = 11520.
    QCOMPARE(l.scale, 1.0);

    // Picture4: 1605 + 3150 + 60 = 4815 high, so it ends at 5015.
    QCOMPARE(l.Picture4, QRectF(100, 200, 15160, 4815));
    // Label 0's top: Picture3's top 100 + its height 3150 - 100. The labels
    // are (15360 - 430) / 6 = 2488.33 wide and 30 apart, from 30.
    QCOMPARE(l.Label2[0], QRectF(30, 3150, 2488.0 + 1.0 / 3, 1605));
    QCOMPARE(l.Label2[1].left(), 2548.0 + 1.0 / 3);
    QCOMPARE(l.Label2[2].left(), 5066.0 + 2.0 / 3);
    QCOMPARE(l.Label2[5].left(), 12621.0 + 2.0 / 3);
    checkOneRowOfLabels(l);
    QCOMPARE(l.label2Font, 72.0);

    // Centred over the number panel's width: (15160 - 5070) / 2.
    QCOMPARE(l.Picture3, QRectF(5045, 100, 5070, 3150));
    QCOMPARE(l.Picture2, QRectF(195, 165, 4620, 2730));
    QCOMPARE(l.lbTarget, QRectF(390, 30, 3780, 2670));
    QCOMPARE(l.lbTargetFont, 120.0);

    // Tile 0: 11520 - (3 x 1065 + 800) = 7525; columns 990 apart.
    QCOMPARE(l.btnPick[0], QRectF(345, 7525, 960, 1065));
    QCOMPARE(l.btnPick[9], QRectF(345 + 9 * 990, 7525, 960, 1065));
    // Second row: 7525 + 1065 + 30; third row another 1095 down.
    QCOMPARE(l.btnPick[10], QRectF(345, 8620, 960, 1065));
    QCOMPARE(l.btnPick[19], QRectF(9255, 8620, 960, 1065));
    QCOMPARE(l.btnPick[23], QRectF(3315, 9715, 960, 1065));
    QCOMPARE(l.btnPickFont, 8.25);

    // From 3315 + 960 + 300 to tile 19's right edge, 9255 + 960.
    QCOMPARE(l.Command1, QRectF(4575, 9715, 5640, 1065));
    QCOMPARE(l.command1Font, 24.0);

    // 200 under the number panel: 5015 + 200.
    QCOMPARE(l.lbinst, QRectF(345, 5215, 8130, 1455));
    QCOMPARE(l.cmdAnswer, QRectF(345, 5215, 3645, 645));
    // Centred on the answer button's height: 5215 + (645 - 600) / 2; 60 to its right.
    QCOMPARE(l.LBa, QRectF(4050, 5237.5, 375, 600));
    QCOMPARE(l.lbinstFont, 18.0);
    QCOMPARE(l.lbaFont, 12.0);

    // Dial: from the panel's bottom (5015) to Command1's bottom (10780) = 5765 high;
    // 100 + 15160 - 10215 - 100 = 4945 wide; left 15360 - 4945 - 100.
    QCOMPARE(l.cp1, QRectF(10315, 5015, 4945, 5765));
    // The width is smaller: (4945 / 15 - 20) / 2 = 154.83.
    QCOMPARE(l.cp1Radius, 155);
    QCOMPARE(l.cp1Font, 72.0);
    // 10315 - 4050 - 100.
    QCOMPARE(l.lbaMaxWidth, 6165.0);

    // Top 5215 + 645 + 100 = 5960; width 10315 - 345 - 200; height 9715 - 5960 - 50.
    QCOMPARE(l.List1, QRectF(345, 5960, 9770, 3705));
    QCOMPARE(l.list1Font, 18.0);
}

void TestGameLayout::screen800()
{
    const GameLayout l = ResizeControlsLayout(QSize(800, 600), Tpp96);
    // SW = 12000, SH = 9000.
    QCOMPARE(l.scale, 1.0);

    QCOMPARE(l.Picture4, QRectF(100, 200, 11800, 4500)); // 1290 + 3150 + 60
    // (12000 - 430) / 6 = 1928.33 wide, 30 apart, from 30.
    QCOMPARE(l.Label2[0], QRectF(30, 3150, 1928.0 + 1.0 / 3, 1290));
    QCOMPARE(l.Label2[1].left(), 1988.0 + 1.0 / 3);
    QCOMPARE(l.Label2[5].left(), 9821.0 + 2.0 / 3);
    checkOneRowOfLabels(l);
    QCOMPARE(l.label2Font, 55.0);
    QCOMPARE(l.Picture3, QRectF(3365, 100, 5070, 3150));

    // Tiles at 0.7: 672 x 745.5; tile 0 at 9000 - (3 x 745.5 + 800) = 5963.5,
    // columns 702 apart.
    QCOMPARE(l.btnPick[0], QRectF(345, 5963.5, 672, 745.5));
    QCOMPARE(l.btnPick[10], QRectF(345, 6739, 672, 745.5));
    QCOMPARE(l.btnPick[19], QRectF(6663, 6739, 672, 745.5));
    QCOMPARE(l.btnPick[23], QRectF(2451, 7514.5, 672, 745.5));
    QCOMPARE(l.btnPickFont, 8.25);

    // From 2451 + 672 + 300 to 6663 + 672.
    QCOMPARE(l.Command1, QRectF(3423, 7514.5, 3912, 745.5));

    // The instructions and the status reach to 100 before the dial's design
    // left, 6540: 6540 - 345 - 100 and 6540 - 4050 - 100.
    QCOMPARE(l.lbinst, QRectF(345, 4900, 6095, 1455));
    QCOMPARE(l.lbinstFont, 12.0);
    QCOMPARE(l.cmdAnswer, QRectF(345, 4900, 3645, 645));
    QCOMPARE(l.LBa, QRectF(4050, 4922.5, 2390, 600));
    QCOMPARE(l.lbaFont, 10.0);

    // Dial: 8260 - 4700 = 3560 high, 11900 - 7335 - 100 = 4465 wide,
    // left 12000 - 4465 - 100.
    QCOMPARE(l.cp1, QRectF(7435, 4700, 4465, 3560));
    // The height is smaller: (3560 / 15 - 20) / 2 = 108.67.
    QCOMPARE(l.cp1Radius, 109);
    QCOMPARE(l.lbaMaxWidth, 3285.0); // 7435 - 4050 - 100

    // Top 4900 + 645 + 100; width 7435 - 345 - 200; height 7514.5 - 5645 - 50.
    QCOMPARE(l.List1, QRectF(345, 5645, 6890, 1819.5));
    QCOMPARE(l.list1Font, 14.0);
}

void TestGameLayout::otherScreensScaleThe1024Rules()
{
    const GameLayout l = ResizeControlsLayout(QSize(1280, 1024), Tpp96);
    // min(1280 / 1024, 1024 / 768) = 1.25; SW = 19200, SH = 15360.
    QCOMPARE(l.scale, 1.25);

    QCOMPARE(l.lbTargetFont, 150.0);
    QCOMPARE(l.label2Font, 90.0);
    QCOMPARE(l.btnPickFont, 8.25 * 1.25);
    QCOMPARE(l.command1Font, 30.0);
    QCOMPARE(l.cmdAnswerFont, 22.5);
    QCOMPARE(l.lbinstFont, 22.5);
    QCOMPARE(l.lbaFont, 15.0);
    QCOMPARE(l.list1Font, 22.5);
    QCOMPARE(l.cp1Font, 90.0);

    // The panel keeps its top; its size and contents grow.
    QCOMPARE(l.Picture3, QRectF((19000 - 6337.5) / 2, 100, 6337.5, 3937.5));
    QCOMPARE(l.Picture2, QRectF(243.75, 206.25, 5775, 3412.5));
    QCOMPARE(l.lbTarget, QRectF(487.5, 37.5, 4725, 3337.5));
    // Labels start 100 above the panel's bottom edge: 100 + 3937.5 - 100.
    QCOMPARE(l.Label2[0].top(), 3937.5);
    QCOMPARE(l.Label2[0].height(), 2006.25);
    QCOMPARE(l.Picture4, QRectF(100, 200, 19000, 3937.5 + 2006.25 + 60));

    // Tiles 1200 x 1331.25, the gaps stay 30: tile 0 at 15360 - (3993.75 + 800).
    QCOMPARE(l.btnPick[0], QRectF(345, 10566.25, 1200, 1331.25));
    QCOMPARE(l.btnPick[23], QRectF(4035, 10566.25 + 2 * 1361.25, 1200, 1331.25));
    QCOMPARE(l.Command1, QRectF(5535, 13288.75, 12615 - 5535, 1331.25));

    QCOMPARE(l.lbinst.size(), QSizeF(10162.5, 1818.75));
    QCOMPARE(l.cmdAnswer.size(), QSizeF(4556.25, 806.25));
    QCOMPARE(l.LBa, QRectF(345 + 4556.25 + 60, l.cmdAnswer.top() + 28.125, 468.75, 750));
    // The dial starts 100 right of the game button.
    QCOMPARE(l.cp1.left(), 12715.0);
    QCOMPARE(l.cp1.width(), 19200.0 - 12715 - 100);
}

void TestGameLayout::screenAtUnitScaleKeepsThe1024Sizes()
{
    // 1366 x 768 scales by min(1.33, 1) = 1: the 1024 layout, only wider.
    const GameLayout wide = ResizeControlsLayout(QSize(1366, 768), Tpp96);
    const GameLayout base = ResizeControlsLayout(QSize(1024, 768), Tpp96);
    QCOMPARE(wide.scale, 1.0);
    QCOMPARE(wide.btnPick, base.btnPick);
    QCOMPARE(wide.Command1, base.Command1);
    QCOMPARE(wide.lbinst, base.lbinst);
    QCOMPARE(wide.cmdAnswer, base.cmdAnswer);
    QCOMPARE(wide.LBa, base.LBa);
    QCOMPARE(wide.Label2[0].top(), base.Label2[0].top());
    QCOMPARE(wide.Label2[0].height(), base.Label2[0].height());
    QCOMPARE(wide.Picture4.height(), base.Picture4.height());
    QCOMPARE(wide.cp1.left(), base.cp1.left());
    QCOMPARE(wide.cp1.height(), base.cp1.height());
    // The extra width goes to the labels, the panel and the dial.
    QCOMPARE(wide.Label2[0].width(), (20490.0 - 430) / 6);
    QCOMPARE(wide.cp1.width(), 20490.0 - 10315 - 100);
    QCOMPARE(wide.List1, base.List1);
}

void TestGameLayout::dialRadiusMeasuresTheSmallerSideInTheOtherAxis()
{
    // Height the smaller side: 12 twips a pixel across, 15 down. SW = 12288,
    // dial 100 + 12088 - 10215 - 100 = 1873 wide, 5765 high.
    // (1873 / 15 - 20) / 2 = 52.43; by its own axis it would be 68.
    GameLayout l = ResizeControlsLayout(QSize(1024, 768), {12.0, 15.0});
    QCOMPARE(l.cp1.width(), 1873.0);
    QCOMPARE(l.cp1.height(), 5765.0);
    QCOMPARE(l.cp1Radius, 52);

    // Width the larger: 10 down, so SH = 7680 and the dial is
    // 7680 - 740 - 5015 = 1925 high. (1925 / 15 - 20) / 2 = 54.17; by its
    // own axis it would be 86.
    l = ResizeControlsLayout(QSize(1024, 768), {15.0, 10.0});
    QCOMPARE(l.cp1.height(), 1925.0);
    QCOMPARE(l.cp1Radius, 54);

    // A half rounds to even: 14.990234375 twips a pixel across makes SW 15350
    // and the dial 15350 - 10415 = 4935 wide, 329 pixels of 15 twips down;
    // (329 - 20) / 2 = 154.5.
    l = ResizeControlsLayout(QSize(1024, 768), {14.990234375, 15.0});
    QCOMPARE(l.cp1.width(), 4935.0);
    QCOMPARE(l.cp1Radius, 154);
}

void TestGameLayout::nothingOverlaps_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QSize>("inside"); // the window's, menu bar included
    QTest::addColumn<int>("menuBar");
    for (const QSize s :
         {QSize(800, 600), QSize(1024, 768), QSize(1280, 1024), QSize(1920, 1080), QSize(1366, 768),
          QSize(1600, 900), QSize(2560, 1440), QSize(1280, 800), QSize(640, 480)}) {
        QTest::addRow("%dx%d", s.width(), s.height()) << s << s << 0;
    }
    // Windows given less than the screen: title bars, borders and panels of
    // window managers and compositors.
    QTest::newRow("openbox, 40-pixel panel") << QSize(1024, 768) << QSize(1022, 707) << 20;
    QTest::newRow("openbox, maximized") << QSize(1024, 768) << QSize(1024, 709) << 20;
    QTest::newRow("weston 1024") << QSize(1024, 768) << QSize(1018, 703) << 23;
    QTest::newRow("weston 1920") << QSize(1920, 1080) << QSize(1914, 1015) << 23;
    QTest::newRow("800, panel") << QSize(800, 600) << QSize(798, 539) << 20;
    QTest::newRow("1366, tall bar") << QSize(1366, 768) << QSize(1366, 700) << 40;
}

// On every screen, bare or with a window manager's frame and panels, the
// controls shown together neither overlap nor leave the window's client area.
void TestGameLayout::nothingOverlaps()
{
    QFETCH(QSize, screen);
    QFETCH(QSize, inside);
    QFETCH(int, menuBar);
    const GameLayout l = LayoutForWindow(screen, inside, menuBar, Tpp96);
    const QRectF screenRect(0, 0, inside.width() * Tpp96.x, (inside.height() - menuBar) * Tpp96.y);
    QRectF lba = l.LBa;
    lba.setWidth(l.lbaMaxWidth);

    std::vector<Placed> panels{{"Picture3", l.Picture3}, {"Picture4", l.Picture4}};
    std::vector<Placed> picking = panels;
    picking.push_back({"lbinst", l.lbinst});
    for (int i = 0; i < 24; ++i)
        picking.push_back({QString("btnPick%1").arg(i), l.btnPick[i]});
    picking.push_back({"Command1", l.Command1});
    picking.push_back({"cp1", l.cp1});
    std::vector<Placed> afterGame = panels;
    afterGame.insert(afterGame.end(), {{"cmdAnswer", l.cmdAnswer},
                                       {"LBa", lba},
                                       {"List1", l.List1},
                                       {"Command1", l.Command1},
                                       {"cp1", l.cp1}});

    // The target panel is meant to lie over the number panel.
    QStringList allowed{"Picture3/Picture4"};
    if (l.scale == 1.0 && screen.width() == 800) {
        // The fixed 800 rules give the instructions a box that reaches into the
        // first tile row; its short text stays clear of the tiles.
        for (int i = 0; i < 10; ++i)
            allowed << QString("lbinst/btnPick%1").arg(i);
    }
    QString overlap = firstOverlap(picking, allowed);
    QVERIFY2(overlap.isEmpty(), qPrintable("while picking: " + overlap));
    overlap = firstOverlap(afterGame, allowed);
    QVERIFY2(overlap.isEmpty(), qPrintable("after a game: " + overlap));

    std::vector<Placed> all = picking;
    all.insert(all.end(), afterGame.begin(), afterGame.end());
    for (int i = 0; i < 6; ++i)
        all.push_back({QString("Label2%1").arg(i), labelOnWindow(l, i)});
    for (const Placed &p : all) {
        QVERIFY2(!p.rect.isEmpty(), qPrintable(p.name + " has no size"));
        QVERIFY2(screenRect.contains(p.rect), qPrintable(p.name + " leaves the window"));
    }

    // The target panel never hides a number; the labels stay in their panel,
    // the frame in the target panel and the target in the frame.
    const QRectF panel4(QPointF(0, 0), l.Picture4.size());
    for (int i = 0; i < 6; ++i) {
        QVERIFY2(!l.Picture3.intersects(labelOnWindow(l, i)), qPrintable(QString::number(i)));
        QVERIFY(panel4.contains(l.Label2[i]));
        if (i > 0)
            QVERIFY(!l.Label2[i - 1].intersects(l.Label2[i]));
    }
    QVERIFY(QRectF(QPointF(0, 0), l.Picture3.size()).contains(l.Picture2));
    QVERIFY(QRectF(QPointF(0, 0), l.Picture2.size()).contains(l.lbTarget));
}

// The screen's own layout leaves a margin at the right and the bottom: a
// window that still has room for it, like the offscreen platform's maximized
// window inside its 2-pixel frame, keeps the screen's figures exactly; one
// that has not gets the scaled rules.
void TestGameLayout::windowsWithRoomKeepTheScreensFigures()
{
    for (const QSize screen : {QSize(800, 600), QSize(1024, 768), QSize(1920, 1080)}) {
        const GameLayout own = ResizeControlsLayout(screen, Tpp96);
        for (const QSize inside : {screen, screen.shrunkBy({2, 2, 2, 2})}) {
            const GameLayout l = LayoutForWindow(screen, inside, 22, Tpp96);
            QCOMPARE(l.scale, own.scale);
            QCOMPARE(l.btnPick[23], own.btnPick[23]);
            QCOMPARE(l.cp1, own.cp1);
            QCOMPARE(l.List1, own.List1);
        }
        const GameLayout cut = LayoutForWindow(screen, screen - QSize(0, 60), 22, Tpp96);
        QVERIFY(cut.scale < 1.0 || screen.width() != 1024);
        QVERIFY(cut.Command1.bottom() < own.Command1.bottom());
    }
}

QTEST_GUILESS_MAIN(TestGameLayout)
#include "tst_gamelayout.moc"

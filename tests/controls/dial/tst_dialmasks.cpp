// Pictures and see-through parts of the dial: the stretched background
// picture and when it is rebuilt, the automatic mask and a mask picture
// cutting the window's shape.

#include "dialtesthelpers.h"

#include <QTest>

using namespace dialtest;

class TestDialMasks : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { useFixedPalette(); }
    void pictureIsStretchedOnceNotPerRedraw();
    void autoMaskMakesTheCornersSeeThrough();
    void maskPictureCutsTheWindowShape();
};

void TestDialMasks::pictureIsStretchedOnceNotPerRedraw()
{
    PlainDial dial;
    dial.resize(200, 200);
    dial.setShowCircle(false);
    dial.setShowArc(false);
    dial.setNeedleColor(Back);
    QImage picture(100, 50, QImage::Format_RGB32);
    picture.fill(QColor(255, 0, 0));
    for (int y = 0; y < 50; ++y)
        for (int x = 50; x < 100; ++x)
            picture.setPixel(x, y, qRgb(0, 0, 255));
    dial.setPicture(picture);
    // Stretched to the whole 200x200 dial, halves kept.
    QCOMPARE(at(dial, QPoint(5, 195)), Red);
    QCOMPARE(at(dial, QPoint(195, 5)), Blue);
    QCOMPARE(at(dial, QPoint(95, 100)), Red);
    QCOMPARE(at(dial, QPoint(105, 100)), Blue);

    // Redraws reuse the stretched copy.
    const qint64 stretched = dial.surface().backgroundPicture()->cacheKey();
    dial.setValue(10);
    dial.Repaint();
    QCOMPARE(dial.surface().backgroundPicture()->cacheKey(), stretched);
    dial.resize(150, 100);
    QCOMPARE(dial.surface().backgroundPicture()->size(), QSize(150, 100));

    // An empty picture takes the background away at once.
    dial.setPicture(QImage());
    QVERIFY(!dial.surface().backgroundPicture());
    QCOMPARE(at(dial, QPoint(5, 95)), Back);
}

void TestDialMasks::autoMaskMakesTheCornersSeeThrough()
{
    PlainDial dial;
    dial.setAutoMask(true);
    QVERIFY(!dial.mask().isEmpty());
    QVERIFY(!dial.mask().contains(QPoint(2, 2)));
    QVERIFY(!dial.mask().contains(QPoint(198, 198)));
    QVERIFY(dial.mask().contains(QPoint(100, 100)));
    QVERIFY(dial.mask().contains(QPoint(100, 15)));
    QCOMPARE(dial.surface().maskPicture()->cacheKey(),
             dial.surface().backgroundPicture()->cacheKey());

    // Parts drawn in the back colour go see-through too.
    dial.setSpan(180);
    dial.setValue(0);
    dial.setCircleColor(Back);
    QVERIFY(!dial.mask().contains(QPoint(150, 100)));

    // Off: the last snapshot stays, and so does the transparency.
    dial.setAutoMask(false);
    QVERIFY(!dial.mask().contains(QPoint(2, 2)));
    dial.setUseMask(false);
    QVERIFY(dial.mask().isEmpty());
}

void TestDialMasks::maskPictureCutsTheWindowShape()
{
    PlainDial dial;
    dial.resize(100, 100);
    QImage mask(50, 50, QImage::Format_RGB32);
    mask.fill(Qt::white);
    for (int y = 0; y < 25; ++y)
        for (int x = 0; x < 25; ++x)
            mask.setPixel(x, y, qRgb(0, 0, 0));
    dial.setMaskPicture(mask);
    dial.setMaskColor(0x00000000);
    QVERIFY(dial.mask().isEmpty()); // not yet transparent
    dial.setUseMask(true);
    QVERIFY(!dial.mask().contains(QPoint(10, 10)));
    QVERIFY(!dial.mask().contains(QPoint(45, 45)));
    QVERIFY(dial.mask().contains(QPoint(55, 55)));
    QVERIFY(dial.mask().contains(QPoint(90, 10)));
    dial.setMaskColor(0x00FFFFFF);
    QVERIFY(dial.mask().contains(QPoint(10, 10)));
    QVERIFY(!dial.mask().contains(QPoint(90, 10)));
}

QTEST_MAIN(TestDialMasks)
#include "tst_dialmasks.moc"

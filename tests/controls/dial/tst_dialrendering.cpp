// What a redraw leaves on the dial's surface, read at the pixels the drawing
// rules fix: the sweep's colours at given angles, the side a direction lands
// on, ticks, border, needle, and text with its shadow.

#include "dialtesthelpers.h"

#include <QElapsedTimer>
#include <QTest>

using namespace dialtest;

class TestDialRendering : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { useFixedPalette(); }
    void gradientRunsFromStartThroughMiddleToEnd();
    void directionDecidesTheSide();
    void valueAtMinimumDrawsOnlyTheZeroLine();
    void fadeGivesTheWholeSweepOneColour();
    void partCircleFillsTheSpanAboveTheValue();
    void circleMatchingTheBackColourIsNotDrawn();
    void borderShrinksTheSweep();
    void lineTicksSitAtTheirIndexes();
    void outsideTicksReachBeyondTheBorder();
    void filledTicksCoverHollowOnesDoNot();
    void needleTakesTheGradientOnlyWithoutTheArc();
    void setUpHiddenShowsTheLastLook();
    void shadowLiesUnderTheText();
    void emptyRangeAndZeroFrequencyDrawSafely();
    void hugeRadiusDrawsOnlyWhatShows();
};

void TestDialRendering::gradientRunsFromStartThroughMiddleToEnd()
{
    PlainDial dial;
    // At the minimum with the zero line on, only index 0 is drawn: the start.
    dial.setShowZeroLine(true);
    dial.setValue(0);
    QCOMPARE(alongIndex(dial, 0), Red);
    QCOMPARE(alongIndex(dial, 90), Circle);

    // Half way round, the last line drawn is the middle colour.
    dial.setValue(50);
    QCOMPARE(alongIndex(dial, 180), Green);
    QVERIFY(near(alongIndex(dial, 90), dial::BlendColors(0.5f, Green, Red), 4));
    QCOMPARE(alongIndex(dial, 270), Circle);

    // At the end of a part circle, the end colour.
    dial.setSpan(270);
    dial.setValue(100);
    QCOMPARE(alongIndex(dial, 270), Blue);

    // Two colours: half way is a plain mix of start and end.
    dial.setSpan(360);
    dial.setTricolor(false);
    dial.setValue(50);
    QCOMPARE(alongIndex(dial, 180), dial::BlendColors(0.5f, Blue, Red));
}

void TestDialRendering::directionDecidesTheSide()
{
    PlainDial dial;
    dial.setGradient(false);
    dial.setValue(25); // a quarter: indexes 0 to 90
    const QPoint right(145, 80);
    const QPoint left(55, 80);
    QCOMPARE(at(dial, right), Red);
    QCOMPARE(at(dial, left), Circle);

    dial.setClockwise(false);
    QCOMPARE(at(dial, right), Circle);
    QCOMPARE(at(dial, left), Red);

    // Starting at 9 o'clock, a clockwise quarter covers the top left.
    dial.setClockwise(true);
    dial.setOffsetAngle(270);
    QCOMPARE(at(dial, QPoint(70, 70)), Red);
    QCOMPARE(at(dial, QPoint(130, 70)), Circle);
    QCOMPARE(at(dial, QPoint(70, 130)), Circle);
}

void TestDialRendering::valueAtMinimumDrawsOnlyTheZeroLine()
{
    PlainDial dial;
    dial.setGradient(false);
    dial.setValue(0);
    QCOMPARE(alongIndex(dial, 0), Circle);
    dial.setShowZeroLine(true);
    QCOMPARE(alongIndex(dial, 0), Red);
    QCOMPARE(alongIndex(dial, 10), Circle);
}

void TestDialRendering::fadeGivesTheWholeSweepOneColour()
{
    PlainDial dial;
    dial.setGradient(false);
    dial.setFade(true);
    dial.setTricolor(false);
    dial.setValue(50);
    const platform::OleColour half = dial::BlendColors(0.5f, Blue, Red);
    QCOMPARE(alongIndex(dial, 10), half);
    QCOMPARE(alongIndex(dial, 170), half);
    dial.setValue(100);
    QCOMPARE(alongIndex(dial, 10), Blue);
}

void TestDialRendering::partCircleFillsTheSpanAboveTheValue()
{
    PlainDial dial;
    dial.setGradient(false);
    dial.setSpan(270);
    dial.setValue(50); // index 135
    QCOMPARE(alongIndex(dial, 60), Red);
    QCOMPARE(alongIndex(dial, 200), Circle);
    QCOMPARE(alongIndex(dial, 315), Back); // beyond the span

    // Without the arc the background covers the whole span.
    dial.setShowArc(false);
    QCOMPARE(alongIndex(dial, 60), Circle);
}

void TestDialRendering::circleMatchingTheBackColourIsNotDrawn()
{
    // A background picture in a colour of its own shows wherever nothing is
    // drawn over it.
    QImage yellow(10, 10, QImage::Format_RGB32);
    yellow.fill(QColor(255, 255, 0));
    const platform::OleColour pictureColour = platform::rgbColour(255, 255, 0);
    for (int span : {360, 270}) {
        PlainDial dial;
        dial.setPicture(yellow);
        dial.setSpan(span);
        dial.setValue(0);
        QCOMPARE(alongIndex(dial, 200), Circle);
        dial.setCircleColor(Back);
        QCOMPARE(alongIndex(dial, 200), pictureColour);
        // System colours are compared as stored, not as resolved: the
        // button face and its current RGB are different colours here.
        dial.setBackColor(platform::rgbColour(240, 240, 240));
        dial.setCircleColor(platform::SystemColour::ButtonFace);
        QCOMPARE(alongIndex(dial, 200), platform::rgbColour(240, 240, 240));
    }
}

void TestDialRendering::borderShrinksTheSweep()
{
    PlainDial dial;
    dial.setGradient(false);
    dial.setBorderColor(Blue);
    dial.setBorderWidth(3);
    dial.setShowBorder(true);
    dial.setValue(100);
    // The border's ring at the top of the circle, the sweep inside it.
    QCOMPARE(at(dial, QPoint(100, 10)), Blue);
    QCOMPARE(at(dial, QPoint(100, 20)), Red);
    // Radius 90 less (3 + 1) / 2: the sweep ends at 88 (its round pen
    // reaches a pixel or two further), the border covers 89 to 91.
    QCOMPARE(at(dial, QPoint(100, 100 - 87)), Red);
    QCOMPARE(at(dial, QPoint(100, 100 - 93)), Back);
}

void TestDialRendering::lineTicksSitAtTheirIndexes()
{
    PlainDial dial;
    dial.setShowArc(false); // the needle alone, at index 0
    dial.setMaximum(60);
    dial.setValue(0);
    dial.setTickColor(Blue);
    dial.setTickSize(10);
    dial.setTickWidth(3); // wide enough to hit whatever the rounding of a point
    dial.setTickFrequency(5);
    dial.setTickStyle(1);
    for (int index = 30; index < 360; index += 30)
        QCOMPARE(alongIndex(dial, index, 85), Blue);
    QCOMPARE(alongIndex(dial, 15, 85), Circle);
    QCOMPARE(alongIndex(dial, 345, 85), Circle);
    QCOMPARE(alongIndex(dial, 30, 75), Circle); // ticks run 90 to 80, inside

    // Steps of 22.5 degrees land on 23 and 68, not on 22 or 67.
    dial.setMaximum(80);
    QCOMPARE(alongIndex(dial, 23, 85), Blue);
    QCOMPARE(alongIndex(dial, 68, 85), Blue);
    QCOMPARE(alongIndex(dial, 21, 85), Circle);
    QCOMPARE(alongIndex(dial, 66, 85), Circle);
}

void TestDialRendering::outsideTicksReachBeyondTheBorder()
{
    VelCProg dial;
    dial.resize(400, 400);
    dial.setAutoSize(false);
    dial.setXCenter(200);
    dial.setYCenter(200);
    dial.setRadius(128);
    dial.setBorderWidth(3); // draw radius 126
    dial.setTickColor(Blue);
    dial.setTickStyle(1);
    dial.setTickPosition(1);
    dial.setTickSize(50);
    dial.setValue(0);
    QCOMPARE(at(dial, QPoint(200, 200 - 150)), Blue);
    QCOMPARE(at(dial, QPoint(200, 200 - 175)), Blue);
    QVERIFY(at(dial, QPoint(200, 200 - 177)) != Blue); // the end pixel is left out
}

void TestDialRendering::filledTicksCoverHollowOnesDoNot()
{
    PlainDial dial;
    dial.setMaximum(60);
    dial.setValue(0);
    dial.setTickColor(Blue);
    dial.setTickSize(12);
    dial.setTickFrequency(15);
    dial.setTickPosition(2); // centred on the edge, radius 90
    dial.setTickStyle(2);
    QCOMPARE(at(dial, QPoint(100, 10 + 1)), Blue); // inside the top tick
    dial.setTickStyle(3);
    QCOMPARE(at(dial, QPoint(100, 10 + 1)), Circle);
    QCOMPARE(at(dial, QPoint(100, 10 - 6)), Blue); // its outline
    dial.setTickStyle(4);
    QCOMPARE(at(dial, QPoint(100 - 5, 10 - 5)), Blue); // a square's corner
    dial.setTickStyle(5);
    QCOMPARE(at(dial, QPoint(100 - 4, 10 - 4)), Back);
    QCOMPARE(at(dial, QPoint(100 - 6, 10 - 4)), Blue);
}

void TestDialRendering::needleTakesTheGradientOnlyWithoutTheArc()
{
    PlainDial dial;
    dial.setNeedleColor(Blue);
    dial.setValue(50);
    dial.setShowNeedle(true);
    QCOMPARE(alongIndex(dial, 180), Blue);
    dial.setShowArc(false);
    QCOMPARE(alongIndex(dial, 180), Green); // the gradient at the value
    dial.setGradient(false);
    QCOMPARE(alongIndex(dial, 180), Blue);
}

void TestDialRendering::shadowLiesUnderTheText()
{
    // Colours no blend of the sweep's red, green and blue can make.
    const platform::OleColour magenta = 0x00FF00FF;
    const platform::OleColour yellow = 0x0000FFFF;
    PlainDial dial;
    QFont font(QStringLiteral("Liberation Sans"), 28);
    font.setBold(true);
    font.setStyleStrategy(QFont::NoAntialias); // whole pixels of either colour
    dial.setControlFont(font);
    dial.setTextColor(magenta);
    dial.setTextShadowColor(yellow);
    dial.setTextShadowXOffset(3);
    dial.setTextShadowYOffset(3);
    dial.setTextOffsetX(-10);
    dial.setTextShadow(true);
    dial.setValue(88);
    dial.setShowValue(true);

    const QRect text = boundsOf(dial, magenta);
    const QRect shadow = boundsOf(dial, yellow);
    QVERIFY(!text.isEmpty());
    QVERIFY(!shadow.isEmpty());
    QCOMPARE(shadow.bottomRight(), text.bottomRight() + QPoint(3, 3));
    // The text's box is centred on the centre plus its offset.
    const QSize box = dial.surface().textSize(QStringLiteral("88"));
    QVERIFY(std::abs(text.center().x() - 90) <= 2);
    QVERIFY(QRect(QPoint(90 - box.width() / 2, 100 - box.height() / 2), box).contains(text));
    // Where text and shadow overlap, the text is on top.
    bool overlapShowsText = false;
    for (int y = text.top(); y <= text.bottom() && !overlapShowsText; ++y)
        for (int x = text.left(); x <= text.right(); ++x)
            if (at(dial, QPoint(x, y)) == magenta && at(dial, QPoint(x - 3, y - 3)) == magenta) {
                overlapShowsText = true;
                break;
            }
    QVERIFY(overlapShowsText);

    dial.setTextShadow(false);
    QVERIFY(boundsOf(dial, yellow).isEmpty());
}

void TestDialRendering::emptyRangeAndZeroFrequencyDrawSafely()
{
    PlainDial dial;
    dial.setGradient(false);
    dial.setTickStyle(1);
    dial.setTickColor(Blue);
    dial.setShowZeroLine(true);
    dial.setTickFrequency(0.0f); // would never step on
    QCOMPARE(alongIndex(dial, 0, 88), Red);
    dial.setMaximum(0);
    dial.setMinimum(0);
    dial.setValue(0);
    dial.setShowNeedle(true);
    dial.setNeedleColor(Green);
    dial.setShowValueAsPercent(true);
    // No sweep and no ticks; the needle at the start.
    QCOMPARE(alongIndex(dial, 0), Green);
    QCOMPARE(alongIndex(dial, 90), Circle);
    QCOMPARE(alongIndex(dial, 0, 88), Green);
}

void TestDialRendering::hugeRadiusDrawsOnlyWhatShows()
{
    // A stored form may hold any radius; each redraw draws 361 lines to the
    // circle, which must cost no more than the part of them on the surface.
    PlainDial dial;
    dial.setGradient(false);
    for (const int radius : {-143'000'000, -2'000'000'000}) {
        QElapsedTimer timer;
        timer.start();
        dial.setRadius(radius);
        dial.setValue(75);
        QVERIFY2(timer.elapsed() < 2000, qPrintable(QString::number(radius)));
        QCOMPARE(dial.radius(), radius); // kept as set
        QVERIFY(!boundsOf(dial, Red).isEmpty());
    }
}

void TestDialRendering::setUpHiddenShowsTheLastLook()
{
    // A dial set up before it is shown draws once, when shown: what it shows
    // must be what the last settings draw.
    QWidget hiddenHost;
    auto *hidden = new VelCProg(&hiddenHost);
    setUpPlain(*hidden);
    hidden->setValue(30);
    hidden->setStartColor(Blue);
    hidden->resize(150, 150);
    setUpPlain(*hidden);
    hidden->setValue(70);
    QWidget plainHost;
    auto *plain = new VelCProg(&plainHost);
    plainHost.show();
    setUpPlain(*plain);
    plain->setValue(70);
    hiddenHost.show();
    QCOMPARE(hidden->grab().toImage(), plain->grab().toImage());
}

QTEST_MAIN(TestDialRendering)
#include "tst_dialrendering.moc"

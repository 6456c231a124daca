// What a redraw leaves on the dial's surface, read at the pixels the drawing
// rules fix: the sweep's colours at given angles, the side a direction lands
// on, ticks, border, needle, text and shadow, pictures and the see-through
// mask.

#include "controls/dial/dialgeometry.h"
#include "controls/dial/velcprog.h"

#include <QApplication>
#include <QTest>

#include <cmath>
#include <cstdlib>

namespace {

constexpr platform::OleColour Back = 0x00FFC0C0;
constexpr platform::OleColour Circle = 0x00FFFFFF;
constexpr platform::OleColour Red = 0x000000FF;
constexpr platform::OleColour Green = 0x0000FF00;
constexpr platform::OleColour Blue = 0x00FF0000;

// A 201x201 dial centred on (100, 100), radius 90, no border, plain colours.
void setUpPlain(VelCProg &dial)
{
    dial.resize(201, 201);
    dial.setAutoSize(false);
    dial.setXCenter(100);
    dial.setYCenter(100);
    dial.setRadius(90);
    dial.setShowBorder(false);
    dial.setBackColor(Back);
    dial.setCircleColor(Circle);
    dial.setStartColor(Red);
    dial.setMidColor(Green);
    dial.setEndColor(Blue);
}

platform::OleColour at(const VelCProg &dial, QPoint point)
{
    return dial.surface().pixel(point.x(), point.y());
}

// The pixel half way out along an angle index of the dial.
platform::OleColour alongIndex(const VelCProg &dial, int index, int radius = 45)
{
    const dial::CircleFrame frame{dial.xCenter(), dial.yCenter(), dial.offsetAngle(),
                                  dial.clockwise() ? dial::Direction::Clockwise
                                                   : dial::Direction::CounterClockwise};
    return at(dial, dial::PointOnCircle(frame, radius, index));
}

bool near(platform::OleColour a, platform::OleColour b, int tolerance)
{
    for (int shift : {0, 8, 16}) {
        if (std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)) > tolerance)
            return false;
    }
    return true;
}

QRect boundsOf(const VelCProg &dial, platform::OleColour colour)
{
    QRect bounds;
    const QSize size = dial.surface().size();
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            if (dial.surface().pixel(x, y) == colour)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

} // namespace

class TestDialRendering : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
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
    void shadowLiesUnderTheText();
    void pictureIsStretchedOnceNotPerRedraw();
    void autoMaskMakesTheCornersSeeThrough();
    void maskPictureCutsTheWindowShape();
    void emptyRangeAndZeroFrequencyDrawSafely();
};

void TestDialRendering::initTestCase()
{
    QPalette palette;
    palette.setColor(QPalette::Button, QColor(240, 240, 240));
    palette.setColor(QPalette::ButtonText, QColor(0, 0, 0));
    QApplication::setPalette(palette);
}

void TestDialRendering::gradientRunsFromStartThroughMiddleToEnd()
{
    VelCProg dial;
    setUpPlain(dial);
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
    VelCProg dial;
    setUpPlain(dial);
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
    VelCProg dial;
    setUpPlain(dial);
    dial.setGradient(false);
    dial.setValue(0);
    QCOMPARE(alongIndex(dial, 0), Circle);
    dial.setShowZeroLine(true);
    QCOMPARE(alongIndex(dial, 0), Red);
    QCOMPARE(alongIndex(dial, 10), Circle);
}

void TestDialRendering::fadeGivesTheWholeSweepOneColour()
{
    VelCProg dial;
    setUpPlain(dial);
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
    VelCProg dial;
    setUpPlain(dial);
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
        VelCProg dial;
        setUpPlain(dial);
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
    VelCProg dial;
    setUpPlain(dial);
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
    VelCProg dial;
    setUpPlain(dial);
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
    VelCProg dial;
    setUpPlain(dial);
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
    VelCProg dial;
    setUpPlain(dial);
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
    VelCProg dial;
    setUpPlain(dial);
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

void TestDialRendering::pictureIsStretchedOnceNotPerRedraw()
{
    VelCProg dial;
    setUpPlain(dial);
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

void TestDialRendering::autoMaskMakesTheCornersSeeThrough()
{
    VelCProg dial;
    setUpPlain(dial);
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

void TestDialRendering::maskPictureCutsTheWindowShape()
{
    VelCProg dial;
    setUpPlain(dial);
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

void TestDialRendering::emptyRangeAndZeroFrequencyDrawSafely()
{
    VelCProg dial;
    setUpPlain(dial);
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

QTEST_MAIN(TestDialRendering)
#include "tst_dialrendering.moc"

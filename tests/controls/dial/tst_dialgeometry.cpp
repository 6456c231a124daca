// The dial's arithmetic without drawing: angles to pixels, colour blending,
// the value fraction and its rounding, the automatic centre and radius, tick
// places and the stored-length rule.

#include "dialgeometry.h"

#include <QTest>

#include <cmath>

using dial::CircleFrame;
using dial::Direction;

class TestDialGeometry : public QObject
{
    Q_OBJECT

private slots:
    void halvesRoundToEven();
    void pointOnCircleFollowsDirectionAndOffset();
    void pointOnCircleUsesTheShortPiAndTruncates();
    void blendColorsMixesChannelsWithHalvesToEven();
    void gradientRunsThroughTheMiddleColour();
    void valueFractionAndSweepIndex();
    void arcPenWidthAndDrawRadius();
    void centerAndSizeTakesBorderAndTicksOffTheRadius();
    void tickRadiiByStyleAndPosition();
    void tickIndexesFollowTheFloatStep_data();
    void tickIndexesFollowTheFloatStep();
    void tickLoopEndsOnDegenerateSteps();
    void tickBoxesAreCentredOnThePoint();
    void storedTwipsLoadByRoundingAndTruncating();
    void percentText();
};

void TestDialGeometry::halvesRoundToEven()
{
    QCOMPARE(dial::roundHalfEven(22.5), 22);
    QCOMPARE(dial::roundHalfEven(23.5), 24);
    QCOMPARE(dial::roundHalfEven(-2.5), -2);
    QCOMPARE(dial::roundHalfEven(-3.5), -4);
    QCOMPARE(dial::roundHalfEven(2.4999), 2);
    QCOMPARE(dial::roundHalfEven(-2.6), -3);
}

void TestDialGeometry::pointOnCircleFollowsDirectionAndOffset()
{
    CircleFrame frame{100, 100, 0, Direction::Clockwise};
    QCOMPARE(dial::PointOnCircle(frame, 50, 0), QPoint(100, 50)); // straight up
    // The short pi leaves the cosine at 90 degrees a hair above zero, so the
    // truncated y is one row above the centre.
    const QPoint rightOfCentre = dial::PointOnCircle(frame, 50, 90);
    QCOMPARE(rightOfCentre, QPoint(149, 99));

    frame.direction = Direction::CounterClockwise;
    QCOMPARE(dial::PointOnCircle(frame, 50, 90), QPoint(50, 99));

    // Starting at 9 o'clock: the first index is left of the centre, and a
    // quarter turn clockwise from there is straight up.
    frame = {100, 100, 270, Direction::Clockwise};
    QVERIFY(dial::PointOnCircle(frame, 50, 0).x() < 52);
    QCOMPARE(dial::PointOnCircle(frame, 50, 90), QPoint(100, 50));

    // Counter-clockwise, the offset is still measured clockwise from the top.
    frame = {100, 100, 90, Direction::CounterClockwise};
    QVERIFY(dial::PointOnCircle(frame, 50, 0).x() > 148);
}

void TestDialGeometry::pointOnCircleUsesTheShortPiAndTruncates()
{
    // At 180 degrees the short pi leaves sin a hair above zero and cos a hair
    // above -1: with a radius of a million the x lands two pixels right of
    // centre, and the single-precision cosine rounds to exactly -1.
    const CircleFrame frame{0, 0, 0, Direction::Clockwise};
    const QPoint bottom = dial::PointOnCircle(frame, 100000, 180);
    QCOMPARE(bottom.x(), 0);
    QCOMPARE(dial::PointOnCircle(frame, 1000000, 180).x(), 2);
    QCOMPARE(bottom.y(), 100000);

    // Truncation toward zero, not rounding, on both sides of the centre.
    const QPoint at45 = dial::PointOnCircle({0, 0, 0, Direction::Clockwise}, 10, 45);
    QCOMPARE(at45, QPoint(7, -7)); // 7.07 and -7.07 both lose their fraction
}

void TestDialGeometry::blendColorsMixesChannelsWithHalvesToEven()
{
    const platform::OleColour a = platform::rgbColour(255, 0, 3);
    const platform::OleColour b = platform::rgbColour(0, 255, 0);
    QCOMPARE(dial::BlendColors(1.0f, a, b), a);
    QCOMPARE(dial::BlendColors(1.5f, a, b), a);
    QCOMPARE(dial::BlendColors(0.0f, a, b), b);
    QCOMPARE(dial::BlendColors(-0.25f, a, b), b);
    // 127.5 rounds to 128, 1.5 to 2; red is the low byte.
    QCOMPARE(dial::BlendColors(0.5f, a, b), platform::rgbColour(128, 128, 2));
    // 0.5 of 1 is 0.5, which rounds down to the even 0; 2.5 rounds to 2.
    QCOMPARE(dial::BlendColors(0.5f, platform::rgbColour(1, 5, 0), 0),
             platform::rgbColour(0, 2, 0));
    QCOMPARE(dial::BlendColors(0.25f, platform::rgbColour(200, 0, 0), 0),
             platform::rgbColour(50, 0, 0));
}

void TestDialGeometry::gradientRunsThroughTheMiddleColour()
{
    dial::GradientColours colours{platform::rgbColour(200, 0, 0), platform::rgbColour(0, 200, 0),
                                  platform::rgbColour(0, 0, 200), dial::ColourBands::StartMidEnd};
    QCOMPARE(dial::GetGradientColor(0.0f, colours), colours.start);
    QCOMPARE(dial::GetGradientColor(0.5f, colours), colours.mid);
    QCOMPARE(dial::GetGradientColor(1.0f, colours), colours.end);
    QCOMPARE(dial::GetGradientColor(0.25f, colours), platform::rgbColour(100, 100, 0));
    QCOMPARE(dial::GetGradientColor(0.75f, colours), platform::rgbColour(0, 100, 100));

    colours.bands = dial::ColourBands::StartToEnd;
    QCOMPARE(dial::GetGradientColor(0.5f, colours), platform::rgbColour(100, 0, 100));
    QCOMPARE(dial::GetGradientColor(1.0f, colours), colours.end);
}

void TestDialGeometry::valueFractionAndSweepIndex()
{
    const std::optional<float> part = dial::ValueFraction(30, 0, 60, 270);
    QVERIFY(part);
    QCOMPARE(*part, 0.375f);
    QCOMPARE(dial::SweepIndex(*part), 135);
    QCOMPARE(*dial::ValueFraction(30, 0, 60, 360), 0.5f);
    QCOMPARE(*dial::ValueFraction(-30, 0, 60, 360), -0.5f);

    // 22.5 rounds down to 22, 23.5 up to 24.
    const float at22 = *dial::ValueFraction(45, 0, 720, 360);
    QCOMPARE(at22 * 360.0f, 22.5f);
    QCOMPARE(dial::SweepIndex(at22), 22);
    const float at23 = *dial::ValueFraction(47, 0, 720, 360);
    QCOMPARE(at23 * 360.0f, 23.5f);
    QCOMPARE(dial::SweepIndex(at23), 24);

    // An empty range has no fraction instead of a division by zero.
    QVERIFY(!dial::ValueFraction(5, 5, 5, 360));
    // Extremes of a 32-bit range do not overflow.
    QCOMPARE(*dial::ValueFraction(2147483647, -2147483647 - 1, 2147483647, 360), 1.0f);
}

void TestDialGeometry::arcPenWidthAndDrawRadius()
{
    QCOMPARE(dial::ArcPenWidth(16), 1);
    QCOMPARE(dial::ArcPenWidth(17), 2);
    QCOMPARE(dial::ArcPenWidth(48), 3);
    QCOMPARE(dial::ArcPenWidth(128), 4);
    QCOMPARE(dial::ArcPenWidth(300), 8);

    QCOMPARE(dial::DrawRadius(128, dial::BorderUse::Shown, 3), 126);
    QCOMPARE(dial::DrawRadius(128, dial::BorderUse::Shown, 1), 127);
    QCOMPARE(dial::DrawRadius(128, dial::BorderUse::Shown, 4), 126);
    QCOMPARE(dial::DrawRadius(128, dial::BorderUse::Hidden, 3), 128);
}

void TestDialGeometry::centerAndSizeTakesBorderAndTicksOffTheRadius()
{
    dial::CenterAndSizeInput input;
    input.client = QSize(201, 150);
    input.outer = input.client;
    dial::DialCentre centre = dial::CenterAndSize(input);
    QCOMPARE(centre.xCenter, 100);
    QCOMPARE(centre.yCenter, 75);
    QCOMPARE(centre.radius, 74); // the smaller half, less a margin of 1

    input.outer = QSize(150, 201); // taller than wide: the horizontal half
    input.client = QSize(150, 201);
    QCOMPARE(dial::CenterAndSize(input).radius, 74);

    input.client = input.outer = QSize(200, 200);
    const int margins[][2] = {{1, 1}, {2, 1}, {3, 2}, {4, 2}, {5, 3}};
    for (const auto &widthAndMargin : margins) {
        input.borderWidth = widthAndMargin[0];
        QCOMPARE(dial::CenterAndSize(input).radius, 100 - widthAndMargin[1]);
    }

    input.borderWidth = 3; // margin 2
    input.tickStyle = 1;
    input.tickPosition = 1;
    input.tickSize = 50;
    QCOMPARE(dial::CenterAndSize(input).radius, 50); // the tick, being larger
    input.tickSize = 1;
    QCOMPARE(dial::CenterAndSize(input).radius, 98); // the margin, being larger
    input.tickPosition = 2;
    input.tickSize = 4; // margin 2 is at least half the tick
    QCOMPARE(dial::CenterAndSize(input).radius, 98);
    input.tickSize = 5; // 100 - 2.5 = 97.5, which rounds to the even 98
    QCOMPARE(dial::CenterAndSize(input).radius, 98);
    input.tickSize = 7; // 96.5 rounds to 96
    QCOMPARE(dial::CenterAndSize(input).radius, 96);
    input.tickPosition = 0;
    input.tickSize = 50;
    QCOMPARE(dial::CenterAndSize(input).radius, 98); // inside: only the margin
    input.tickPosition = 7;
    QCOMPARE(dial::CenterAndSize(input).radius, 98);

    // At 120 dpi (12 twips a pixel) the centre still comes out in pixels.
    input.twipsPerPixel = {12.0, 12.0};
    input.tickStyle = 0;
    QCOMPARE(dial::CenterAndSize(input).xCenter, 100);
}

void TestDialGeometry::tickRadiiByStyleAndPosition()
{
    // Line ticks run from the first radius to the second.
    QCOMPARE(dial::TickRadiiFor(1, 0, 126, 50).first, 126);
    QCOMPARE(dial::TickRadiiFor(1, 0, 126, 50).second, 76);
    QCOMPARE(dial::TickRadiiFor(1, 1, 126, 50).second, 176);
    QCOMPARE(dial::TickRadiiFor(1, 2, 126, 5).first, 124);  // 123.5 to even
    QCOMPARE(dial::TickRadiiFor(1, 2, 126, 5).second, 128); // 128.5 to even
    QCOMPARE(dial::TickRadiiFor(1, 3, 126, 5).first, 0);
    QCOMPARE(dial::TickRadiiFor(1, 3, 126, 5).second, 0);
    // Shapes are centred on one radius.
    QCOMPARE(dial::TickRadiiFor(2, 0, 126, 7).first, 122); // 122.5 to even
    QCOMPARE(dial::TickRadiiFor(4, 1, 126, 7).first, 130); // 129.5 to even
    QCOMPARE(dial::TickRadiiFor(3, 2, 126, 7).first, 126);
    QCOMPARE(dial::TickRadiiFor(5, -1, 126, 7).first, 0);
}

void TestDialGeometry::tickIndexesFollowTheFloatStep_data()
{
    QTest::addColumn<float>("frequency");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("span");
    QTest::addColumn<QList<int>>("expected");

    QTest::newRow("sixty-second clock")
        << 5.0f << 60 << 360 << QList<int>{0, 30, 60, 90, 120, 150, 180, 210, 240, 270, 300, 330};
    QTest::newRow("27-degree steps reach the end of the span")
        << 10.0f << 100 << 270 << QList<int>{0, 27, 54, 81, 108, 135, 162, 189, 216, 243, 270};
    QTest::newRow("22.5-degree steps round their halves up")
        << 5.0f << 80 << 360
        << QList<int>{0, 23, 45, 68, 90, 113, 135, 158, 180, 203, 225, 248, 270, 293, 315, 338};
    QTest::newRow("negative frequency") << -5.0f << 60 << 360 << QList<int>{};
    QTest::newRow("steps below a degree draw each index once") << 0.5f << 200 << 45 << [] {
        QList<int> all;
        for (int i = 0; i <= 45; ++i)
            all << i;
        return all;
    }();
}

void TestDialGeometry::tickIndexesFollowTheFloatStep()
{
    QFETCH(float, frequency);
    QFETCH(int, max);
    QFETCH(int, span);
    QFETCH(QList<int>, expected);
    QCOMPARE(dial::TickIndexes(frequency, 0, max, span, {100, 100, 0, Direction::Clockwise}),
             expected);
}

void TestDialGeometry::tickLoopEndsOnDegenerateSteps()
{
    const CircleFrame frame{100, 100, 0, Direction::Clockwise};
    QVERIFY(dial::TickIndexes(0.0f, 0, 60, 360, frame).isEmpty());
    QVERIFY(dial::TickIndexes(5.0f, 60, 60, 360, frame).isEmpty());
    QVERIFY(dial::TickIndexes(std::nanf(""), 0, 60, 360, frame).isEmpty());
    // A step too small for a float to move past some point ends the loop
    // instead of spinning; and no angle is drawn twice.
    const QList<int> tiny = dial::TickIndexes(1e-6f, 0, 60, 360, frame);
    QVERIFY(!tiny.isEmpty());
    QVERIFY(tiny.size() <= 360);
    // A huge span loaded as stored: bounded by the screen angles there are.
    const QList<int> huge = dial::TickIndexes(1.0f, 0, 2000000000, 2000000000, frame);
    QCOMPARE(huge.size(), 360);
}

void TestDialGeometry::tickBoxesAreCentredOnThePoint()
{
    const dial::Box even = dial::TickBoxAt(QPoint(50, 20), 8);
    QCOMPARE(even.left, 46); // 50 - 4 + 0.5 truncated
    QCOMPARE(even.top, 16);
    QCOMPARE(even.right, 54);
    QCOMPARE(even.bottom, 24);
    const dial::Box odd = dial::TickBoxAt(QPoint(50, 20), 5);
    QCOMPARE(odd.left, 48);  // 48.0
    QCOMPARE(odd.right, 53); // 53.0
    // Left of zero the truncation goes toward zero, not down.
    QCOMPARE(dial::TickBoxAt(QPoint(1, 1), 8).left, -2); // -2.5 truncated
}

void TestDialGeometry::storedTwipsLoadByRoundingAndTruncating()
{
    QCOMPARE(dial::PixelsFromStoredTwips(2130, 15), 142);
    QCOMPARE(dial::PixelsFromStoredTwips(-600, 15), -40);
    QCOMPARE(dial::PixelsFromStoredTwips(29, 15), 1);    // truncated, not rounded
    QCOMPARE(dial::PixelsFromStoredTwips(-29, 15), -1);  // toward zero
    QCOMPARE(dial::PixelsFromStoredTwips(44.5, 15), 2);  // 44 (half to even) / 15
    QCOMPARE(dial::PixelsFromStoredTwips(45.5, 15), 3);  // 46 / 15
    QCOMPARE(dial::PixelsFromStoredTwips(120, 14.5), 8); // the factor rounds to 14
    QCOMPARE(dial::PixelsFromStoredTwips(120, 15.5), 7); // and to 16
    QVERIFY(!dial::PixelsFromStoredTwips(1e12, 15));
    QVERIFY(!dial::PixelsFromStoredTwips(std::nan(""), 15));

    QCOMPARE(dial::PixelsViaTwips(37, 15.0), 37);
    QCOMPARE(dial::PixelsViaTwips(37, 14.5), 38); // 536.5 -> 536, / 14 (14.5 rounds to even)
}

void TestDialGeometry::percentText()
{
    QCOMPARE(dial::PercentText(30, 0, 60), QStringLiteral("50%"));
    QCOMPARE(dial::PercentText(1, 0, 200), QStringLiteral("1%")); // an exact half rounds up
    QCOMPARE(dial::PercentText(1, 0, 3), QStringLiteral("33%"));
    QCOMPARE(dial::PercentText(90, 0, 60), QStringLiteral("150%"));
    QCOMPARE(dial::PercentText(7, 7, 7), QStringLiteral("0%"));
}

QTEST_APPLESS_MAIN(TestDialGeometry)
#include "tst_dialgeometry.moc"

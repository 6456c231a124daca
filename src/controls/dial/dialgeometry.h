#pragma once

#include "colour.h"
#include "twips.h"

#include <QList>
#include <QPoint>
#include <QSize>
#include <QString>

#include <optional>

// The dial's arithmetic, kept apart from any drawing so that every figure the
// dial depends on (angles, pixel points, blended colours, tick places, the
// stored-length rule) can be checked on its own. The rounding and number types
// are part of the result: a pixel or a colour channel a step off shows.
namespace dial {

enum class Direction { Clockwise, CounterClockwise };

// Rounds to the nearest whole number, an exact half to the even neighbour.
qint64 roundHalfEven(double value);

// Where index 0 sits and which way indexes run.
struct CircleFrame
{
    int xCenter = 0;
    int yCenter = 0;
    int offsetAngle = 0;
    Direction direction = Direction::Clockwise;
};

// The pixel at radius r and angle index a (degrees from the dial's start).
// The constant 3.14159 and the single-precision cosine are deliberate: they
// decide which pixel a long radial line ends on.
QPoint PointOnCircle(const CircleFrame &frame, int radius, qint64 angleIndex);

// t = 1 or more gives a, 0 or less gives b, anything between mixes each
// channel and rounds halves to even.
platform::OleColour BlendColors(float t, platform::OleColour a, platform::OleColour b);

enum class ColourBands { StartToEnd, StartMidEnd };

struct GradientColours
{
    platform::OleColour start = 0x000000C0;
    platform::OleColour mid = 0x0000FFFF;
    platform::OleColour end = 0x0000C000;
    ColourBands bands = ColourBands::StartMidEnd;
};

// The colour at fraction x of the way from the start colour to the end colour.
platform::OleColour GetGradientColor(float x, const GradientColours &colours);

// The part of the whole circle the value sweep covers, or nothing when the
// range is empty (Max equal to Min), where the quotient has no meaning.
std::optional<float> ValueFraction(qint64 value, qint64 min, qint64 max, int span);
// The angle index a fraction of the circle reaches, rounded halves to even.
qint64 SweepIndex(float fraction);

int ArcPenWidth(int radius);
enum class BorderUse { Shown, Hidden };
int DrawRadius(int radius, BorderUse border, int borderWidth);

struct CenterAndSizeInput
{
    QSize client; // drawing area, inside any sunken border
    QSize outer;  // the control's own size
    platform::TwipsPerPixel twipsPerPixel;
    int borderWidth = 1;
    int tickStyle = 0;
    int tickPosition = 0;
    int tickSize = 4;
};

struct DialCentre
{
    int xCenter = 0;
    int yCenter = 0;
    int radius = 0;
};

DialCentre CenterAndSize(const CenterAndSizeInput &input);

// The radii a tick is drawn between: a line runs from first to second, a
// shape is centred on first.
struct TickRadii
{
    int first = 0;
    int second = 0;
};

TickRadii TickRadiiFor(int tickStyle, int tickPosition, int drawRadius, int tickSize);

// The angle indexes of the ticks, in drawing order. A step of zero (or a
// range of zero) gives none rather than looping for ever; a tick that would
// land on a screen angle already drawn is not repeated.
QList<int> TickIndexes(float tickFrequency, qint64 min, qint64 max, int span,
                       const CircleFrame &frame);

// A drawing box as left, top, right, bottom, right and bottom excluded.
struct Box
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The box of a shape tick centred on point.
Box TickBoxAt(QPoint point, int tickSize);

// A stored length in twips back to pixels: both numbers rounded to whole
// numbers, then divided with the quotient truncated toward zero. Nothing when
// the stored number cannot be a pixel count.
std::optional<int> PixelsFromStoredTwips(double storedTwips, double twipsPerPixel);

// A length measured in pixels as the dial places text: via whole twips, so a
// screen whose factor is not whole loses what the stored form would lose.
int PixelsViaTwips(int pixels, double twipsPerPixel);

// The value's share of the range as whole percent with a "%" sign; an exact
// half percent rounds away from zero. "0%" for an empty range.
QString PercentText(qint64 value, qint64 min, qint64 max);

} // namespace dial

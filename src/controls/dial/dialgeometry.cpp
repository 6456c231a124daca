#include "dialgeometry.h"

#include <QSet>

#include <cmath>
#include <limits>

namespace dial {

namespace {
constexpr double DegreesToRadians = 3.14159 / 180.0;

int channel(platform::OleColour colour, int shift)
{
    return static_cast<int>((colour >> shift) & 0xFF);
}

// The screen angle the dial's trigonometry sees: the remainder keeps the sign
// of the dividend, so a negative sum stays negative.
qint64 screenAngle(const CircleFrame &frame, qint64 angleIndex)
{
    if (frame.direction == Direction::Clockwise)
        return (angleIndex + frame.offsetAngle) % 360;
    return (angleIndex - frame.offsetAngle + 360) % 360;
}

qint64 truncateToPixel(double value)
{
    if (!std::isfinite(value))
        return 0;
    return static_cast<qint64>(std::trunc(value));
}

int clampToInt(qint64 value)
{
    if (value > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (value < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}
} // namespace

qint64 roundHalfEven(double value)
{
    if (std::isnan(value))
        return 0;
    constexpr double limit = 9.2e18;
    if (value >= limit)
        return std::numeric_limits<qint64>::max();
    if (value <= -limit)
        return std::numeric_limits<qint64>::min();
    const double floor = std::floor(value);
    const double rest = value - floor;
    auto whole = static_cast<qint64>(floor);
    if (rest > 0.5 || (rest == 0.5 && (whole % 2) != 0))
        ++whole;
    return whole;
}

QPoint PointOnCircle(const CircleFrame &frame, int radius, qint64 angleIndex)
{
    const double d = static_cast<double>(screenAngle(frame, angleIndex));
    const auto c = static_cast<float>(std::cos(d * DegreesToRadians));
    const double s = std::sin(d * DegreesToRadians);
    const double r = radius;
    const double x =
        frame.direction == Direction::Clockwise ? frame.xCenter + r * s : frame.xCenter - r * s;
    const double y = frame.yCenter - r * static_cast<double>(c);
    return QPoint(clampToInt(truncateToPixel(x)), clampToInt(truncateToPixel(y)));
}

platform::OleColour BlendColors(float t, platform::OleColour a, platform::OleColour b)
{
    if (t >= 1.0f)
        return a;
    if (t <= 0.0f)
        return b;
    const float rest = 1.0f - t;
    platform::OleColour result = 0;
    for (int shift : {0, 8, 16}) {
        const double mixed = channel(b, shift) * static_cast<double>(rest) +
                             channel(a, shift) * static_cast<double>(t);
        const qint64 rounded = roundHalfEven(mixed);
        result += static_cast<platform::OleColour>(rounded & 0xFF) << shift;
    }
    return result;
}

platform::OleColour GetGradientColor(float x, const GradientColours &colours)
{
    if (colours.bands == ColourBands::StartToEnd)
        return BlendColors(x, colours.end, colours.start);
    if (x >= 0.5f) {
        const float t = (x * 100.0f - 50.0f) / 50.0f;
        return BlendColors(t, colours.end, colours.mid);
    }
    const float t = x * 100.0f / 50.0f;
    return BlendColors(t, colours.mid, colours.start);
}

std::optional<float> ValueFraction(qint64 value, qint64 min, qint64 max, int span)
{
    if (max == min)
        return std::nullopt;
    auto fraction =
        static_cast<float>(static_cast<double>(value - min) / static_cast<double>(max - min));
    if (span != 360)
        fraction = static_cast<float>(static_cast<double>(fraction) * span / 360.0);
    return fraction;
}

qint64 SweepIndex(float fraction)
{
    return roundHalfEven(static_cast<double>(fraction * 360.0f));
}

int ArcPenWidth(int radius)
{
    return radius > 16 ? radius / 48 + 2 : 1;
}

int DrawRadius(int radius, BorderUse border, int borderWidth)
{
    if (border == BorderUse::Hidden)
        return radius;
    // The border width is a 16-bit value; the quotient is truncated.
    return clampToInt(qint64(radius) - (static_cast<qint16>(borderWidth) + 1) / 2);
}

DialCentre CenterAndSize(const CenterAndSizeInput &input)
{
    const qint64 factorX = roundHalfEven(input.twipsPerPixel.x);
    const qint64 factorY = roundHalfEven(input.twipsPerPixel.y);
    const qint64 widthTwips = roundHalfEven(input.client.width() * input.twipsPerPixel.x);
    const qint64 heightTwips = roundHalfEven(input.client.height() * input.twipsPerPixel.y);

    DialCentre centre;
    centre.yCenter = clampToInt((factorY > 0 ? heightTwips / factorY : 0) / 2);
    centre.xCenter = clampToInt((factorX > 0 ? widthTwips / factorX : 0) / 2);
    int radius = input.outer.width() > input.outer.height() ? centre.yCenter : centre.xCenter;

    // Room for half the border, whether or not the border is shown.
    const auto margin = static_cast<int>(std::trunc(input.borderWidth / 2.0 + 0.5));
    if (input.tickStyle == 0) {
        radius -= margin;
    } else if (input.tickPosition == 1) {
        radius -= input.tickSize > margin ? input.tickSize : margin;
    } else if (input.tickPosition == 2) {
        const double halfTick = input.tickSize / 2.0;
        if (margin >= halfTick)
            radius -= margin;
        else
            radius = clampToInt(roundHalfEven(radius - halfTick));
    } else {
        radius -= margin;
    }
    centre.radius = radius;
    return centre;
}

TickRadii TickRadiiFor(int tickStyle, int tickPosition, int drawRadius, int tickSize)
{
    const double half = tickSize / 2.0;
    const int less = clampToInt(roundHalfEven(drawRadius - half));
    const int more = clampToInt(roundHalfEven(drawRadius + half));
    if (tickStyle == 1) {
        switch (tickPosition) {
        case 0:
            return {drawRadius, clampToInt(qint64(drawRadius) - tickSize)};
        case 1:
            return {drawRadius, clampToInt(qint64(drawRadius) + tickSize)};
        case 2:
            return {less, more};
        default:
            return {};
        }
    }
    switch (tickPosition) {
    case 0:
        return {less, 0};
    case 1:
        return {more, 0};
    case 2:
        return {drawRadius, 0};
    default:
        return {};
    }
}

QList<int> TickIndexes(float tickFrequency, qint64 min, qint64 max, int span,
                       const CircleFrame &frame)
{
    QList<int> indexes;
    if (max == min)
        return indexes;
    const float last = span == 360 ? 359.0f : static_cast<float>(span);
    const auto step = static_cast<float>(static_cast<double>(tickFrequency) /
                                         static_cast<double>(max - min) * span);
    if (step == 0.0f || std::isnan(step))
        return indexes;

    // Ticks on a screen angle already drawn would only repaint the same
    // pixels; once every angle has one, the rest of the loop is skipped.
    QSet<qint64> drawnAngles;
    constexpr qsizetype everyAngle = 719;
    float p = 0.0f;
    qint64 previous = -1;
    while (step > 0.0f ? p <= last : p >= last) {
        const qint64 index = truncateToPixel(static_cast<double>(p) + 0.5);
        if (indexes.isEmpty() || index != previous) {
            previous = index;
            const qint64 angle = screenAngle(frame, index);
            if (!drawnAngles.contains(angle)) {
                drawnAngles.insert(angle);
                indexes.append(clampToInt(index));
                if (drawnAngles.size() == everyAngle)
                    break;
            }
        }
        const float next = p + step;
        if (next == p) // the step is lost below the float's precision
            break;
        p = next;
    }
    return indexes;
}

Box TickBoxAt(QPoint point, int tickSize)
{
    const double half = tickSize / 2.0;
    auto edge = [](double value) { return clampToInt(truncateToPixel(value)); };
    return {edge(point.x() - half + 0.5), edge(point.y() - half + 0.5),
            edge(point.x() + half + 0.5), edge(point.y() + half + 0.5)};
}

std::optional<int> PixelsFromStoredTwips(double storedTwips, double twipsPerPixel)
{
    if (!std::isfinite(storedTwips))
        return std::nullopt;
    const qint64 stored = roundHalfEven(storedTwips);
    const qint64 factor = roundHalfEven(twipsPerPixel);
    // The stored number is a 32-bit integer once rounded.
    if (factor <= 0 || stored > std::numeric_limits<qint32>::max() ||
        stored < std::numeric_limits<qint32>::min())
        return std::nullopt;
    return static_cast<int>(stored / factor);
}

int PixelsViaTwips(int pixels, double twipsPerPixel)
{
    const qint64 factor = roundHalfEven(twipsPerPixel);
    if (factor <= 0)
        return pixels;
    return clampToInt(roundHalfEven(pixels * twipsPerPixel) / factor);
}

QString PercentText(qint64 value, qint64 min, qint64 max)
{
    if (max == min)
        return QStringLiteral("0%");
    const double share = static_cast<double>(value - min) / static_cast<double>(max - min);
    const auto percent = static_cast<qint64>(std::round(share * 100.0));
    return QString::number(percent) + QLatin1Char('%');
}

} // namespace dial

#include "dialpainter.h"

#include "surface.h"

#include <algorithm>
#include <limits>

namespace {
int clampToInt(qint64 value)
{
    return static_cast<int>(std::clamp<qint64>(value, std::numeric_limits<int>::min(),
                                               std::numeric_limits<int>::max()));
}
} // namespace

DialPainter::DialPainter(const DialProperties &properties, const QPalette &palette,
                         platform::TwipsPerPixel twipsPerPixel)
    : m_properties(properties)
    , m_palette(palette)
    , m_twipsPerPixel(twipsPerPixel)
{
    const DialProperties &p = m_properties;
    m_frame = {p.xCenter, p.yCenter, p.offsetAngle,
               p.clockwise ? dial::Direction::Clockwise : dial::Direction::CounterClockwise};
    m_gradient = {p.resolvedStartColor, p.resolvedMidColor, p.resolvedEndColor,
                  p.tricolor ? dial::ColourBands::StartMidEnd : dial::ColourBands::StartToEnd};
    m_arcPenWidth = dial::ArcPenWidth(p.radius);
    m_drawRadius =
        p.showBorder ? dial::DrawRadius(p.radius, dial::BorderUse::Shown, p.borderWidth) : p.radius;
}

QColor DialPainter::colour(platform::OleColour colour) const
{
    return platform::toQColor(colour, m_palette);
}

QColor DialPainter::gradientColour(float fraction) const
{
    return platform::toQColor(dial::GetGradientColor(fraction, m_gradient));
}

QPoint DialPainter::centre() const
{
    return QPoint(m_properties.xCenter, m_properties.yCenter);
}

dial::Box DialPainter::circleBox() const
{
    const DialProperties &p = m_properties;
    return {clampToInt(qint64(p.xCenter) - p.radius), clampToInt(qint64(p.yCenter) - p.radius),
            clampToInt(qint64(p.xCenter) + p.radius + 1),
            clampToInt(qint64(p.yCenter) + p.radius + 1)};
}

void DialPainter::paint(platform::Surface &surface) const
{
    const DialProperties &p = m_properties;
    // The previous automatic snapshot must not show through this drawing.
    if (p.autoMask)
        surface.setBackgroundPicture(std::nullopt);
    surface.clear();

    // An empty range (Max equal to Min) has no fraction: it draws as a dial
    // at its start with no sweep.
    const std::optional<float> fraction = dial::ValueFraction(p.value, p.min, p.max, p.span);
    const float sweep = fraction.value_or(0.0f);

    if (p.showBorder) {
        surface.setForeColour(colour(p.borderColor));
        surface.setPenWidth(p.borderWidth);
    } else {
        surface.setForeColour(colour(p.circleColor));
        surface.setPenWidth(1);
    }
    drawBackgroundCircle(surface, sweep);
    if (fraction)
        drawSweep(surface, sweep);
    drawBorder(surface);
    if (p.tickStyle != 0)
        drawTicks(surface);
    if (p.showNeedle)
        drawNeedle(surface, sweep);
    if (p.showValue)
        drawValueText(surface);

    if (p.autoMask) {
        const QImage snapshot = surface.image();
        surface.setMaskPicture(snapshot);
        surface.setBackgroundPicture(snapshot);
    }
}

void DialPainter::drawBackgroundCircle(platform::Surface &surface, float fraction) const
{
    const DialProperties &p = m_properties;
    // Compared as stored: a system colour and its current RGB differ here.
    if (!p.showCircle || p.circleColor == p.backColor)
        return;
    if (p.span == 360) {
        surface.setFillColour(colour(p.circleColor));
        surface.setFillStyle(platform::FillStyle::Solid);
        const dial::Box box = circleBox();
        surface.ellipse(box.left, box.top, box.right, box.bottom);
        return;
    }
    surface.setPenWidth(m_arcPenWidth);
    surface.setForeColour(colour(p.circleColor));
    qint64 first = p.showArc ? dial::SweepIndex(fraction) : 0;
    // One colour throughout: past a whole turn the lines only repeat.
    first = std::max<qint64>(first, static_cast<qint64>(p.span) - 360);
    for (qint64 index = p.span; index >= first; --index)
        surface.line(centre(), dial::PointOnCircle(m_frame, m_drawRadius, index));
}

void DialPainter::drawSweep(platform::Surface &surface, float fraction) const
{
    const DialProperties &p = m_properties;
    if (!p.showArc || !(p.value > p.min || p.showZeroLine))
        return;
    surface.setPenWidth(m_arcPenWidth);
    if (p.fade)
        surface.setForeColour(gradientColour(static_cast<float>(360.0 / p.span * fraction)));
    else
        surface.setForeColour(platform::toQColor(p.resolvedStartColor));
    // A value loaded far beyond Max would sweep round many times; past the end
    // of the span every line has the end colour, so one more turn shows it all.
    const qint64 last =
        std::min<qint64>(dial::SweepIndex(fraction), std::max<qint64>(p.span, 0) + 360);
    for (qint64 index = 0; index <= last; ++index) {
        if (p.gradient)
            surface.setForeColour(
                gradientColour(static_cast<float>(static_cast<double>(index) / p.span)));
        surface.line(centre(), dial::PointOnCircle(m_frame, m_drawRadius, index));
    }
}

void DialPainter::drawBorder(platform::Surface &surface) const
{
    const DialProperties &p = m_properties;
    if (!p.showBorder)
        return;
    surface.setForeColour(colour(p.borderColor));
    surface.setPenWidth(p.borderWidth);
    const dial::Box box = circleBox();
    if (p.span == 360) {
        surface.setFillStyle(platform::FillStyle::Transparent);
        surface.ellipse(box.left, box.top, box.right, box.bottom);
        return;
    }
    // Arcs run counter-clockwise, so a clockwise dial starts from its far end.
    const QPoint atSpan = dial::PointOnCircle(m_frame, m_drawRadius, p.span);
    const QPoint atStart = dial::PointOnCircle(m_frame, m_drawRadius, 0);
    if (p.clockwise)
        surface.arc(box.left, box.top, box.right, box.bottom, atSpan, atStart);
    else
        surface.arc(box.left, box.top, box.right, box.bottom, atStart, atSpan);
}

void DialPainter::drawTicks(platform::Surface &surface) const
{
    const DialProperties &p = m_properties;
    if (p.tickStyle < 1 || p.tickStyle > 5)
        return;
    surface.setPenWidth(p.tickWidth);
    surface.setForeColour(colour(p.tickColor));
    surface.setFillColour(colour(p.tickColor));
    const dial::TickRadii radii =
        dial::TickRadiiFor(p.tickStyle, p.tickPosition, m_drawRadius, p.tickSize);
    if (p.tickStyle > 1)
        surface.setFillStyle(p.tickStyle == 2 || p.tickStyle == 4
                                 ? platform::FillStyle::Solid
                                 : platform::FillStyle::Transparent);
    const QList<int> indexes = dial::TickIndexes(p.tickFrequency, p.min, p.max, p.span, m_frame);
    for (int index : indexes) {
        const QPoint point = dial::PointOnCircle(m_frame, radii.first, index);
        if (p.tickStyle == 1) {
            surface.line(point, dial::PointOnCircle(m_frame, radii.second, index));
            continue;
        }
        const dial::Box box = dial::TickBoxAt(point, p.tickSize);
        if (p.tickStyle <= 3)
            surface.ellipse(box.left, box.top, box.right, box.bottom);
        else
            surface.rectangle(box.left, box.top, box.right, box.bottom);
    }
}

void DialPainter::drawNeedle(platform::Surface &surface, float fraction) const
{
    const DialProperties &p = m_properties;
    surface.setPenWidth(m_arcPenWidth);
    if (p.showArc || (!p.fade && !p.gradient))
        surface.setForeColour(colour(p.needleColor));
    else
        surface.setForeColour(gradientColour(static_cast<float>(360.0 / p.span * fraction)));
    surface.line(centre(), dial::PointOnCircle(m_frame, m_drawRadius, dial::SweepIndex(fraction)));
}

QString DialPainter::valueText(const DialProperties &p)
{
    if (p.showValueAsPercent)
        return dial::PercentText(p.value, p.min, p.max);
    return QString::number(p.value);
}

void DialPainter::drawValueText(platform::Surface &surface) const
{
    const DialProperties &p = m_properties;
    const QString text = valueText(p);
    const QSize size = surface.textSize(text);
    const int halfWidth = dial::PixelsViaTwips(size.width(), m_twipsPerPixel.x) / 2;
    const int halfHeight = dial::PixelsViaTwips(size.height(), m_twipsPerPixel.y) / 2;
    const qint64 left = qint64(p.xCenter) + p.textOffsetX - halfWidth;
    const qint64 top = qint64(p.yCenter) + p.textOffsetY - halfHeight;
    if (p.textShadow) {
        surface.setForeColour(colour(p.textShadowColor));
        surface.textOut(
            QPoint(clampToInt(left + p.textShadowXOffset), clampToInt(top + p.textShadowYOffset)),
            text);
    }
    surface.setForeColour(colour(p.textColor));
    surface.textOut(QPoint(clampToInt(left), clampToInt(top)), text);
}

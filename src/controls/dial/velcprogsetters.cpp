// The setters of the dial's value, angles, geometry, border, arc, needle,
// circle and colours: each clamps or normalises its input, redraws when the
// change can show, and reports the stored name last.

#include "controls/dial/velcprog.h"

#include <algorithm>
#include <limits>

void VelCProg::setMinimum(int value)
{
    syncSize();
    m_p.min = value < 0 ? 0 : value;
    Repaint();
    report("Min");
}

void VelCProg::setMaximum(int value)
{
    syncSize();
    m_p.max = value;
    Repaint();
    report("Max");
}

void VelCProg::setValue(int value)
{
    syncSize();
    if (value < m_p.min)
        m_p.value = m_p.min;
    else if (value > m_p.max)
        m_p.value = m_p.max;
    else
        m_p.value = value;
    Repaint();
    report("Value");
}

void VelCProg::setOffsetAngle(int degrees)
{
    syncSize();
    // The same as adding 360 while negative and taking 360 off while above
    // 359, without the loop.
    m_p.offsetAngle = ((degrees % 360) + 360) % 360;
    Repaint();
    report("OffsetAngle");
}

void VelCProg::setSpan(int degrees)
{
    syncSize();
    int span = degrees;
    if (span < 0) {
        span %= 360;
        if (span < 0)
            span += 360;
    }
    if (span > 360)
        span = (span - 1) % 360 + 1; // 720 stays a full circle
    m_p.span = span < 45 ? 45 : span;
    Repaint();
    report("Span");
}

void VelCProg::setClockwise(bool on)
{
    syncSize();
    m_p.clockwise = on;
    Repaint();
    report("Clockwise");
}

void VelCProg::setXCenter(int pixels)
{
    syncSize();
    m_p.xCenter = pixels;
    Repaint();
    report("XCenter");
}

void VelCProg::setYCenter(int pixels)
{
    syncSize();
    m_p.yCenter = pixels;
    Repaint();
    report("YCenter");
}

void VelCProg::setRadius(int pixels)
{
    syncSize();
    m_p.radius = pixels;
    Repaint();
    report("Radius");
}

void VelCProg::setAutoSize(bool on)
{
    syncSize();
    m_p.autoSize = on;
    if (on) {
        CenterAndSize();
        Repaint();
    }
    report("AutoSize");
}

void VelCProg::setShowBorder(bool on)
{
    syncSize();
    m_p.showBorder = on;
    Repaint();
    report("Border");
}

void VelCProg::setBorderWidth(qint16 pixels)
{
    syncSize();
    int width = pixels < 1 ? 1 : pixels;
    if (width >= m_p.radius)
        width = m_p.radius - 1;
    // A 16-bit property: a radius beyond its range cannot be reached.
    width = std::clamp<int>(width, std::numeric_limits<qint16>::min(),
                            std::numeric_limits<qint16>::max());
    m_p.borderWidth = static_cast<qint16>(width);
    refit();
    if (m_p.showBorder)
        Repaint();
    report("BorderWidth");
}

void VelCProg::setBorderColor(platform::OleColour colour)
{
    syncSize();
    m_p.borderColor = colour;
    if (m_p.showBorder)
        Repaint();
    report("BorderColor");
}

void VelCProg::setShowArc(bool on)
{
    syncSize();
    m_p.showArc = on;
    // One of arc and needle always shows.
    if (!on)
        setShowNeedle(true);
    if (on)
        Repaint();
    report("ShowArc");
}

void VelCProg::setShowNeedle(bool on)
{
    syncSize();
    m_p.showNeedle = on;
    if (!on)
        setShowArc(true);
    if (on)
        Repaint();
    report("ShowNeedle");
}

void VelCProg::setShowZeroLine(bool on)
{
    syncSize();
    m_p.showZeroLine = on;
    if (m_p.value == m_p.min)
        Repaint();
    report("ShowZeroLine");
}

void VelCProg::setShowCircle(bool on)
{
    syncSize();
    m_p.showCircle = on;
    Repaint();
    report("ShowCircle");
}

void VelCProg::setCircleColor(platform::OleColour colour)
{
    syncSize();
    m_p.circleColor = colour;
    if (m_p.showCircle)
        Repaint();
    report("CircleColor");
}

void VelCProg::setNeedleColor(platform::OleColour colour)
{
    syncSize();
    m_p.needleColor = colour;
    if (m_p.showNeedle)
        Repaint();
    report("NeedleColor");
}

void VelCProg::setGradient(bool on)
{
    syncSize();
    m_p.gradient = on;
    Repaint();
    report("Gradient");
}

void VelCProg::setFade(bool on)
{
    syncSize();
    m_p.fade = on;
    Repaint();
    report("Fade");
}

void VelCProg::setTricolor(bool on)
{
    syncSize();
    m_p.tricolor = on;
    if (m_p.fade || m_p.gradient)
        Repaint();
    report("Tricolor");
}

void VelCProg::setStartColor(platform::OleColour colour)
{
    syncSize();
    m_p.startColor = colour;
    m_p.resolvedStartColor = platform::TranslateColor(colour, palette());
    Repaint();
    report("StartColor");
}

void VelCProg::setMidColor(platform::OleColour colour)
{
    syncSize();
    m_p.midColor = colour;
    m_p.resolvedMidColor = platform::TranslateColor(colour, palette());
    if (m_p.tricolor && (m_p.fade || m_p.gradient))
        Repaint();
    report("MidColor");
}

void VelCProg::setEndColor(platform::OleColour colour)
{
    syncSize();
    m_p.endColor = colour;
    m_p.resolvedEndColor = platform::TranslateColor(colour, palette());
    if (m_p.gradient || m_p.fade)
        Repaint();
    report("EndColor");
}

void VelCProg::setBackColor(platform::OleColour colour)
{
    syncSize();
    m_p.backColor = colour;
    // The automatic mask cuts away whatever is left in the back colour.
    if (m_p.autoMask)
        m_p.maskColor = colour;
    applySurfaceColours();
    Repaint();
    report("BackColor");
}

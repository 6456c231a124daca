// The dial's property setters: each clamps or normalises its input, redraws
// when the change can show, and reports the stored name last.

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

void VelCProg::setTickStyle(int style)
{
    syncSize();
    m_p.tickStyle = style;
    refit();
    Repaint();
    report("TickStyle");
}

void VelCProg::setTickPosition(int position)
{
    syncSize();
    m_p.tickPosition = position;
    refit();
    if (m_p.tickStyle != 0)
        Repaint();
    report("TickPosition");
}

void VelCProg::setTickFrequency(float valueUnits)
{
    syncSize();
    m_p.tickFrequency = valueUnits;
    if (m_p.tickStyle != 0)
        Repaint();
    report("TickFrequency");
}

void VelCProg::setTickSize(qint16 pixels)
{
    syncSize();
    m_p.tickSize = pixels;
    refit();
    if (m_p.tickStyle != 0)
        Repaint();
    report("TickSize");
}

void VelCProg::setTickWidth(qint16 pixels)
{
    syncSize();
    m_p.tickWidth = pixels < 1 ? qint16(1) : pixels;
    if (m_p.tickStyle != 0)
        Repaint();
    report("TickWidth");
}

void VelCProg::setTickColor(platform::OleColour colour)
{
    syncSize();
    m_p.tickColor = colour;
    if (m_p.tickStyle != 0)
        Repaint();
    report("TickColor");
}

void VelCProg::setShowValue(bool on)
{
    syncSize();
    m_p.showValue = on;
    Repaint();
    report("ShowValue");
}

void VelCProg::setShowValueAsPercent(bool on)
{
    syncSize();
    m_p.showValueAsPercent = on;
    if (on)
        m_p.showValue = true;
    if (m_p.showValue)
        Repaint();
    report("ShowValueAsPercent");
}

void VelCProg::setTextColor(platform::OleColour colour)
{
    syncSize();
    m_p.textColor = colour;
    if (m_p.showValue)
        Repaint();
    report("TextColor");
}

void VelCProg::setTextOffsetX(int pixels)
{
    syncSize();
    m_p.textOffsetX = pixels;
    if (m_p.showValue)
        Repaint();
    report("TextOffsetX");
}

void VelCProg::setTextOffsetY(int pixels)
{
    syncSize();
    m_p.textOffsetY = pixels;
    if (m_p.showValue)
        Repaint();
    report("TextOffsetY");
}

void VelCProg::setTextShadow(bool on)
{
    syncSize();
    m_p.textShadow = on;
    if (m_p.showValue)
        Repaint();
    report("TextShadow");
}

void VelCProg::setTextShadowColor(platform::OleColour colour)
{
    syncSize();
    m_p.textShadowColor = colour;
    if (m_p.showValue && m_p.textShadow)
        Repaint();
    report("TextShadowColor");
}

void VelCProg::setTextShadowXOffset(qint16 pixels)
{
    syncSize();
    m_p.textShadowXOffset = pixels;
    if (m_p.showValue && m_p.textShadow)
        Repaint();
    report("TextShadowXOffset");
}

void VelCProg::setTextShadowYOffset(qint16 pixels)
{
    syncSize();
    m_p.textShadowYOffset = pixels;
    if (m_p.showValue && m_p.textShadow)
        Repaint();
    report("TextShadowYOffset");
}

void VelCProg::setControlFont(const QFont &font)
{
    syncSize();
    m_surface.setFont(font);
    Repaint();
    report("Font");
}

void VelCProg::setPicture(std::optional<QImage> picture)
{
    syncSize();
    m_picBack = std::move(picture);
    if (holdsImage(m_picBack))
        StretchPictures();
    else
        m_surface.setBackgroundPicture(std::nullopt);
    Repaint();
    report("Picture");
}

void VelCProg::setMaskPicture(std::optional<QImage> picture)
{
    syncSize();
    m_picMask = std::move(picture);
    if (holdsImage(m_picMask))
        StretchPictures();
    else
        m_surface.setMaskPicture(std::nullopt);
    Repaint();
    report("MaskPicture");
}

void VelCProg::setPictureImage(const QImage &image)
{
    setPicture(image.isNull() ? std::nullopt : std::optional<QImage>(image));
}

void VelCProg::setMaskPictureImage(const QImage &image)
{
    setMaskPicture(image.isNull() ? std::nullopt : std::optional<QImage>(image));
}

void VelCProg::setMaskColor(platform::OleColour colour)
{
    syncSize();
    m_p.maskColor = colour;
    applySurfaceColours();
    // No redraw, but the see-through parts follow at once.
    updateShape();
    report("MaskColor");
}

void VelCProg::setUseMask(bool on)
{
    syncSize();
    m_surface.setTransparent(on || m_p.autoMask);
    updateShape();
    update();
    report("UseMask");
}

void VelCProg::setAutoMask(bool on)
{
    syncSize();
    m_p.autoMask = on;
    if (on) {
        m_p.maskColor = m_p.backColor;
        applySurfaceColours();
        m_surface.setTransparent(true);
    }
    Repaint();
    report("AutoMask");
}

void VelCProg::setInset(bool on)
{
    syncSize();
    m_inset = on;
    // The client area changes size: the dial follows it like any resize.
    syncSize();
    update();
    report("Inset");
}

// The dial's setters that do more than store a value (the plain ones go
// through VelCProg::store): each clamps, normalises or passes on its input,
// redraws when the change can show, and reports the stored name last.

#include "velcprog.h"

#include <QAccessible>

#include <algorithm>
#include <limits>

void VelCProg::setMinimum(int value)
{
    syncSize();
    m_p.min = value < 0 ? 0 : value;
    Repaint();
    report("Min");
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
    // What a screen reader announces as the dial moves: its description.
    QAccessibleEvent event(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
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

void VelCProg::setStartColor(platform::OleColour colour)
{
    m_p.resolvedStartColor = platform::TranslateColor(colour, palette());
    store(&Props::startColor, colour, "StartColor");
}

void VelCProg::setMidColor(platform::OleColour colour)
{
    m_p.resolvedMidColor = platform::TranslateColor(colour, palette());
    store(&Props::midColor, colour, "MidColor", m_p.tricolor && (m_p.fade || m_p.gradient));
}

void VelCProg::setEndColor(platform::OleColour colour)
{
    m_p.resolvedEndColor = platform::TranslateColor(colour, palette());
    store(&Props::endColor, colour, "EndColor", m_p.gradient || m_p.fade);
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

void VelCProg::setTickWidth(qint16 pixels)
{
    syncSize();
    m_p.tickWidth = pixels < 1 ? qint16(1) : pixels;
    if (m_p.tickStyle != 0)
        Repaint();
    report("TickWidth");
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

void VelCProg::setControlFont(const QFont &font)
{
    syncSize();
    m_surface.setFont(font);
    // Held whole, so that the parent's font never reaches the widget's and
    // every later font change on it is one asked of the dial.
    QFont own = font;
    own.setResolveMask(QFont::AllPropertiesResolved);
    QWidget::setFont(own);
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

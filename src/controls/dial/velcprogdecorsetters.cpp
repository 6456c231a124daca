// The setters of the dial's ticks, value text, font, pictures, masks and
// border: each clamps or normalises its input, redraws when the change can
// show, and reports the stored name last.

#include "controls/dial/velcprog.h"

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

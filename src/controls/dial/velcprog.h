#pragma once

#include "ambient.h"
#include "dialproperties.h"
#include "propertyvalue.h"
#include "surface.h"
#include "twips.h"

#include <QFont>
#include <QImage>
#include <QWidget>

#include <optional>
#include <type_traits>

namespace platform {
class PropertyBag;
}

// A circular progress dial: a value between Min and Max shown as a coloured
// sweep over a full or part circle, with optional background circle, border,
// needle, ticks, value text, stretched background picture and see-through
// mask. It draws into its own surface only when a property changes; painting
// the window just shows that image. The game's clock face is one.
class VelCProg : public QWidget
{
    Q_OBJECT
    Q_CLASSINFO("ProgID", "Tallyfold.VelCProg")
    Q_CLASSINFO("DefaultProperty", "Value")
    Q_CLASSINFO("Help.Min", "Lowest allowable value")
    Q_CLASSINFO("Help.Max", "Highest allowable value")
    Q_CLASSINFO("Help.Value", "Current value (between Min & Max)")
    Q_CLASSINFO("Help.OffsetAngle", "Starting angle (for minimum value)")
    Q_CLASSINFO("Help.Span", "Arc in degrees of the meter (360 = full circle)")
    Q_CLASSINFO("Help.Clockwise", "Clockwise/counterclockwise rotation")
    Q_CLASSINFO("Help.XCenter", "Left/right center of circle")
    Q_CLASSINFO("Help.YCenter", "Top/bottom center of circle")
    Q_CLASSINFO("Help.Radius", "Radius of circle or arc")
    Q_CLASSINFO("Help.AutoSize", "Center and size the circle as the control is resized")
    Q_CLASSINFO("Help.ShowBorder", "Draw a border on the circle or arc")
    Q_CLASSINFO("Help.BorderWidth", "Width of border, if shown")
    Q_CLASSINFO("Help.BorderColor", "Color of Border")
    Q_CLASSINFO("Help.ShowArc", "Draw a colored arc from the minimum value to the current value")
    Q_CLASSINFO("Help.ShowZeroLine", "Show/Hide arc when value is at minimum value")
    Q_CLASSINFO("Help.ShowCircle",
                "Fill in the area of the circle/arc underneath the value arc or needle")
    Q_CLASSINFO("Help.CircleColor", "Background color of circle (area above current value)")
    Q_CLASSINFO("Help.ShowNeedle",
                "Draws a line of a different color at the top of the arc (current value)")
    Q_CLASSINFO("Help.NeedleColor", "Color of needle (line at current value)")
    Q_CLASSINFO("Help.Gradient", "Blend colors along the arc as a gradient")
    Q_CLASSINFO("Help.Fade", "Change solid color of arc as value changes")
    Q_CLASSINFO("Help.Tricolor", "Use/Don't use Midcolor in fades & gradients")
    Q_CLASSINFO("Help.StartColor",
                "Solid color, or start color (low values) for gradients and fades")
    Q_CLASSINFO("Help.MidColor", "Middle color (50%) for tricolor gradients and fades")
    Q_CLASSINFO("Help.EndColor", "Ending color (high values) for gradients and fades")
    Q_CLASSINFO("Help.BackColor", "Background color of control")
    Q_CLASSINFO("Help.TickStyle", "Tick shape")
    Q_CLASSINFO("Help.TickPosition", "Location of ticks")
    Q_CLASSINFO("Help.TickFrequency", "Interval to draw ticks (relative to value, not angle)")
    Q_CLASSINFO("Help.TickSize", "Size or length of tick")
    Q_CLASSINFO("Help.TickWidth", "Thickness of Tick (line-style)")
    Q_CLASSINFO("Help.TickColor", "Tick Color")
    Q_CLASSINFO("Help.ShowValue", "Display value as text")
    Q_CLASSINFO("Help.ShowValueAsPercent", "Display Value as percentage between Min & Max values")
    Q_CLASSINFO("Help.TextColor", "Color of text display")
    Q_CLASSINFO("Help.TextOffsetX", "X-Position of text relative to center")
    Q_CLASSINFO("Help.TextOffsetY", "Y-Position of text relative to center")
    Q_CLASSINFO("Help.TextShadow", "Show/Hide text shadow")
    Q_CLASSINFO("Help.TextShadowColor", "Text shadow color")
    Q_CLASSINFO("Help.TextShadowXOffset", "Left/right offset for text shadow")
    Q_CLASSINFO("Help.TextShadowYOffset", "Top/Bottom offset for text shadow")
    Q_CLASSINFO("Help.Font", "Font used to display value")
    Q_CLASSINFO("Help.Picture", "Background Image")
    Q_CLASSINFO("Help.MaskPicture", "Used with MaskColor & UseMask to create a transparent area")
    Q_CLASSINFO("Help.MaskColor", "Color in MaskPicture to be transparent (UseMask must be True)")
    Q_CLASSINFO("Help.UseMask", "Create a tranparent area from the MaskPicture & MaskColor")
    Q_CLASSINFO("Help.AutoMask", "Makes the background color transparent.")
    Q_CLASSINFO("Help.Inset", "Draw with a sunken border")
    Q_CLASSINFO("Help.Repaint", "Refreshes the circle")

    Q_PROPERTY(int Min READ minimum WRITE setMinimum)
    Q_PROPERTY(int Max READ maximum WRITE setMaximum)
    Q_PROPERTY(int Value READ value WRITE setValue USER true)
    Q_PROPERTY(int OffsetAngle READ offsetAngle WRITE setOffsetAngle)
    Q_PROPERTY(int Span READ span WRITE setSpan)
    Q_PROPERTY(bool Clockwise READ clockwise WRITE setClockwise)
    Q_PROPERTY(int XCenter READ xCenter WRITE setXCenter)
    Q_PROPERTY(int YCenter READ yCenter WRITE setYCenter)
    Q_PROPERTY(int Radius READ radius WRITE setRadius)
    Q_PROPERTY(bool AutoSize READ autoSize WRITE setAutoSize)
    Q_PROPERTY(bool ShowBorder READ showBorder WRITE setShowBorder)
    // The name ShowBorder is stored and reported under.
    Q_PROPERTY(bool Border READ showBorder WRITE setShowBorder DESIGNABLE false STORED false)
    Q_PROPERTY(short BorderWidth READ borderWidth WRITE setBorderWidth)
    Q_PROPERTY(uint BorderColor READ borderColor WRITE setBorderColor)
    Q_PROPERTY(bool ShowArc READ showArc WRITE setShowArc)
    Q_PROPERTY(bool ShowZeroLine READ showZeroLine WRITE setShowZeroLine)
    Q_PROPERTY(bool ShowCircle READ showCircle WRITE setShowCircle)
    Q_PROPERTY(uint CircleColor READ circleColor WRITE setCircleColor)
    Q_PROPERTY(bool ShowNeedle READ showNeedle WRITE setShowNeedle)
    Q_PROPERTY(uint NeedleColor READ needleColor WRITE setNeedleColor)
    Q_PROPERTY(bool Gradient READ gradient WRITE setGradient)
    Q_PROPERTY(bool Fade READ fade WRITE setFade)
    Q_PROPERTY(bool Tricolor READ tricolor WRITE setTricolor)
    Q_PROPERTY(uint StartColor READ startColor WRITE setStartColor)
    Q_PROPERTY(uint MidColor READ midColor WRITE setMidColor)
    Q_PROPERTY(uint EndColor READ endColor WRITE setEndColor)
    Q_PROPERTY(uint BackColor READ backColor WRITE setBackColor)
    Q_PROPERTY(int TickStyle READ tickStyle WRITE setTickStyle)
    Q_PROPERTY(int TickPosition READ tickPosition WRITE setTickPosition)
    Q_PROPERTY(float TickFrequency READ tickFrequency WRITE setTickFrequency)
    Q_PROPERTY(short TickSize READ tickSize WRITE setTickSize)
    Q_PROPERTY(short TickWidth READ tickWidth WRITE setTickWidth)
    Q_PROPERTY(uint TickColor READ tickColor WRITE setTickColor)
    Q_PROPERTY(bool ShowValue READ showValue WRITE setShowValue)
    Q_PROPERTY(bool ShowValueAsPercent READ showValueAsPercent WRITE setShowValueAsPercent)
    Q_PROPERTY(uint TextColor READ textColor WRITE setTextColor)
    Q_PROPERTY(int TextOffsetX READ textOffsetX WRITE setTextOffsetX)
    Q_PROPERTY(int TextOffsetY READ textOffsetY WRITE setTextOffsetY)
    Q_PROPERTY(bool TextShadow READ textShadow WRITE setTextShadow)
    Q_PROPERTY(uint TextShadowColor READ textShadowColor WRITE setTextShadowColor)
    Q_PROPERTY(short TextShadowXOffset READ textShadowXOffset WRITE setTextShadowXOffset)
    Q_PROPERTY(short TextShadowYOffset READ textShadowYOffset WRITE setTextShadowYOffset)
    Q_PROPERTY(QFont Font READ controlFont WRITE setControlFont)
    // A null image stands for "no picture" here; the C++ accessors also tell
    // an empty picture from none.
    Q_PROPERTY(QImage Picture READ pictureImage WRITE setPictureImage)
    Q_PROPERTY(QImage MaskPicture READ maskPictureImage WRITE setMaskPictureImage)
    Q_PROPERTY(uint MaskColor READ maskColor WRITE setMaskColor)
    Q_PROPERTY(bool UseMask READ useMask WRITE setUseMask)
    Q_PROPERTY(bool AutoMask READ autoMask WRITE setAutoMask)
    Q_PROPERTY(bool Inset READ inset WRITE setInset)
    Q_PROPERTY(qulonglong hwnd READ hwnd STORED false DESIGNABLE false)
    Q_PROPERTY(QImage Image READ image STORED false DESIGNABLE false)

public:
    // A size change is handled (refit, restretch, redraw) as soon as it
    // happens while the dial is visible, and before the next property access
    // while it is hidden, because Qt holds back a hidden widget's resize
    // events until it is shown.
    explicit VelCProg(QWidget *parent = nullptr);
    explicit VelCProg(const platform::Ambient &ambient, QWidget *parent = nullptr);
    ~VelCProg() override;

    // The description published for a property or method, empty if none.
    static QString helpText(const QString &name);

    void setAmbient(const platform::Ambient &ambient) { m_ambient = ambient; }
    const platform::Ambient &ambient() const { return m_ambient; }

    // Restores the stored design-time values in their fixed order, as read
    // (no clamping). A value of the wrong type ends the load with its error;
    // what was read before it stays.
    std::optional<platform::PropertyError> readProperties(const platform::PropertyBag &bag);
    void writeProperties(platform::PropertyBag &bag) const;

    // --- properties --------------------------------------------------------
    int minimum() const { return m_p.min; }
    void setMinimum(int value);
    int maximum() const { return m_p.max; }
    void setMaximum(int value) { store(&Props::max, value, "Max"); }
    // The setter names a form compiled by uic calls for Min and Max.
    void setMin(int value) { setMinimum(value); }
    void setMax(int value) { setMaximum(value); }
    int value() const { return m_p.value; }
    void setValue(int value);
    int offsetAngle() const { return m_p.offsetAngle; }
    void setOffsetAngle(int degrees);
    int span() const { return m_p.span; }
    void setSpan(int degrees);
    bool clockwise() const { return m_p.clockwise; }
    void setClockwise(bool on) { store(&Props::clockwise, on, "Clockwise"); }
    // The geometry follows a size change the dial has not handled yet.
    int xCenter() const { return (syncSize(), m_p.xCenter); }
    void setXCenter(int pixels) { store(&Props::xCenter, pixels, "XCenter"); }
    int yCenter() const { return (syncSize(), m_p.yCenter); }
    void setYCenter(int pixels) { store(&Props::yCenter, pixels, "YCenter"); }
    int radius() const { return (syncSize(), m_p.radius); }
    void setRadius(int pixels) { store(&Props::radius, pixels, "Radius"); }
    bool autoSize() const { return m_p.autoSize; }
    void setAutoSize(bool on);

    bool showBorder() const { return m_p.showBorder; }
    void setShowBorder(bool on) { store(&Props::showBorder, on, "Border"); }
    qint16 borderWidth() const { return m_p.borderWidth; }
    void setBorderWidth(qint16 pixels);
    platform::OleColour borderColor() const { return m_p.borderColor; }
    void setBorderColor(platform::OleColour colour)
    {
        store(&Props::borderColor, colour, "BorderColor", m_p.showBorder);
    }

    bool showArc() const { return m_p.showArc; }
    void setShowArc(bool on);
    bool showZeroLine() const { return m_p.showZeroLine; }
    void setShowZeroLine(bool on)
    {
        store(&Props::showZeroLine, on, "ShowZeroLine", m_p.value == m_p.min);
    }
    bool showCircle() const { return m_p.showCircle; }
    void setShowCircle(bool on) { store(&Props::showCircle, on, "ShowCircle"); }
    platform::OleColour circleColor() const { return m_p.circleColor; }
    void setCircleColor(platform::OleColour colour)
    {
        store(&Props::circleColor, colour, "CircleColor", m_p.showCircle);
    }
    bool showNeedle() const { return m_p.showNeedle; }
    void setShowNeedle(bool on);
    platform::OleColour needleColor() const { return m_p.needleColor; }
    void setNeedleColor(platform::OleColour colour)
    {
        store(&Props::needleColor, colour, "NeedleColor", m_p.showNeedle);
    }

    bool gradient() const { return m_p.gradient; }
    void setGradient(bool on) { store(&Props::gradient, on, "Gradient"); }
    bool fade() const { return m_p.fade; }
    void setFade(bool on) { store(&Props::fade, on, "Fade"); }
    bool tricolor() const { return m_p.tricolor; }
    void setTricolor(bool on) { store(&Props::tricolor, on, "Tricolor", m_p.fade || m_p.gradient); }
    platform::OleColour startColor() const { return m_p.startColor; }
    void setStartColor(platform::OleColour colour);
    platform::OleColour midColor() const { return m_p.midColor; }
    void setMidColor(platform::OleColour colour);
    platform::OleColour endColor() const { return m_p.endColor; }
    void setEndColor(platform::OleColour colour);
    platform::OleColour backColor() const { return m_p.backColor; }
    void setBackColor(platform::OleColour colour);

    int tickStyle() const { return m_p.tickStyle; }
    void setTickStyle(int style) { store(&Props::tickStyle, style, "TickStyle", true, Fit::Refit); }
    int tickPosition() const { return m_p.tickPosition; }
    void setTickPosition(int position)
    {
        store(&Props::tickPosition, position, "TickPosition", m_p.tickStyle != 0, Fit::Refit);
    }
    float tickFrequency() const { return m_p.tickFrequency; }
    void setTickFrequency(float valueUnits)
    {
        store(&Props::tickFrequency, valueUnits, "TickFrequency", m_p.tickStyle != 0);
    }
    qint16 tickSize() const { return m_p.tickSize; }
    void setTickSize(qint16 pixels)
    {
        store(&Props::tickSize, pixels, "TickSize", m_p.tickStyle != 0, Fit::Refit);
    }
    qint16 tickWidth() const { return m_p.tickWidth; }
    void setTickWidth(qint16 pixels);
    platform::OleColour tickColor() const { return m_p.tickColor; }
    void setTickColor(platform::OleColour colour)
    {
        store(&Props::tickColor, colour, "TickColor", m_p.tickStyle != 0);
    }

    bool showValue() const { return m_p.showValue; }
    void setShowValue(bool on) { store(&Props::showValue, on, "ShowValue"); }
    bool showValueAsPercent() const { return m_p.showValueAsPercent; }
    void setShowValueAsPercent(bool on);
    platform::OleColour textColor() const { return m_p.textColor; }
    void setTextColor(platform::OleColour colour)
    {
        store(&Props::textColor, colour, "TextColor", m_p.showValue);
    }
    int textOffsetX() const { return m_p.textOffsetX; }
    void setTextOffsetX(int pixels)
    {
        store(&Props::textOffsetX, pixels, "TextOffsetX", m_p.showValue);
    }
    int textOffsetY() const { return m_p.textOffsetY; }
    void setTextOffsetY(int pixels)
    {
        store(&Props::textOffsetY, pixels, "TextOffsetY", m_p.showValue);
    }
    bool textShadow() const { return m_p.textShadow; }
    void setTextShadow(bool on) { store(&Props::textShadow, on, "TextShadow", m_p.showValue); }
    platform::OleColour textShadowColor() const { return m_p.textShadowColor; }
    void setTextShadowColor(platform::OleColour colour)
    {
        store(&Props::textShadowColor, colour, "TextShadowColor", m_p.showValue && m_p.textShadow);
    }
    qint16 textShadowXOffset() const { return m_p.textShadowXOffset; }
    void setTextShadowXOffset(qint16 pixels)
    {
        store(&Props::textShadowXOffset, pixels, "TextShadowXOffset",
              m_p.showValue && m_p.textShadow);
    }
    qint16 textShadowYOffset() const { return m_p.textShadowYOffset; }
    void setTextShadowYOffset(qint16 pixels)
    {
        store(&Props::textShadowYOffset, pixels, "TextShadowYOffset",
              m_p.showValue && m_p.textShadow);
    }

    // QWidget::setFont on the dial, as a form compiled by uic calls it for
    // Font, sets this font too; a font only inherited from the parent does not.
    QFont controlFont() const { return m_surface.font(); }
    void setControlFont(const QFont &font);

    // nullopt: no picture; a null image: an empty picture.
    const std::optional<QImage> &picture() const { return m_picBack; }
    void setPicture(std::optional<QImage> picture);
    const std::optional<QImage> &maskPicture() const { return m_picMask; }
    void setMaskPicture(std::optional<QImage> picture);
    QImage pictureImage() const { return m_picBack.value_or(QImage()); }
    void setPictureImage(const QImage &image);
    QImage maskPictureImage() const { return m_picMask.value_or(QImage()); }
    void setMaskPictureImage(const QImage &image);

    platform::OleColour maskColor() const { return m_p.maskColor; }
    void setMaskColor(platform::OleColour colour);
    bool useMask() const { return m_surface.isTransparent(); }
    void setUseMask(bool on);
    bool autoMask() const { return m_p.autoMask; }
    void setAutoMask(bool on);
    bool inset() const { return m_inset; }
    void setInset(bool on);

    qulonglong hwnd() const;
    // The background picture at its natural size.
    QImage image() const { return pictureImage(); }

    // --- derived state, for the host and for tests ----------------------------
    platform::OleColour resolvedStartColor() const { return m_p.resolvedStartColor; }
    platform::OleColour resolvedMidColor() const { return m_p.resolvedMidColor; }
    platform::OleColour resolvedEndColor() const { return m_p.resolvedEndColor; }
    const DialProperties &properties() const { return m_p; }
    const platform::Surface &surface() const;
    // The stretched copy of the last picture stretched.
    const QImage &stretchedImage() const;
    platform::TwipsPerPixel twipsPerPixel() const;

    // --- methods ---------------------------------------------------------------
    // Draws the dial into its surface; while the dial is not shown (and uses
    // no mask), once, when it is first needed.
    Q_INVOKABLE void Repaint();
    Q_INVOKABLE void AutoSizeToPicture();
    Q_INVOKABLE void RecheckColors();

signals:
    // A stored property changed, under its stored name.
    void propertyChanged(const QString &name);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    using Props = DialProperties;

    // What the window shape was last computed from.
    struct ShapeKey
    {
        qint64 picture = 0;
        QRgb maskColour = 0;
        QSize size;
        bool inset = false;
        friend bool operator==(const ShapeKey &, const ShapeKey &) = default;
    };

    void initProperties();
    void syncSize() const;
    enum class Refit { WhenAutoSize, Never };
    void handleResize(Refit refit);
    void CenterAndSize();
    void refit();
    void StretchPictures();
    void resizeSurfaces();
    void followDevicePixelRatio();
    void applySurfaceColours();
    void updateShape();
    // Draws the dial now, or, while it is not shown, when it is first needed.
    void drawDial();
    void drawPending() const;
    void report(const char *name);
    // A plain stored property: the new value, a refit when it shapes the
    // dial's size, a redraw when the change can show, and the change reported
    // under its stored name.
    enum class Fit { Keep, Refit };
    template <typename T>
    void store(T Props::*field, const std::type_identity_t<T> &value, const char *name,
               bool redraw = true, Fit fit = Fit::Keep)
    {
        syncSize();
        m_p.*field = value;
        if (fit == Fit::Refit)
            refit();
        if (redraw)
            Repaint();
        report(name);
    }
    QRect clientRect() const;
    static bool holdsImage(const std::optional<QImage> &picture);

    DialProperties m_p;
    platform::Ambient m_ambient;
    platform::Surface m_surface;
    platform::Surface m_picStretch;
    // The sunken border around the client area, when Inset is on.
    platform::Surface m_frame;
    ShapeKey m_shapeKey;
    std::optional<QImage> m_picBack;
    std::optional<QImage> m_picMask;
    bool m_inset = false;
    // A dial set up before its window shows draws once, when first needed
    // (shown, painted or its surface read), not once for every property set.
    mutable bool m_drawPending = false;
};

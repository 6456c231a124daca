// The dial's design-time values in the host's property store: the fixed load
// order, values stored as read, and lengths kept in twips.

#include "dialgeometry.h"
#include "propertybag.h"
#include "velcprog.h"

#include <limits>

namespace {

// Copies a read value into place, or keeps its error and says to stop.
template <typename T, typename U>
bool take(const platform::PropertyResult<T> &result, U &target,
          std::optional<platform::PropertyError> &error)
{
    if (!result) {
        error = platform::PropertyError{result.error()};
        return false;
    }
    target = static_cast<U>(result.value());
    return true;
}

// A length stored in twips, back to pixels with the load rule.
template <typename T>
bool takeTwips(const platform::PropertyResult<T> &result, double twipsPerPixel, const char *name,
               qint64 lowest, qint64 highest, qint64 &pixels,
               std::optional<platform::PropertyError> &error)
{
    if (!result) {
        error = platform::PropertyError{result.error()};
        return false;
    }
    const std::optional<int> converted =
        dial::PixelsFromStoredTwips(static_cast<double>(result.value()), twipsPerPixel);
    if (!converted || *converted < lowest || *converted > highest) {
        error = platform::PropertyError{QStringLiteral("%1: the stored length %2 is out of range")
                                            .arg(QLatin1String(name))
                                            .arg(static_cast<double>(result.value()))};
        return false;
    }
    pixels = *converted;
    return true;
}

constexpr qint64 LongMin = std::numeric_limits<qint32>::min();
constexpr qint64 LongMax = std::numeric_limits<qint32>::max();
constexpr qint64 IntegerMin = std::numeric_limits<qint16>::min();
constexpr qint64 IntegerMax = std::numeric_limits<qint16>::max();

} // namespace

std::optional<platform::PropertyError> VelCProg::readProperties(const platform::PropertyBag &bag)
{
    // Any size change still pending belongs to the dial as it was.
    syncSize();
    std::optional<platform::PropertyError> error;
    DialProperties &p = m_p;
    const DialProperties d;
    const platform::TwipsPerPixel factors = twipsPerPixel();
    auto colour = [&](const char *name, platform::OleColour fallback, platform::OleColour &target) {
        return take(bag.readInt32(QString::fromLatin1(name), static_cast<qint32>(fallback)), target,
                    error);
    };
    auto flag = [&](const char *name, bool fallback, bool &target) {
        return take(bag.readBool(QString::fromLatin1(name), fallback), target, error);
    };

    if (!take(bag.readInt32(u"Max", d.max), p.max, error) ||
        !take(bag.readInt32(u"Min", d.min), p.min, error) ||
        !take(bag.readInt32(u"Value", d.value), p.value, error))
        return error;
    if (!colour("BackColor", d.backColor, p.backColor))
        return error;
    applySurfaceColours();
    if (!colour("StartColor", d.startColor, p.startColor) ||
        !colour("MidColor", d.midColor, p.midColor) ||
        !colour("EndColor", d.endColor, p.endColor) ||
        !colour("CircleColor", d.circleColor, p.circleColor) ||
        !colour("BorderColor", d.borderColor, p.borderColor) ||
        !colour("TextColor", d.textColor, p.textColor) ||
        !colour("NeedleColor", d.needleColor, p.needleColor) ||
        !colour("TextShadowColor", d.textShadowColor, p.textShadowColor) ||
        !colour("TickColor", d.tickColor, p.tickColor) ||
        !colour("MaskColor", d.maskColor, p.maskColor))
        return error;
    applySurfaceColours();
    RecheckColors();

    if (!flag("Tricolor", d.tricolor, p.tricolor) || !flag("Fade", d.fade, p.fade) ||
        !flag("Border", d.showBorder, p.showBorder) ||
        !flag("Clockwise", d.clockwise, p.clockwise) ||
        !flag("ShowZeroLine", d.showZeroLine, p.showZeroLine) ||
        !flag("Gradient", d.gradient, p.gradient) || !flag("ShowValue", d.showValue, p.showValue) ||
        !flag("TextShadow", d.textShadow, p.textShadow) ||
        !flag("AutoSize", d.autoSize, p.autoSize) ||
        !flag("ShowNeedle", d.showNeedle, p.showNeedle) || !flag("ShowArc", d.showArc, p.showArc) ||
        !flag("ShowCircle", d.showCircle, p.showCircle) ||
        !flag("ShowValueAsPercent", d.showValueAsPercent, p.showValueAsPercent))
        return error;

    if (!take(bag.readInt32(u"OffsetAngle", d.offsetAngle), p.offsetAngle, error) ||
        !take(bag.readInt32(u"Span", d.span), p.span, error) ||
        !take(bag.readInt16(u"BorderWidth", d.borderWidth), p.borderWidth, error) ||
        !take(bag.readInt16(u"TickSize", d.tickSize), p.tickSize, error) ||
        !take(bag.readFloat(u"TickFrequency", d.tickFrequency), p.tickFrequency, error) ||
        !take(bag.readInt16(u"TickWidth", d.tickWidth), p.tickWidth, error))
        return error;

    qint64 xCenter = 0;
    qint64 yCenter = 0;
    qint64 radius = 0;
    qint64 textOffsetX = 0;
    qint64 textOffsetY = 0;
    qint64 shadowX = 0;
    qint64 shadowY = 0;
    if (!takeTwips(bag.readDouble(u"XCenter", factors.x * 50), factors.x, "XCenter", LongMin,
                   LongMax, xCenter, error) ||
        !takeTwips(bag.readDouble(u"YCenter", factors.y * 50), factors.y, "YCenter", LongMin,
                   LongMax, yCenter, error) ||
        !takeTwips(bag.readDouble(u"Radius", factors.x * 25), factors.x, "Radius", LongMin, LongMax,
                   radius, error))
        return error;
    p.xCenter = static_cast<qint32>(xCenter);
    p.yCenter = static_cast<qint32>(yCenter);
    p.radius = static_cast<qint32>(radius);
    if (!takeTwips(bag.readDouble(u"TextOffsetX", 0.0), factors.x, "TextOffsetX", LongMin, LongMax,
                   textOffsetX, error) ||
        !takeTwips(bag.readDouble(u"TextOffsetY", 0.0), factors.y, "TextOffsetY", LongMin, LongMax,
                   textOffsetY, error))
        return error;
    p.textOffsetX = static_cast<qint32>(textOffsetX);
    p.textOffsetY = static_cast<qint32>(textOffsetY);
    if (!takeTwips(bag.readFloat(u"TextShadowXOffset", static_cast<float>(factors.x)), factors.x,
                   "TextShadowXOffset", IntegerMin, IntegerMax, shadowX, error) ||
        !takeTwips(bag.readFloat(u"TextShadowYOffset", static_cast<float>(factors.y)), factors.y,
                   "TextShadowYOffset", IntegerMin, IntegerMax, shadowY, error))
        return error;
    p.textShadowXOffset = static_cast<qint16>(shadowX);
    p.textShadowYOffset = static_cast<qint16>(shadowY);

    if (!take(bag.readInt32(u"TickStyle", d.tickStyle), p.tickStyle, error) ||
        !take(bag.readInt32(u"TickPosition", d.tickPosition), p.tickPosition, error))
        return error;

    QFont font;
    if (!take(bag.readFont(u"Font", m_ambient.resolvedFont()), font, error))
        return error;
    m_surface.setFont(font);
    if (!take(bag.readPicture(u"Picture"), m_picBack, error) ||
        !take(bag.readPicture(u"MaskPicture"), m_picMask, error))
        return error;
    StretchPictures();

    bool inset = false;
    bool transparent = false;
    bool autoMask = false;
    if (!flag("Inset", false, inset))
        return error;
    if (inset != m_inset) {
        m_inset = inset;
        // The client area follows the border at once; the centre and radius
        // just read stay as stored until the dial is next sized.
        handleResize(Refit::Never);
    }
    if (!flag("UseMask", false, transparent))
        return error;
    m_surface.setTransparent(transparent);
    if (!flag("AutoMask", false, autoMask))
        return error;
    setAutoMask(autoMask);
    return std::nullopt;
}

void VelCProg::writeProperties(platform::PropertyBag &bag) const
{
    const DialProperties &p = m_p;
    const DialProperties d;
    const platform::TwipsPerPixel factors = twipsPerPixel();
    auto colour = [&](const char *name, platform::OleColour value, platform::OleColour fallback) {
        bag.writeInt32(QString::fromLatin1(name), static_cast<qint32>(value),
                       static_cast<qint32>(fallback));
    };

    bag.writeInt32(QStringLiteral("Min"), p.min, d.min);
    bag.writeInt32(QStringLiteral("Max"), p.max, d.max);
    bag.writeInt32(QStringLiteral("Value"), p.value, d.value);
    bag.writeInt32(QStringLiteral("OffsetAngle"), p.offsetAngle, d.offsetAngle);
    bag.writeInt32(QStringLiteral("Span"), p.span, d.span);
    bag.writeBool(QStringLiteral("Clockwise"), p.clockwise, d.clockwise);
    bag.writeDouble(QStringLiteral("XCenter"), p.xCenter * factors.x, 50 * factors.x);
    bag.writeDouble(QStringLiteral("YCenter"), p.yCenter * factors.y, 50 * factors.y);
    bag.writeDouble(QStringLiteral("Radius"), p.radius * factors.x, 25 * factors.x);
    bag.writeBool(QStringLiteral("AutoSize"), p.autoSize, d.autoSize);
    bag.writeBool(QStringLiteral("Border"), p.showBorder, d.showBorder);
    bag.writeInt16(QStringLiteral("BorderWidth"), p.borderWidth, d.borderWidth);
    colour("BorderColor", p.borderColor, d.borderColor);
    bag.writeBool(QStringLiteral("ShowArc"), p.showArc, d.showArc);
    bag.writeBool(QStringLiteral("ShowZeroLine"), p.showZeroLine, d.showZeroLine);
    bag.writeBool(QStringLiteral("ShowCircle"), p.showCircle, d.showCircle);
    colour("CircleColor", p.circleColor, d.circleColor);
    bag.writeBool(QStringLiteral("ShowNeedle"), p.showNeedle, d.showNeedle);
    colour("NeedleColor", p.needleColor, d.needleColor);
    bag.writeBool(QStringLiteral("Gradient"), p.gradient, d.gradient);
    bag.writeBool(QStringLiteral("Fade"), p.fade, d.fade);
    bag.writeBool(QStringLiteral("Tricolor"), p.tricolor, d.tricolor);
    colour("StartColor", p.startColor, d.startColor);
    colour("MidColor", p.midColor, d.midColor);
    colour("EndColor", p.endColor, d.endColor);
    colour("BackColor", p.backColor, d.backColor);
    bag.writeInt32(QStringLiteral("TickStyle"), p.tickStyle, d.tickStyle);
    bag.writeInt32(QStringLiteral("TickPosition"), p.tickPosition, d.tickPosition);
    bag.writeFloat(QStringLiteral("TickFrequency"), p.tickFrequency, d.tickFrequency);
    bag.writeInt16(QStringLiteral("TickSize"), p.tickSize, d.tickSize);
    bag.writeInt16(QStringLiteral("TickWidth"), p.tickWidth, d.tickWidth);
    colour("TickColor", p.tickColor, d.tickColor);
    bag.writeBool(QStringLiteral("ShowValue"), p.showValue, d.showValue);
    bag.writeBool(QStringLiteral("ShowValueAsPercent"), p.showValueAsPercent, d.showValueAsPercent);
    colour("TextColor", p.textColor, d.textColor);
    bag.writeDouble(QStringLiteral("TextOffsetX"), p.textOffsetX * factors.x, 0.0);
    bag.writeDouble(QStringLiteral("TextOffsetY"), p.textOffsetY * factors.y, 0.0);
    bag.writeBool(QStringLiteral("TextShadow"), p.textShadow, d.textShadow);
    colour("TextShadowColor", p.textShadowColor, d.textShadowColor);
    bag.writeFloat(QStringLiteral("TextShadowXOffset"),
                   static_cast<float>(p.textShadowXOffset * factors.x),
                   static_cast<float>(factors.x));
    bag.writeFloat(QStringLiteral("TextShadowYOffset"),
                   static_cast<float>(p.textShadowYOffset * factors.y),
                   static_cast<float>(factors.y));
    bag.writeFont(QStringLiteral("Font"), m_surface.font(), m_ambient.resolvedFont());
    bag.writePicture(QStringLiteral("Picture"), m_picBack);
    bag.writePicture(QStringLiteral("MaskPicture"), m_picMask);
    colour("MaskColor", p.maskColor, d.maskColor);
    bag.writeBool(QStringLiteral("UseMask"), m_surface.isTransparent(), false);
    bag.writeBool(QStringLiteral("AutoMask"), p.autoMask, d.autoMask);
    bag.writeBool(QStringLiteral("Inset"), m_inset, false);
}

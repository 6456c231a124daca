#include "buttonexstore.h"

#include "buttonex.h"

namespace button {

using platform::PropertyBag;
using platform::PropertyError;
using platform::PropertyResult;

namespace {

// Colours are stored as signed Longs: system colours come out negative.
qint32 stored(platform::OleColour colour)
{
    return static_cast<qint32>(colour);
}

class Reader
{
public:
    explicit Reader(const PropertyBag &bag)
        : m_bag(bag)
    {}

    std::optional<PropertyError> error;

    template <typename T, typename Setter>
    void apply(const PropertyResult<T> &result, Setter &&setter)
    {
        if (error)
            return;
        if (!result) {
            error = PropertyError{result.error()};
            return;
        }
        setter(result.value());
    }

    template <typename Setter> void boolean(const char *name, bool fallback, Setter &&setter)
    {
        if (!error)
            apply(m_bag.readBool(QString::fromLatin1(name), fallback), setter);
    }
    template <typename Setter> void integer(const char *name, qint32 fallback, Setter &&setter)
    {
        if (!error)
            apply(m_bag.readInt32(QString::fromLatin1(name), fallback), setter);
    }
    template <typename Setter>
    void colour(const char *name, platform::OleColour fallback, Setter &&setter)
    {
        integer(name, stored(fallback),
                [&setter](qint32 value) { setter(static_cast<platform::OleColour>(value)); });
    }
    template <typename Setter> void text(const char *name, const QString &fallback, Setter &&setter)
    {
        if (!error)
            apply(m_bag.readText(QString::fromLatin1(name), fallback), setter);
    }
    template <typename Setter> void font(const char *name, const QFont &fallback, Setter &&setter)
    {
        if (!error)
            apply(m_bag.readFont(QString::fromLatin1(name), fallback), setter);
    }
    // An absent picture key leaves nothing, not an empty picture.
    template <typename Setter> void picture(const char *name, Setter &&setter)
    {
        if (!error)
            apply(m_bag.readPicture(QString::fromLatin1(name)), setter);
    }

private:
    const PropertyBag &m_bag;
};

} // namespace

std::optional<PropertyError> readProperties(ButtonEx &b, const PropertyBag &bag)
{
    const ButtonProperties d;
    Reader r(bag);
    r.boolean("AllowDefault", d.allowDefault, [&](bool v) { b.setAllowDefault(v); });
    r.boolean("AllowFocus", d.allowFocus, [&](bool v) { b.setAllowFocus(v); });
    r.integer("Appearance", d.appearance, [&](qint32 v) { b.setAppearance(v); });
    r.colour("BackColor", d.backColor, [&](quint32 v) { b.setBackColor(v); });
    r.integer("BorderStyle", d.borderStyle, [&](qint32 v) { b.setBorderStyle(v); });
    r.text("Caption", d.caption, [&](const QString &v) { b.setCaption(v); });
    r.integer("CaptionOffsetX", d.captionOffsetX, [&](qint32 v) { b.setCaptionOffsetX(v); });
    r.integer("CaptionOffsetY", d.captionOffsetY, [&](qint32 v) { b.setCaptionOffsetY(v); });
    r.boolean("Enabled", d.enabled, [&](bool v) { b.setControlEnabled(v); });
    r.colour("ForeColor", d.foreColor, [&](quint32 v) { b.setForeColor(v); });
    r.font("Font", b.ambient().resolvedFont(), [&](const QFont &v) { b.setControlFont(v); });
    r.colour("HighlightColor", d.highlightColor, [&](quint32 v) { b.setHighlightColor(v); });
    r.boolean("HighlightPicture", d.highlightPicture, [&](bool v) { b.setHighlightPicture(v); });
    r.picture("MouseIcon", [&](const Picture &v) { b.setMouseIcon(v); });
    r.integer("MousePointer", d.mousePointer, [&](qint32 v) { b.setMousePointer(v); });
    r.integer("OLEDropMode", d.oleDropMode, [&](qint32 v) { b.setOleDropMode(v); });
    r.picture("Picture", [&](const Picture &v) { b.setPicture(v); });
    r.picture("PictureDisabled", [&](const Picture &v) { b.setPictureDisabled(v); });
    r.picture("PictureDown", [&](const Picture &v) { b.setPictureDown(v); });
    r.picture("PictureFocus", [&](const Picture &v) { b.setPictureFocus(v); });
    r.integer("PictureOffsetX", d.pictureOffsetX, [&](qint32 v) { b.setPictureOffsetX(v); });
    r.integer("PictureOffsetY", d.pictureOffsetY, [&](qint32 v) { b.setPictureOffsetY(v); });
    r.picture("PictureOver", [&](const Picture &v) { b.setPictureOver(v); });
    r.boolean("RightToLeft", d.rightToLeft, [&](bool v) { b.setRightToLeft(v); });
    r.picture("SkinDisabled", [&](const Picture &v) { b.setSkinDisabled(v); });
    r.picture("SkinDown", [&](const Picture &v) { b.setSkinDown(v); });
    r.picture("SkinFocus", [&](const Picture &v) { b.setSkinFocus(v); });
    r.picture("SkinOver", [&](const Picture &v) { b.setSkinOver(v); });
    r.picture("SkinUp", [&](const Picture &v) { b.setSkinUp(v); });
    r.integer("Style", d.style, [&](qint32 v) { b.setButtonStyle(v); });
    r.text("ToolTipText", d.toolTipText, [&](const QString &v) { b.setToolTipText(v); });
    r.colour("TransparentColor", d.transparentColor, [&](quint32 v) { b.setTransparentColor(v); });
    r.integer("Value", d.value, [&](qint32 v) { b.setValue(v); });
    r.integer("WhatsThisHelpID", d.whatsThisHelpID, [&](qint32 v) { b.setWhatsThisHelpID(v); });
    return r.error;
}

void writeProperties(const ButtonEx &b, PropertyBag &bag)
{
    const ButtonProperties d;
    const ButtonProperties &p = b.properties();
    auto name = [](const char *n) { return QString::fromLatin1(n); };
    auto colour = [&](const char *n, platform::OleColour v, platform::OleColour def) {
        bag.writeInt32(name(n), stored(v), stored(def));
    };
    bag.writeBool(name("AllowDefault"), p.allowDefault, d.allowDefault);
    bag.writeBool(name("AllowFocus"), p.allowFocus, d.allowFocus);
    bag.writeInt32(name("Appearance"), p.appearance, d.appearance);
    bag.writeBool(name("Enabled"), p.enabled, d.enabled);
    colour("BackColor", p.backColor, d.backColor);
    bag.writeInt32(name("BorderStyle"), p.borderStyle, d.borderStyle);
    bag.writeText(name("Caption"), p.caption, d.caption);
    bag.writeInt32(name("CaptionOffsetX"), p.captionOffsetX, d.captionOffsetX);
    bag.writeInt32(name("CaptionOffsetY"), p.captionOffsetY, d.captionOffsetY);
    colour("ForeColor", p.foreColor, d.foreColor);
    bag.writeFont(name("Font"), p.font, b.ambient().resolvedFont());
    colour("HighlightColor", p.highlightColor, d.highlightColor);
    bag.writeBool(name("HighlightPicture"), p.highlightPicture, d.highlightPicture);
    bag.writeInt32(name("OLEDropMode"), p.oleDropMode, d.oleDropMode);
    bag.writePicture(name("Picture"), p.picture);
    bag.writePicture(name("PictureDisabled"), p.pictureDisabled);
    bag.writePicture(name("PictureDown"), p.pictureDown);
    bag.writePicture(name("PictureFocus"), p.pictureFocus);
    bag.writeInt32(name("PictureOffsetX"), p.pictureOffsetX, d.pictureOffsetX);
    bag.writeInt32(name("PictureOffsetY"), p.pictureOffsetY, d.pictureOffsetY);
    bag.writePicture(name("PictureOver"), p.pictureOver);
    bag.writeBool(name("RightToLeft"), p.rightToLeft, d.rightToLeft);
    colour("TransparentColor", p.transparentColor, d.transparentColor);
    bag.writePicture(name("MouseIcon"), p.mouseIcon);
    bag.writeInt32(name("MousePointer"), p.mousePointer, d.mousePointer);
    bag.writePicture(name("SkinDisabled"), p.skinDisabled);
    bag.writePicture(name("SkinDown"), p.skinDown);
    bag.writePicture(name("SkinFocus"), p.skinFocus);
    bag.writePicture(name("SkinOver"), p.skinOver);
    bag.writePicture(name("SkinUp"), p.skinUp);
    bag.writeInt32(name("Style"), p.style, d.style);
    bag.writeText(name("ToolTipText"), p.toolTipText, d.toolTipText);
    // Written a second time, as stored data of this control always has it.
    colour("TransparentColor", p.transparentColor, d.transparentColor);
    bag.writeInt32(name("Value"), p.value, d.value);
    bag.writeInt32(name("WhatsThisHelpID"), p.whatsThisHelpID, d.whatsThisHelpID);
}

} // namespace button

std::optional<platform::PropertyError> ButtonEx::readProperties(const platform::PropertyBag &bag)
{
    return button::readProperties(*this, bag);
}

void ButtonEx::writeProperties(platform::PropertyBag &bag) const
{
    button::writeProperties(*this, bag);
}

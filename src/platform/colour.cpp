#include "colour.h"

#include <QGuiApplication>

namespace platform {

namespace {
QPalette currentPalette()
{
    return qobject_cast<QGuiApplication *>(QCoreApplication::instance())
               ? QGuiApplication::palette()
               : QPalette();
}
} // namespace

QColor systemColour(int index, const QPalette &palette)
{
    // Indices of the desktop's classic colour table, mapped onto the palette
    // roles that carry the same meaning.
    switch (index) {
    case 5: // window background
        return palette.color(QPalette::Base);
    case 6:  // window frame
    case 21: // 3-D dark shadow
        return palette.color(QPalette::Shadow);
    case 7: // menu text
    case 8: // window text
        return palette.color(QPalette::WindowText);
    case 12: // application workspace
        return palette.color(QPalette::Mid);
    case 13:
        return palette.color(QPalette::Highlight);
    case 14:
        return palette.color(QPalette::HighlightedText);
    case 15: // button face
        return palette.color(QPalette::Button);
    case 16: // button shadow
        return palette.color(QPalette::Dark);
    case 17: // grey (disabled) text
        return palette.color(QPalette::Disabled, QPalette::Text);
    case 18: // button text
        return palette.color(QPalette::ButtonText);
    case 20: // button highlight
        return palette.color(QPalette::Light);
    case 22: // 3-D light
        return palette.color(QPalette::Midlight);
    case 23:
        return palette.color(QPalette::ToolTipText);
    case 24:
        return palette.color(QPalette::ToolTipBase);
    case 9: // caption text
    case 19:
        return palette.color(QPalette::HighlightedText);
    case 2: // captions and borders
    case 3:
    case 10:
    case 11:
        return palette.color(QPalette::Highlight);
    default: // desktop, scroll bars, menus and anything unknown
        return palette.color(QPalette::Window);
    }
}

OleColour TranslateColor(OleColour colour, const QPalette &palette)
{
    if (isSystemColour(colour))
        return fromQColor(systemColour(static_cast<int>(colour & 0xFF), palette));
    return colour & 0x00FFFFFFu;
}

OleColour TranslateColor(OleColour colour)
{
    return TranslateColor(colour, currentPalette());
}

QColor toQColor(OleColour colour, const QPalette &palette)
{
    const OleColour rgb = TranslateColor(colour, palette);
    return QColor(static_cast<int>(rgb & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                  static_cast<int>((rgb >> 16) & 0xFF));
}

QColor toQColor(OleColour colour)
{
    return toQColor(colour, currentPalette());
}

OleColour fromQColor(const QColor &colour)
{
    const QColor c = colour.toRgb();
    return rgbColour(c.red(), c.green(), c.blue());
}

} // namespace platform

#pragma once

#include "colour.h"

#include <QApplication>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPalette>

// Fixed colours and fonts for the button's pixel tests, so that every system
// colour the face uses is a distinct, known value.
namespace buttontest {

inline const QColor Face(200, 200, 200);
inline const QColor Light(255, 255, 255);    // button highlight
inline const QColor Midlight(230, 230, 230); // 3-D light
inline const QColor Dark(128, 128, 128);     // button shadow
inline const QColor Shadow(10, 10, 10);      // 3-D dark shadow and window frame
inline const QColor ButtonText(0, 0, 120);
inline const QColor GreyText(90, 90, 90);
inline const QColor Base(250, 250, 240);

inline void installPalette()
{
    QPalette palette;
    palette.setColor(QPalette::Button, Face);
    palette.setColor(QPalette::Window, Face);
    palette.setColor(QPalette::Light, Light);
    palette.setColor(QPalette::Midlight, Midlight);
    palette.setColor(QPalette::Dark, Dark);
    palette.setColor(QPalette::Shadow, Shadow);
    palette.setColor(QPalette::ButtonText, ButtonText);
    palette.setColor(QPalette::WindowText, ButtonText);
    palette.setColor(QPalette::Disabled, QPalette::Text, GreyText);
    palette.setColor(QPalette::Base, Base);
    QApplication::setPalette(palette);
}

// Text without antialiasing, so caption pixels are exactly the text colour.
inline QFont crispFont()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(12);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

inline platform::OleColour ole(const QColor &colour)
{
    return platform::fromQColor(colour);
}

// A square picture of one colour with a one-pixel frame of another, both
// given as 0x00BBGGRR values.
inline QImage framedPicture(int side, const QColor &body, const QColor &frame)
{
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(frame);
    for (int y = 1; y < side - 1; ++y)
        for (int x = 1; x < side - 1; ++x)
            image.setPixelColor(x, y, body);
    return image;
}

// The bounding box of the pixels of one colour inside area.
inline QRect inkBox(const QImage &image, const QColor &colour, QRect area = {})
{
    if (area.isNull())
        area = image.rect();
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == (colour.rgb() & 0xFFFFFF))
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace buttontest

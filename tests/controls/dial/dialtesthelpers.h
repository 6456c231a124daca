#pragma once

// Shared by the dial's pixel tests: a plain dial set-up and pixel reads.

#include "dialgeometry.h"
#include "velcprog.h"

#include <QApplication>
#include <QPalette>

#include <cstdlib>

namespace dialtest {

constexpr platform::OleColour Back = 0x00FFC0C0;
constexpr platform::OleColour Circle = 0x00FFFFFF;
constexpr platform::OleColour Red = 0x000000FF;
constexpr platform::OleColour Green = 0x0000FF00;
constexpr platform::OleColour Blue = 0x00FF0000;

// A 201x201 dial centred on (100, 100), radius 90, no border, plain colours.
inline void setUpPlain(VelCProg &dial)
{
    dial.resize(201, 201);
    dial.setAutoSize(false);
    dial.setXCenter(100);
    dial.setYCenter(100);
    dial.setRadius(90);
    dial.setShowBorder(false);
    dial.setBackColor(Back);
    dial.setCircleColor(Circle);
    dial.setStartColor(Red);
    dial.setMidColor(Green);
    dial.setEndColor(Blue);
}

// Set up plain from the start, for the tests that need nothing else first.
struct PlainDial : VelCProg
{
    PlainDial() { setUpPlain(*this); }
};

inline platform::OleColour at(const VelCProg &dial, QPoint point)
{
    return dial.surface().pixel(point.x(), point.y());
}

// The pixel half way out along an angle index of the dial.
inline platform::OleColour alongIndex(const VelCProg &dial, int index, int radius = 45)
{
    const dial::CircleFrame frame{dial.xCenter(), dial.yCenter(), dial.offsetAngle(),
                                  dial.clockwise() ? dial::Direction::Clockwise
                                                   : dial::Direction::CounterClockwise};
    return at(dial, dial::PointOnCircle(frame, radius, index));
}

inline bool near(platform::OleColour a, platform::OleColour b, int tolerance)
{
    for (int shift : {0, 8, 16}) {
        if (std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)) > tolerance)
            return false;
    }
    return true;
}

inline QRect boundsOf(const VelCProg &dial, platform::OleColour colour)
{
    QRect bounds;
    const QSize size = dial.surface().size();
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            if (dial.surface().pixel(x, y) == colour)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

inline void useFixedPalette()
{
    QPalette palette;
    palette.setColor(QPalette::Button, QColor(240, 240, 240));
    palette.setColor(QPalette::ButtonText, QColor(0, 0, 0));
    QApplication::setPalette(palette);
}

} // namespace dialtest

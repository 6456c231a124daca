#pragma once

#include "dialgeometry.h"
#include "dialproperties.h"
#include "twips.h"

#include <QPalette>

namespace platform {
class Surface;
}

// Draws a whole dial from its properties onto its surface, from the clear to
// the automatic mask snapshot. It keeps nothing between calls: each redraw
// starts from a cleared surface.
class DialPainter
{
public:
    DialPainter(const DialProperties &properties, const QPalette &palette,
                platform::TwipsPerPixel twipsPerPixel);

    void paint(platform::Surface &surface) const;

    // The text the dial shows for its value.
    static QString valueText(const DialProperties &properties);

private:
    QColor colour(platform::OleColour colour) const;
    QColor gradientColour(float fraction) const;
    QPoint centre() const;
    // The box of the background circle and the border.
    dial::Box circleBox() const;

    void drawBackgroundCircle(platform::Surface &surface, float fraction) const;
    void drawSweep(platform::Surface &surface, float fraction) const;
    void drawBorder(platform::Surface &surface) const;
    void drawTicks(platform::Surface &surface) const;
    void drawNeedle(platform::Surface &surface, float fraction) const;
    void drawValueText(platform::Surface &surface) const;

    const DialProperties &m_properties;
    const QPalette &m_palette;
    platform::TwipsPerPixel m_twipsPerPixel;
    dial::CircleFrame m_frame;
    dial::GradientColours m_gradient;
    int m_arcPenWidth = 1;
    int m_drawRadius = 0;
};

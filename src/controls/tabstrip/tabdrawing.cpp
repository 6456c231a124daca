#include "controls/tabstrip/tabdrawing.h"

#include "platform/surface.h"

#include <algorithm>
#include <cstdlib>

namespace tabstrip {

namespace {

// Draws from the current position to point in the pen colour, leaving out
// point itself. The surface's own lineTo leaves out the other end of lines
// drawn leftwards or upwards, which would move the corners of our rings, so
// the straight and 45-degree strokes we use are plotted here pixel by pixel.
void strokeTo(platform::Surface &surface, QPoint point)
{
    const QPoint from = surface.currentPosition();
    const int dx = point.x() - from.x();
    const int dy = point.y() - from.y();
    if (dx != 0 && dy != 0 && std::abs(dx) != std::abs(dy)) {
        surface.lineTo(point);
        return;
    }
    const QPoint step((dx > 0) - (dx < 0), (dy > 0) - (dy < 0));
    const int length = std::max(std::abs(dx), std::abs(dy));
    for (int i = 0; i < length; ++i)
        surface.setPixel(from.x() + i * step.x(), from.y() + i * step.y(), surface.foreColour());
    surface.moveTo(point);
}

} // namespace

ColourTable resolveColourTable(const QPalette &palette)
{
    ColourTable colours;
    for (std::size_t i = 0; i < kColourTable.size(); ++i)
        colours[i] = platform::toQColor(kColourTable[i], palette);
    return colours;
}

void drawPageBorder(platform::Surface &surface, const ColourTable &colours)
{
    surface.clear();
    const int w = surface.width();
    const int h = surface.height();
    for (int i = 1; i <= 2; ++i) {
        surface.setForeColour(colours[i - 1]);
        surface.moveTo({i, h - i});
        strokeTo(surface, {i, i + 18});
        strokeTo(surface, {w - i, i + 18});
        surface.setForeColour(colours[i + 1]);
        strokeTo(surface, {w - i, h - i});
        strokeTo(surface, {i, h - i});
    }
}

void drawTabOutline(platform::Surface &surface, int left, int right, int bottomOffset, int foot,
                    const ColourTable &colours)
{
    const int h = surface.height();
    for (int j = 0; j <= 1; ++j) {
        surface.setForeColour(colours[j]);
        surface.moveTo({left + j, h - bottomOffset});
        strokeTo(surface, {left + j, 2});
        strokeTo(surface, {left + 2, j});
        strokeTo(surface, {right - 2, j});
        surface.setForeColour(colours[j + 2]);
        surface.moveTo({right - 2, j + 1});
        strokeTo(surface, {right - j - 1, 2});
        strokeTo(surface, {right - j - 1, h - foot});
    }
    surface.setForeColour(colours[2]);
}

} // namespace tabstrip

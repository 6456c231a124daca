#pragma once

#include "colour.h"

#include <QColor>
#include <QPalette>

#include <array>

namespace platform {
class Surface;
}

// The tab strip's line work: the raised page border and the tab outlines with
// their cut top corners, drawn pixel by pixel in the strip's colour table.
namespace tabstrip {

// White, light grey, black and the application-workspace system colour: the
// outer and inner highlight, then the outer and inner shadow.
inline constexpr std::array<platform::OleColour, 4> kColourTable = {
    0xFFFFFF, 0xE0E0E0, 0x000000, platform::SystemColour::AppWorkspace};

using ColourTable = std::array<QColor, 4>;

ColourTable resolveColourTable(const QPalette &palette);

// Clears the surface and draws two rings around the page area, which starts
// 19 pixels below the top: white and light grey on the left and top, black
// and the workspace colour on the right and bottom, so the page looks raised.
void drawPageBorder(platform::Surface &surface, const ColourTable &colours);

// Outlines one tab between left and right over the surface's height. The left
// edges start bottomOffset pixels above the bottom, the right edges stop foot
// pixels above it. Leaves the pen black, for the caption.
void drawTabOutline(platform::Surface &surface, int left, int right, int bottomOffset, int foot,
                    const ColourTable &colours);

} // namespace tabstrip

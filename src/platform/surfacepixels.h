#pragma once

// Shared by the surface's source files: raw pixel values and the aliased pen.

#include <QColor>

class QPainter;

namespace platform::surfacepixels {

inline constexpr QRgb kRgbMask = 0x00FFFFFF;
inline constexpr QRgb kAlpha = 0xFF000000;
inline constexpr QRgb kWhite = 0xFFFFFFFF;
inline constexpr QRgb kBlack = 0xFF000000;

// Aliased drawing with the given pen: a one-pixel pen with flat ends leaves
// out a line's end pixel; wider pens have round ends.
void preparePainter(QPainter &painter, const QColor &colour, int width);

} // namespace platform::surfacepixels

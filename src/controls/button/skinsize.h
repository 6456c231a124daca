#pragma once

#include "twips.h"

#include <QImage>
#include <QSize>

// How big a skin makes the button: the picture's size in HIMETRIC units
// (hundredths of a millimetre) divided by 1.76 gives twips, which the host
// rounds to whole pixels.
namespace button {

// The picture's size in HIMETRIC: pixels x 2540 / DPI, from the image's own
// resolution when it has one, else 96 DPI; rounded to whole units.
QSize himetricSize(const QImage &picture);

// The control size in pixels that a skin of that picture asks for.
QSize skinPixelSize(const QImage &picture, platform::TwipsPerPixel factors);

} // namespace button

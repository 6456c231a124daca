#pragma once

#include "surface.h"

#include <QColor>
#include <QPoint>
#include <QSize>

// The button's picture compositing, done with masks and raster operations on
// surfaces so that the result is the same pixel for pixel wherever the
// surface's rules hold. Every scratch surface lives only for the call.
namespace button {

// Copies the size-sized block of source at sourcePoint onto destination at
// destPoint, leaving destination pixels alone where the source pixel equals
// key.
void blitTransparent(platform::Surface &destination, platform::Surface &source, QPoint destPoint,
                     QPoint sourcePoint, QSize size, const QColor &key);

// A two-colour copy of source onto destination at (0, 0): pixels equal to key
// take destination's background colour, all others its foreground colour.
void blitMaskOf(platform::Surface &destination, platform::Surface &source, QSize size,
                const QColor &key);

// Combines source onto destination at (0, 0) with the given raster operation.
void blitPlain(platform::Surface &destination, const platform::Surface &source, QSize size,
               platform::RasterOp op);

// Paints every pixel of picture that differs from picture's own top-left pixel
// in colour, at destPoint on destination; other pixels leave it untouched.
void paintHighlightSilhouette(platform::Surface &destination, platform::Surface &picture,
                              QPoint destPoint, QSize size, const QColor &colour);

} // namespace button

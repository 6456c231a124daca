#include "picturecompositor.h"

namespace button {

using platform::RasterOp;
using platform::Surface;
using platform::SurfaceFormat;

namespace {

// A monochrome copy of source: white where source shows key, black elsewhere.
void makeMask(Surface &mask, Surface &source, QPoint sourcePoint, QSize size, const QColor &key)
{
    const QColor saved = source.backColour();
    source.setBackColour(key);
    mask.bitBlt(QPoint(0, 0), size, source, sourcePoint, RasterOp::SrcCopy);
    source.setBackColour(saved);
}

} // namespace

void blitTransparent(Surface &destination, Surface &source, QPoint destPoint, QPoint sourcePoint,
                     QSize size, const QColor &key)
{
    if (size.isEmpty())
        return;
    const QPoint origin(0, 0);
    // At the destination's resolution, so that what lies under the picture
    // keeps it.
    const qreal ratio = destination.devicePixelRatio();
    Surface mask(size, SurfaceFormat::Monochrome, ratio);
    Surface inverse(size, SurfaceFormat::Monochrome, ratio);
    // Fresh colour surfaces have a white background and black foreground, so
    // the monochrome masks expand to all-ones and all-zeros.
    Surface result(size, SurfaceFormat::Colour, ratio);
    Surface work(size, SurfaceFormat::Colour, ratio);

    makeMask(mask, source, sourcePoint, size, key);
    inverse.bitBlt(origin, size, mask, origin, RasterOp::NotSrcCopy);

    // Background kept where the key was, black elsewhere.
    result.bitBlt(origin, size, destination, destPoint, RasterOp::SrcCopy);
    result.bitBlt(origin, size, mask, origin, RasterOp::SrcAnd);
    // Picture kept where it is not the key, black elsewhere.
    work.bitBlt(origin, size, source, sourcePoint, RasterOp::SrcCopy);
    work.bitBlt(origin, size, inverse, origin, RasterOp::SrcAnd);

    result.bitBlt(origin, size, work, origin, RasterOp::SrcInvert);
    destination.bitBlt(destPoint, size, result, origin, RasterOp::SrcCopy);
}

void blitMaskOf(Surface &destination, Surface &source, QSize size, const QColor &key)
{
    if (size.isEmpty())
        return;
    Surface mask(size, SurfaceFormat::Monochrome, destination.devicePixelRatio());
    makeMask(mask, source, QPoint(0, 0), size, key);
    destination.bitBlt(QPoint(0, 0), size, mask, QPoint(0, 0), RasterOp::SrcCopy);
}

void blitPlain(Surface &destination, const Surface &source, QSize size, RasterOp op)
{
    destination.bitBlt(QPoint(0, 0), size, source, QPoint(0, 0), op);
}

void paintHighlightSilhouette(Surface &destination, Surface &picture, QPoint destPoint, QSize size,
                              const QColor &colour)
{
    if (size.isEmpty())
        return;
    const qreal ratio = destination.devicePixelRatio();
    Surface highlight(size, SurfaceFormat::Colour, ratio);
    highlight.setBackColour(colour);
    highlight.clear();

    // White background, black foreground: the key becomes white and the
    // picture black, so the exclusive-or below leaves the picture in colour.
    Surface silhouette(size, SurfaceFormat::Colour, ratio);
    blitMaskOf(silhouette, picture, size, platform::toQColor(picture.pixel(0, 0)));
    blitPlain(highlight, silhouette, size, RasterOp::SrcInvert);

    blitTransparent(destination, highlight, destPoint, QPoint(0, 0), size,
                    platform::toQColor(highlight.pixel(0, 0)));
}

} // namespace button

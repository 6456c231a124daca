// The surface's block transfers: copies with raster operations between
// colour and monochrome surfaces, and stretched copies of pictures.
#include "surface.h"
#include "surfacepixels.h"

#include <QPainter>
#include <QtMath>

#include <algorithm>

namespace platform {

using namespace surfacepixels;

namespace {

QRgb combine(QRgb destination, QRgb source, RasterOp op)
{
    const QRgb d = destination & kRgbMask;
    const QRgb s = source & kRgbMask;
    switch (op) {
    case RasterOp::SrcCopy:
        return s | kAlpha;
    case RasterOp::SrcAnd:
        return (d & s) | kAlpha;
    case RasterOp::SrcInvert:
        return (d ^ s) | kAlpha;
    case RasterOp::SrcPaint:
        return (d | s) | kAlpha;
    case RasterOp::NotSrcCopy:
        return (~s & kRgbMask) | kAlpha;
    }
    return destination;
}

// What a source pixel becomes on the target: colour turns monochrome by the
// source's background colour (white) against all others (black); monochrome
// turns colour in the target's background (white) and foreground (black).
struct Translation
{
    SurfaceFormat from;
    SurfaceFormat to;
    QRgb sourceKey;
    QRgb whiteAs;
    QRgb blackAs;

    QRgb operator()(QRgb s) const
    {
        if (from == SurfaceFormat::Colour && to == SurfaceFormat::Monochrome)
            return (s & kRgbMask) == sourceKey ? kWhite : kBlack;
        if (from == SurfaceFormat::Monochrome && to == SurfaceFormat::Colour)
            return (s & kRgbMask) == kRgbMask ? whiteAs : blackAs;
        return s;
    }
};

} // namespace

void Surface::bitBlt(QPoint destPoint, QSize blockSize, const Surface &source, QPoint sourcePoint,
                     RasterOp op)
{
    if (m_image.isNull() || source.m_image.isNull())
        return;
    // Clip the block to both images, moving both corners together.
    QRect src(sourcePoint, blockSize);
    QRect dst(destPoint, blockSize);
    const QRect srcClip = src.intersected(QRect(QPoint(0, 0), source.size()));
    src = srcClip;
    dst = QRect(destPoint + (srcClip.topLeft() - sourcePoint), srcClip.size());
    const QRect dstClip = dst.intersected(QRect(QPoint(0, 0), size()));
    src = QRect(src.topLeft() + (dstClip.topLeft() - dst.topLeft()), dstClip.size());
    dst = dstClip;
    if (dst.isEmpty())
        return;
    if (atDeviceScale() || source.atDeviceScale()) {
        bitBltScaled(dst, source, src.topLeft(), op);
        return;
    }

    // A copy keeps overlapping blocks of the same surface right.
    const QImage block = source.m_image.copy(src);
    const Translation translate{source.m_format, m_format, source.m_back.rgb() & kRgbMask,
                                m_back.rgb() | kAlpha, m_fore.rgb() | kAlpha};
    for (int y = 0; y < dst.height(); ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(block.constScanLine(y));
        auto *out = reinterpret_cast<QRgb *>(m_image.scanLine(dst.top() + y)) + dst.left();
        for (int x = 0; x < dst.width(); ++x) {
            out[x] = combine(out[x], translate(in[x]), op);
        }
    }
}

void Surface::bitBltScaled(const QRect &dst, const Surface &source, QPoint sourceOrigin,
                           RasterOp op)
{
    // Each device pixel of the target takes the source's device pixel under
    // its centre: exact between surfaces of one ratio, and a plain enlargement
    // of pictures kept at their own size. The copy of the source's image keeps
    // overlapping blocks of the same surface right.
    const QImage block = source.m_image;
    const QRect target = deviceRect(dst).intersected(m_image.rect());
    const Translation translate{source.m_format, m_format, source.m_back.rgb() & kRgbMask,
                                m_back.rgb() | kAlpha, m_fore.rgb() | kAlpha};
    auto sourceIndex = [&source](double logical, int limit) {
        return std::clamp(qFloor(logical * source.m_dpr), 0, limit - 1);
    };
    for (int y = target.top(); y <= target.bottom(); ++y) {
        const double logicalY = sourceOrigin.y() + (y + 0.5) / m_dpr - dst.top();
        const auto *in = reinterpret_cast<const QRgb *>(
            block.constScanLine(sourceIndex(logicalY, block.height())));
        auto *out = reinterpret_cast<QRgb *>(m_image.scanLine(y));
        for (int x = target.left(); x <= target.right(); ++x) {
            const double logicalX = sourceOrigin.x() + (x + 0.5) / m_dpr - dst.left();
            out[x] = combine(out[x], translate(in[sourceIndex(logicalX, block.width())]), op);
        }
    }
}

void Surface::stretchBlt(const QRect &destRect, const QImage &source, const QRect &sourceRect)
{
    if (m_image.isNull() || source.isNull() || destRect.isEmpty() || sourceRect.isEmpty())
        return;
    const QImage part = source.copy(sourceRect).convertToFormat(QImage::Format_RGB32);
    QImage scaled = part.scaled(deviceRect(destRect).size(), Qt::IgnoreAspectRatio,
                                m_stretchMode == StretchMode::Halftone ? Qt::SmoothTransformation
                                                                       : Qt::FastTransformation);
    scaled.setDevicePixelRatio(m_dpr);
    QPainter painter(&m_image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(destRect.topLeft(), scaled);
}

} // namespace platform

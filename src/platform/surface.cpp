#include "platform/surface.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace platform {

namespace {

constexpr QRgb kRgbMask = 0x00FFFFFF;
constexpr QRgb kAlpha = 0xFF000000;
constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;

// Round line ends up to this pen width are stamped from a cached disc; wider
// (rare) pens go through the painter's own round caps.
constexpr int kLargestStampedPen = 64;

// Indices of the classic colour table used by edges and embossed text.
constexpr int kWindow = 5;
constexpr int kWindowFrame = 6;
constexpr int kButtonFace = 15;
constexpr int kButtonShadow = 16;
constexpr int kButtonHighlight = 20;
constexpr int kDarkShadow = 21;
constexpr int kLight = 22;

QPalette currentPalette()
{
    return qobject_cast<QGuiApplication *>(QCoreApplication::instance())
               ? QGuiApplication::palette()
               : QPalette();
}

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

// Degrees counter-clockwise from 3 o'clock (screen y grows downwards).
double screenAngle(QPointF centre, QPoint point)
{
    return qRadiansToDegrees(std::atan2(centre.y() - point.y(), point.x() - centre.x()));
}

// A window's shape is made of logical pixels. A mask taken from a surface at
// device scale shows a logical pixel only where all of its device pixels
// show, so that no fringe of the see-through colour is left on screen.
QImage logicalMask(const QImage &mask, QRgb key)
{
    const qreal ratio = mask.devicePixelRatio();
    if (ratio == 1.0)
        return mask;
    const QSize size = (QSizeF(mask.size()) / ratio).toSize();
    QImage logical(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        const int top = qFloor(y * ratio);
        const int bottom = std::clamp(qCeil((y + 1) * ratio), top + 1, mask.height());
        for (int x = 0; x < size.width(); ++x) {
            const int left = qFloor(x * ratio);
            const int right = std::clamp(qCeil((x + 1) * ratio), left + 1, mask.width());
            QRgb pixel = mask.pixel(left, top);
            for (int dy = top; dy < bottom; ++dy)
                for (int dx = left; dx < right; ++dx)
                    if ((mask.pixel(dx, dy) & kRgbMask) == key)
                        pixel = key | kAlpha;
            logical.setPixel(x, y, pixel);
        }
    }
    return logical;
}

} // namespace

Surface::Surface(QSize size, SurfaceFormat format, qreal devicePixelRatio)
    : m_format(format)
    , m_dpr(devicePixelRatio > 0 ? devicePixelRatio : 1.0)
{
    if (format == SurfaceFormat::Monochrome) {
        m_back = Qt::white;
        m_fore = Qt::black;
    }
    resize(size);
}

QColor Surface::opaque(const QColor &colour)
{
    QColor result = colour.toRgb();
    result.setAlpha(255);
    return result;
}

QColor Surface::paletteColour(int index) const
{
    return opaque(systemColour(index, currentPalette()));
}

void Surface::resize(QSize size)
{
    m_size = size.expandedTo(QSize(0, 0));
    const QSize device = atDeviceScale()
                             ? QSize(qCeil(m_size.width() * m_dpr), qCeil(m_size.height() * m_dpr))
                             : m_size;
    m_image = QImage(device, QImage::Format_RGB32);
    m_image.setDevicePixelRatio(m_dpr);
    clear();
}

void Surface::setDevicePixelRatio(qreal ratio)
{
    if (ratio <= 0)
        ratio = 1.0;
    if (ratio == m_dpr)
        return;
    m_dpr = ratio;
    resize(m_size);
}

QPoint Surface::devicePoint(int x, int y) const
{
    if (!atDeviceScale())
        return QPoint(x, y);
    return QPoint(qFloor(x * m_dpr), qFloor(y * m_dpr));
}

QRect Surface::deviceRect(const QRect &logical) const
{
    if (!atDeviceScale())
        return logical;
    auto edge = [this](int v) { return qFloor(v * m_dpr); };
    const int left = edge(logical.left());
    const int top = edge(logical.top());
    const int right = std::max(edge(logical.left() + logical.width()), left + 1);
    const int bottom = std::max(edge(logical.top() + logical.height()), top + 1);
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

void Surface::setBackgroundPicture(std::optional<QImage> picture)
{
    m_backgroundPicture = std::move(picture);
}

void Surface::setMaskPicture(std::optional<QImage> picture)
{
    m_maskPicture = std::move(picture);
}

QRegion Surface::visibleRegion() const
{
    const QRect whole(QPoint(0, 0), size());
    if (!m_transparent)
        return QRegion(whole);
    if (!m_maskPicture || m_maskPicture->isNull())
        return QRegion();

    // One rectangle per run of visible pixels, row by row: a banded list that
    // QRegion takes as it is.
    const QRgb key = m_maskColour.rgb() & kRgbMask;
    const QImage mask = logicalMask(m_maskPicture->convertToFormat(QImage::Format_RGB32), key);
    const int w = qMin(mask.width(), width());
    const int h = qMin(mask.height(), height());
    std::vector<QRect> runs;
    for (int y = 0; y < h; ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(mask.constScanLine(y));
        int x = 0;
        while (x < w) {
            while (x < w && (row[x] & kRgbMask) == key)
                ++x;
            const int start = x;
            while (x < w && (row[x] & kRgbMask) != key)
                ++x;
            if (x > start)
                runs.emplace_back(start, y, x - start, 1);
        }
    }
    QRegion region;
    if (!runs.empty())
        region.setRects(runs.data(), static_cast<int>(runs.size()));
    return region;
}

void Surface::clear()
{
    if (m_image.isNull())
        return;
    m_image.fill(m_back);
    if (m_backgroundPicture && !m_backgroundPicture->isNull()) {
        QPainter painter(&m_image);
        painter.drawImage(QPoint(0, 0), *m_backgroundPicture);
    }
}

void Surface::fillRect(const QRect &rect, const QColor &colour)
{
    if (m_image.isNull())
        return;
    QPainter painter(&m_image);
    painter.fillRect(rect, opaque(colour));
}

namespace {
// Aliased drawing with the surface's pen: a one-pixel pen with flat ends
// leaves out a line's end pixel; wider pens have round ends.
void preparePainter(QPainter &painter, const QColor &colour, int width)
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(colour, width, Qt::SolidLine, width > 1 ? Qt::RoundCap : Qt::FlatCap, Qt::RoundJoin);
    painter.setPen(pen);
}

// Cuts the segment a-b to the part inside box; false when none is.
bool clipSegment(QPointF &a, QPointF &b, const QRectF &box)
{
    double enter = 0.0;
    double leave = 1.0;
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {a.x() - box.left(), box.right() - a.x(), a.y() - box.top(),
                        box.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0)
            enter = std::max(enter, t);
        else
            leave = std::min(leave, t);
    }
    if (enter > leave)
        return false;
    const QPointF start = a;
    a = start + QPointF(dx * enter, dy * enter);
    b = start + QPointF(dx * leave, dy * leave);
    return true;
}
} // namespace

void Surface::lineTo(QPoint point)
{
    if (!m_image.isNull() && point != m_position) {
        if (atDeviceScale()) {
            strokeScaledLine(m_position, point);
        } else if (m_penWidth == 1) {
            plotThinLine(m_position, point);
        } else if (m_penWidth <= kLargestStampedPen) {
            strokeWideLine(m_position, point);
        } else {
            QPainter painter(&m_image);
            preparePainter(painter, m_fore, m_penWidth);
            painter.drawLine(m_position, point);
        }
    }
    m_position = point;
}

void Surface::strokeWideLine(QPoint from, QPoint to)
{
    // A round-capped stroke is a flat-capped body plus a disc of the pen's
    // width at each end. Painting it that way is about twice as fast as the
    // painter's round caps, which matters for dials that draw one wide line
    // per degree.
    {
        QPainter painter(&m_image);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(m_fore, m_penWidth, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
        painter.drawLine(from, to);
    }
    if (m_discWidth != m_penWidth) {
        // The disc's pixels as the painter fills a circle of that diameter,
        // so that caps line up with what ellipses and bodies cover.
        const int side = m_penWidth + 4;
        const int c = side / 2;
        QImage scratch(side, side, QImage::Format_RGB32);
        scratch.fill(Qt::black);
        {
            QPainter painter(&scratch);
            painter.setRenderHint(QPainter::Antialiasing, false);
            painter.setPen(Qt::NoPen);
            painter.setBrush(Qt::white);
            painter.drawEllipse(QPointF(c, c), m_penWidth / 2.0, m_penWidth / 2.0);
        }
        m_disc.clear();
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x)
                if ((scratch.pixel(x, y) & kRgbMask) != 0)
                    m_disc.emplace_back(x - c, y - c);
        m_discWidth = m_penWidth;
    }
    const QRgb colour = m_fore.rgb() | kAlpha;
    const int w = width();
    const int h = height();
    const QRect reach(-m_penWidth, -m_penWidth, w + 2 * m_penWidth, h + 2 * m_penWidth);
    for (const QPoint end : {from, to}) {
        if (!reach.contains(end))
            continue;
        for (const QPoint offset : m_disc) {
            const int x = end.x() + offset.x();
            const int y = end.y() + offset.y();
            if (x >= 0 && y >= 0 && x < w && y < h)
                reinterpret_cast<QRgb *>(m_image.scanLine(y))[x] = colour;
        }
    }
}

namespace {

// The minor coordinate of the line's pixel at major step i, as the
// error-stepping of a line from 0 to (major, minor) sets it: minor * i / major
// rounded, halves up. Split so that no product leaves 64 bits for any line
// between two 32-bit points.
qint64 minorAt(quint64 i, quint64 major, quint64 minor)
{
    const quint64 product = minor * i;
    const quint64 whole = product / major;
    const quint64 rest = product % major;
    return static_cast<qint64>(whole + (2 * rest + major) / (2 * major));
}

// The first step in [low, high) whose minor coordinate (which never falls
// with i) reaches at least target; high when none does.
qint64 firstStepReaching(qint64 low, qint64 high, qint64 target, quint64 major, quint64 minor)
{
    while (low < high) {
        const qint64 middle = low + (high - low) / 2;
        if (minorAt(static_cast<quint64>(middle), major, minor) >= target)
            high = middle;
        else
            low = middle + 1;
    }
    return low;
}

} // namespace

void Surface::strokeScaledLine(QPoint from, QPoint to)
{
    // A pixel path has no meaning at device scale; the line is stroked
    // instead, placed so that it covers the logical pixels the path would:
    // a one-pixel pen across the middle of its pixels and from the start
    // pixel up to the end one, which stays out; a wider pen centred on the
    // pixels, with round ends.
    QPointF a(from);
    QPointF b(to);
    if (m_penWidth == 1) {
        const bool xMajor =
            std::abs(qint64(to.x()) - from.x()) >= std::abs(qint64(to.y()) - from.y());
        const bool backwards = xMajor ? to.x() < from.x() : to.y() < from.y();
        QPointF shift = xMajor ? QPointF(0.0, 0.5) : QPointF(0.5, 0.0);
        if (backwards)
            shift += xMajor ? QPointF(1.0, 0.0) : QPointF(0.0, 1.0);
        a += shift;
        b += shift;
    } else {
        a += QPointF(0.5, 0.5);
        b += QPointF(0.5, 0.5);
    }
    // Only the part near the surface is handed on: a dial with an absurd
    // radius asks for lines billions of pixels long.
    const double margin = m_penWidth + 2.0;
    if (!clipSegment(a, b, QRectF(-margin, -margin, width() + 2 * margin, height() + 2 * margin)))
        return;
    QPainter painter(&m_image);
    preparePainter(painter, m_fore, m_penWidth);
    painter.drawLine(QLineF(a, b));
}

void Surface::plotThinLine(QPoint from, QPoint to)
{
    // Stepped by hand because a painter leaves out the far end in screen terms
    // (the larger coordinate), while a line must keep its start and leave out
    // its end in whichever direction it runs. Only the steps that land on the
    // image are visited: a dial with an absurd radius asks for lines billions
    // of pixels long, of which at most a few hundred pixels show.
    const qint64 dx = std::abs(qint64(to.x()) - from.x());
    const qint64 dy = std::abs(qint64(to.y()) - from.y());
    const int sx = from.x() < to.x() ? 1 : -1;
    const int sy = from.y() < to.y() ? 1 : -1;
    // The major axis steps once per pixel, the minor one when the line's error
    // says so; the end pixel (step `major`) is left out.
    const bool xMajor = dx >= dy;
    const qint64 major = xMajor ? dx : dy;
    const qint64 minor = xMajor ? dy : dx;
    const qint64 majorStart = xMajor ? from.x() : from.y();
    const qint64 minorStart = xMajor ? from.y() : from.x();
    const int majorSign = xMajor ? sx : sy;
    const int minorSign = xMajor ? sy : sx;
    const qint64 majorLimit = xMajor ? width() : height();
    const qint64 minorLimit = xMajor ? height() : width();

    // Steps whose major coordinate lies on the image.
    auto stepsTo = [&](qint64 coordinate) { return (coordinate - majorStart) * majorSign; };
    qint64 first = std::max<qint64>(0, std::min(stepsTo(0), stepsTo(majorLimit - 1)));
    qint64 last = std::min<qint64>(major, std::max(stepsTo(0), stepsTo(majorLimit - 1)) + 1);
    if (first >= last)
        return;
    // Narrowed to the steps whose minor coordinate lies on the image: the
    // minor offset never falls along the line, so they are one run.
    const qint64 minorLow = minorSign > 0 ? -minorStart : minorStart - (minorLimit - 1);
    const qint64 minorHigh = minorSign > 0 ? minorLimit - 1 - minorStart : minorStart;
    const auto umajor = static_cast<quint64>(major);
    const auto uminor = static_cast<quint64>(minor);
    first = firstStepReaching(first, last, minorLow, umajor, uminor);
    last = firstStepReaching(first, last, minorHigh + 1, umajor, uminor);

    const QRgb colour = m_fore.rgb() | kAlpha;
    for (qint64 i = first; i < last; ++i) {
        const qint64 a = majorStart + majorSign * i;
        const qint64 b = minorStart + minorSign * minorAt(static_cast<quint64>(i), umajor, uminor);
        const int x = static_cast<int>(xMajor ? a : b);
        const int y = static_cast<int>(xMajor ? b : a);
        if (m_image.valid(x, y))
            m_image.setPixel(x, y, colour);
    }
}

void Surface::centreOnPixels(QPainter &painter) const
{
    // At a ratio of 1 the painter's aliased outlines already land on the
    // pixels the box rules name; at device scale the pen is centred on those
    // logical pixels, so an outline covers left to right - 1 exactly.
    if (atDeviceScale())
        painter.translate(0.5, 0.5);
}

void Surface::ellipse(int left, int top, int right, int bottom)
{
    if (m_image.isNull() || right - left < 2 || bottom - top < 2)
        return;
    QPainter painter(&m_image);
    preparePainter(painter, m_fore, m_penWidth);
    centreOnPixels(painter);
    painter.setBrush(m_fillStyle == FillStyle::Solid ? QBrush(m_fill) : QBrush(Qt::NoBrush));
    painter.drawEllipse(QRect(left, top, right - left - 1, bottom - top - 1));
}

void Surface::rectangle(int left, int top, int right, int bottom)
{
    if (m_image.isNull() || right - left < 1 || bottom - top < 1)
        return;
    QPainter painter(&m_image);
    preparePainter(painter, m_fore, m_penWidth);
    centreOnPixels(painter);
    painter.setBrush(m_fillStyle == FillStyle::Solid ? QBrush(m_fill) : QBrush(Qt::NoBrush));
    painter.drawRect(QRect(left, top, right - left - 1, bottom - top - 1));
}

void Surface::arc(int left, int top, int right, int bottom, QPoint start, QPoint end)
{
    if (m_image.isNull() || right - left < 2 || bottom - top < 2)
        return;
    const QRect box(left, top, right - left - 1, bottom - top - 1);
    const QPointF centre((left + right) / 2.0, (top + bottom) / 2.0);
    const double from = screenAngle(centre, start);
    double span = screenAngle(centre, end) - from;
    while (span <= 0)
        span += 360.0;
    QPainter painter(&m_image);
    preparePainter(painter, m_fore, m_penWidth);
    centreOnPixels(painter);
    painter.drawArc(box, qRound(from * 16), qRound(span * 16));
}

void Surface::textOut(QPoint point, const QString &text)
{
    if (m_image.isNull() || text.isEmpty())
        return;
    QPainter painter(&m_image);
    painter.setFont(m_font);
    painter.setPen(m_fore);
    // Placed by its baseline: no layout pass, which a clock face pays twice a
    // tick for its large value text.
    painter.drawText(QPoint(point.x(), point.y() + painter.fontMetrics().ascent()), text);
}

QSize Surface::textSize(const QString &text) const
{
    // Measured on the image itself so that the font resolves at the image's
    // resolution, as it is drawn.
    const QFontMetrics metrics(m_font, &m_image);
    return QSize(metrics.horizontalAdvance(text), metrics.height());
}

void Surface::drawStateText(QPoint point, const QString &text, unsigned flags)
{
    if (m_image.isNull() || text.isEmpty())
        return;
    QPainter painter(&m_image);
    painter.setFont(m_font);
    const int textFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine |
                          ((flags & TextState::Prefix) ? Qt::TextShowMnemonic : 0);
    if (flags & TextState::RightToLeft)
        painter.setLayoutDirection(Qt::RightToLeft);
    const QFontMetrics metrics(m_font, &m_image);
    const QSize extent = metrics.size(textFlags, text);
    if (flags & TextState::Disabled) {
        // Embossed: a highlight copy one pixel down and right, the shadow on top.
        painter.setPen(paletteColour(kButtonHighlight));
        painter.drawText(QRect(point + QPoint(1, 1), extent), textFlags, text);
        painter.setPen(paletteColour(kButtonShadow));
    } else {
        painter.setPen(m_fore);
    }
    painter.drawText(QRect(point, extent), textFlags, text);
}

void Surface::drawRing(const QRect &rect, const QColor &topLeft, const QColor &bottomRight,
                       unsigned flags)
{
    // The light colour owns the left and top sides except their far corners;
    // the dark colour owns the right and bottom sides whole.
    const int l = rect.left();
    const int t = rect.top();
    const int r = rect.right();
    const int b = rect.bottom();
    QPainter painter(&m_image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (flags & EdgeFlag::Left)
        painter.fillRect(QRect(QPoint(l, t), QPoint(l, b - 1)), topLeft);
    if (flags & EdgeFlag::Top)
        painter.fillRect(QRect(QPoint(l, t), QPoint(r - 1, t)), topLeft);
    if (flags & EdgeFlag::Right)
        painter.fillRect(QRect(QPoint(r, t), QPoint(r, b)), bottomRight);
    if (flags & EdgeFlag::Bottom)
        painter.fillRect(QRect(QPoint(l, b), QPoint(r, b)), bottomRight);
}

void Surface::drawEdge(QRect &rect, unsigned edge, unsigned flags)
{
    if (m_image.isNull() || rect.isEmpty())
        return;

    struct Ring
    {
        bool present;
        QColor topLeft;
        QColor bottomRight;
    };
    Ring outer{(edge & Edge::Outer) != 0, {}, {}};
    Ring inner{(edge & Edge::Inner) != 0, {}, {}};
    if (flags & EdgeFlag::Mono) {
        outer.topLeft = outer.bottomRight = paletteColour(kWindowFrame);
        inner.topLeft = inner.bottomRight = paletteColour(kWindow);
    } else if (flags & EdgeFlag::Flat) {
        outer.topLeft = outer.bottomRight = paletteColour(kButtonShadow);
        inner.topLeft = inner.bottomRight = paletteColour(kButtonFace);
    } else {
        const bool raisedOuter = edge & Edge::RaisedOuter;
        outer.topLeft = paletteColour(raisedOuter ? kLight : kButtonShadow);
        outer.bottomRight = paletteColour(raisedOuter ? kDarkShadow : kButtonHighlight);
        const bool raisedInner = edge & Edge::RaisedInner;
        inner.topLeft = paletteColour(raisedInner ? kButtonHighlight : kDarkShadow);
        inner.bottomRight = paletteColour(raisedInner ? kButtonShadow : kLight);
    }

    QRect area = rect;
    for (const Ring &ring : {outer, inner}) {
        if (!ring.present || area.isEmpty())
            continue;
        drawRing(area, ring.topLeft, ring.bottomRight, flags);
        area.adjust((flags & EdgeFlag::Left) ? 1 : 0, (flags & EdgeFlag::Top) ? 1 : 0,
                    (flags & EdgeFlag::Right) ? -1 : 0, (flags & EdgeFlag::Bottom) ? -1 : 0);
    }
    if (flags & EdgeFlag::Adjust)
        rect = area;
}

void Surface::drawFocusRect(const QRect &rect)
{
    const QRect box = rect.intersected(QRect(QPoint(0, 0), size()));
    if (box.isEmpty() || rect.isEmpty())
        return;
    // Dots on every other pixel of the screen grid, so neighbouring focus
    // rectangles line up; each outline pixel is visited once so corners are
    // not inverted twice.
    auto invert = [this](int x, int y) {
        if (x < 0 || y < 0 || x >= width() || y >= height() || ((x + y) & 1) != 0)
            return;
        const QRect block = deviceRect(QRect(x, y, 1, 1)).intersected(m_image.rect());
        for (int dy = block.top(); dy <= block.bottom(); ++dy)
            for (int dx = block.left(); dx <= block.right(); ++dx)
                m_image.setPixel(dx, dy, (m_image.pixel(dx, dy) ^ kRgbMask) | kAlpha);
    };
    const int l = rect.left();
    const int t = rect.top();
    const int r = rect.right();
    const int b = rect.bottom();
    for (int x = l; x <= r; ++x) {
        invert(x, t);
        if (b != t)
            invert(x, b);
    }
    for (int y = t + 1; y < b; ++y) {
        invert(l, y);
        if (r != l)
            invert(r, y);
    }
}

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
    const QRgb sourceKey = source.m_back.rgb() & kRgbMask;
    const QRgb whiteAs = m_back.rgb() | kAlpha;
    const QRgb blackAs = m_fore.rgb() | kAlpha;
    for (int y = 0; y < dst.height(); ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(block.constScanLine(y));
        auto *out = reinterpret_cast<QRgb *>(m_image.scanLine(dst.top() + y)) + dst.left();
        for (int x = 0; x < dst.width(); ++x) {
            QRgb s = in[x];
            if (source.m_format == SurfaceFormat::Colour && m_format == SurfaceFormat::Monochrome)
                s = (s & kRgbMask) == sourceKey ? kWhite : kBlack;
            else if (source.m_format == SurfaceFormat::Monochrome &&
                     m_format == SurfaceFormat::Colour)
                s = (s & kRgbMask) == kRgbMask ? whiteAs : blackAs;
            out[x] = combine(out[x], s, op);
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
    const QRgb sourceKey = source.m_back.rgb() & kRgbMask;
    const QRgb whiteAs = m_back.rgb() | kAlpha;
    const QRgb blackAs = m_fore.rgb() | kAlpha;
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
            QRgb s = in[sourceIndex(logicalX, block.width())];
            if (source.m_format == SurfaceFormat::Colour && m_format == SurfaceFormat::Monochrome)
                s = (s & kRgbMask) == sourceKey ? kWhite : kBlack;
            else if (source.m_format == SurfaceFormat::Monochrome &&
                     m_format == SurfaceFormat::Colour)
                s = (s & kRgbMask) == kRgbMask ? whiteAs : blackAs;
            out[x] = combine(out[x], s, op);
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

OleColour Surface::pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width() || y >= height() || m_image.isNull())
        return 0xFFFFFFFFu;
    return fromQColor(QColor::fromRgb(m_image.pixel(devicePoint(x, y))));
}

void Surface::setPixel(int x, int y, const QColor &colour)
{
    if (x < 0 || y < 0 || x >= width() || y >= height() || m_image.isNull())
        return;
    const QRect block = deviceRect(QRect(x, y, 1, 1)).intersected(m_image.rect());
    for (int dy = block.top(); dy <= block.bottom(); ++dy)
        for (int dx = block.left(); dx <= block.right(); ++dx)
            m_image.setPixel(dx, dy, opaque(colour).rgb());
}

} // namespace platform

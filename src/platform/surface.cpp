#include "surface.h"
#include "surfacepixels.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace platform {

using namespace surfacepixels;

namespace {

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

// Whether a box from (left, top) to (right, bottom), both exclusive, spans at
// least `least` pixels each way and no more than a rectangle can hold: a dial
// with a radius near the ends of its range asks for boxes of either kind.
bool drawableBox(qint64 left, qint64 top, qint64 right, qint64 bottom, qint64 least)
{
    const qint64 width = right - left;
    const qint64 height = bottom - top;
    const qint64 most = std::numeric_limits<int>::max();
    return width >= least && height >= least && width <= most && height <= most;
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

void surfacepixels::preparePainter(QPainter &painter, const QColor &colour, int width)
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(colour, width, Qt::SolidLine, width > 1 ? Qt::RoundCap : Qt::FlatCap, Qt::RoundJoin);
    painter.setPen(pen);
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
    if (m_image.isNull() || !drawableBox(left, top, right, bottom, 2))
        return;
    QPainter painter(&m_image);
    preparePainter(painter, m_fore, m_penWidth);
    centreOnPixels(painter);
    painter.setBrush(m_fillStyle == FillStyle::Solid ? QBrush(m_fill) : QBrush(Qt::NoBrush));
    painter.drawEllipse(QRect(left, top, right - left - 1, bottom - top - 1));
}

void Surface::rectangle(int left, int top, int right, int bottom)
{
    if (m_image.isNull() || !drawableBox(left, top, right, bottom, 1))
        return;
    QPainter painter(&m_image);
    preparePainter(painter, m_fore, m_penWidth);
    centreOnPixels(painter);
    painter.setBrush(m_fillStyle == FillStyle::Solid ? QBrush(m_fill) : QBrush(Qt::NoBrush));
    painter.drawRect(QRect(left, top, right - left - 1, bottom - top - 1));
}

void Surface::arc(int left, int top, int right, int bottom, QPoint start, QPoint end)
{
    if (m_image.isNull() || !drawableBox(left, top, right, bottom, 2))
        return;
    const QRect box(left, top, right - left - 1, bottom - top - 1);
    const QPointF centre((double(left) + right) / 2.0, (double(top) + bottom) / 2.0);
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

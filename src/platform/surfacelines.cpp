// The surface's lines: stepped pixel by pixel at a ratio of 1, so that they
// follow the classic pixel path, and stroked by a painter at device scale.
#include "surface.h"
#include "surfacepixels.h"

#include <QPainter>
#include <QtMath>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace platform {

using namespace surfacepixels;

namespace {
// Round line ends up to this pen width are stamped from a cached disc; wider
// (rare) pens go through the painter's own round caps.
constexpr int kLargestStampedPen = 64;

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

} // namespace platform

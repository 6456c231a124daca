#include "logopainter.h"

#include <QBuffer>
#include <QColor>
#include <QDataStream>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace logo {

namespace {

// The game's own colours: the peach-to-brown panels, the orange target frame
// with green digits on black, the white dial with its yellow sweep and the
// blue number tiles.
const QColor Peach(255, 228, 200);
const QColor Brown(176, 112, 56);
const QColor Outline(112, 56, 0);
const QColor Orange(255, 140, 32);
const QColor LitGreen(40, 255, 40);
const QColor DimGreen(0, 34, 0);
const QColor DialRim(110, 110, 110);
const QColor Tick(190, 190, 190);
const QColor Sweep(255, 236, 0);
const QColor TileBlue(10, 118, 255);

// The two layouts, in units of their own box.
const QSizeF TallBox(112, 174);
const QSizeF SquareBox(100, 100);

// Which of the seven segments (a to g: top, upper right, lower right, bottom,
// lower left, upper left, middle) each digit lights.
constexpr std::array<unsigned char, 10> SegmentsOf = {
    0b0111111, 0b0000110, 0b1011011, 0b1001111, 0b1100110,
    0b1101101, 0b1111101, 0b0000111, 0b1111111, 0b1101111,
};

// One segment: a long hexagon between two points on its centre line.
QPolygonF segment(QPointF from, QPointF to, double thickness)
{
    const double half = thickness / 2;
    if (from.y() == to.y()) {
        return QPolygonF({from, from + QPointF(half, -half), to + QPointF(-half, -half), to,
                          to + QPointF(-half, half), from + QPointF(half, half)});
    }
    return QPolygonF({from, from + QPointF(half, half), to + QPointF(half, -half), to,
                      to + QPointF(-half, -half), from + QPointF(-half, half)});
}

// A seven-segment digit filling `box`; unlit segments are drawn in `dim` when
// it is valid, as on a real display.
void paintDigit(QPainter &painter, const QRectF &box, int digit, const QColor &lit,
                const QColor &dim = QColor())
{
    const double t = box.width() * 0.24;
    const double gap = t * 0.18;
    const double left = box.left() + t / 2;
    const double right = box.right() - t / 2;
    const double top = box.top() + t / 2;
    const double middle = box.center().y();
    const double bottom = box.bottom() - t / 2;
    const auto across = [&](double y) {
        return segment(QPointF(left + gap, y), QPointF(right - gap, y), t);
    };
    const auto down = [&](double x, double y0, double y1) {
        return segment(QPointF(x, y0 + gap), QPointF(x, y1 - gap), t);
    };
    const std::array<QPolygonF, 7> shapes = {
        across(top),    down(right, top, middle),   down(right, middle, bottom),
        across(bottom), down(left, middle, bottom), down(left, top, middle),
        across(middle),
    };
    painter.setPen(Qt::NoPen);
    for (int s = 0; s < 7; ++s) {
        const bool on = (SegmentsOf[digit] >> s) & 1;
        if (!on && !dim.isValid())
            continue;
        painter.setBrush(on ? lit : dim);
        painter.drawPolygon(shapes[s]);
    }
}

void paintBackground(QPainter &painter, const QRectF &box, double radius)
{
    QLinearGradient shade(box.topLeft(), box.bottomLeft());
    shade.setColorAt(0, Peach);
    shade.setColorAt(1, Brown);
    painter.setPen(QPen(Outline, 1.2));
    painter.setBrush(shade);
    painter.drawRoundedRect(box.adjusted(0.6, 0.6, -0.6, -0.6), radius, radius);
}

// The clock face a third of the way round, its sweep from twelve o'clock.
void paintDial(QPainter &painter, QPointF centre, double radius)
{
    const QRectF face(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(face);

    QRadialGradient glow(centre, radius);
    glow.setColorAt(0, Sweep);
    glow.setColorAt(1, Sweep.darker(112));
    painter.setBrush(glow);
    constexpr int SweepDegrees = 120;
    painter.drawPie(face, 90 * 16, -SweepDegrees * 16);

    painter.setPen(QPen(Tick, std::max(0.8, radius / 22), Qt::SolidLine, Qt::RoundCap));
    for (int hour = 0; hour < 12; ++hour) {
        const double angle = hour * std::numbers::pi / 6;
        const QPointF direction(std::sin(angle), -std::cos(angle));
        painter.drawLine(centre + direction * radius * 0.72, centre + direction * radius * 0.9);
    }

    painter.setPen(QPen(DialRim, std::max(1.0, radius / 16)));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(face);

    const double end = SweepDegrees * std::numbers::pi / 180;
    painter.setPen(QPen(Qt::black, std::max(1.2, radius / 12), Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, centre + QPointF(std::sin(end), -std::cos(end)) * radius * 0.96);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawEllipse(centre, radius / 10, radius / 10);
}

void paintTile(QPainter &painter, const QRectF &tile, int digit)
{
    painter.setPen(QPen(Qt::white, std::max(0.8, tile.width() / 28)));
    painter.setBrush(TileBlue);
    painter.drawRoundedRect(tile, tile.width() / 10, tile.width() / 10);
    const QSizeF glyph(tile.width() * 0.42, tile.height() * 0.64);
    const QRectF box(tile.center() - QPointF(glyph.width() / 2, glyph.height() / 2), glyph);
    paintDigit(painter, box, digit, Qt::white);
}

// The board read from the top: target, clock, tiles.
void paintTall(QPainter &painter)
{
    paintBackground(painter, QRectF(QPointF(0, 0), TallBox), 10);

    const QRectF frame(10, 10, 92, 44);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Orange);
    painter.drawRoundedRect(frame, 3, 3);
    painter.setBrush(Qt::black);
    const QRectF panel = frame.adjusted(5, 5, -5, -5);
    painter.drawRect(panel);
    const std::array<int, 3> target = {7, 4, 2};
    const QSizeF digit(18, 24);
    const double spacing = 6;
    const double lineWidth = 3 * digit.width() + 2 * spacing;
    double x = panel.left() + (panel.width() - lineWidth) / 2;
    for (const int d : target) {
        paintDigit(painter, QRectF(QPointF(x, panel.top() + 5), digit), d, LitGreen, DimGreen);
        x += digit.width() + spacing;
    }

    paintDial(painter, QPointF(56, 98), 31);

    const std::array<int, 3> tiles = {8, 5, 3};
    for (int i = 0; i < 3; ++i)
        paintTile(painter, QRectF(11 + i * 31, 138, 28, 28), tiles[i]);
}

// For icons: the clock with one number tile over its corner.
void paintSquare(QPainter &painter)
{
    paintBackground(painter, QRectF(QPointF(0, 0), SquareBox), 16);
    paintDial(painter, QPointF(43, 43), 36);
    paintTile(painter, QRectF(56, 56, 38, 38), 7);
}

} // namespace

QImage render(QSize pixels, QSizeF shownAs)
{
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    if (pixels.isEmpty() || shownAs.isEmpty())
        return image;

    const bool tall = shownAs.height() > shownAs.width() * 1.25;
    const QSizeF box = tall ? TallBox : SquareBox;

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // From the shape it is shown in to the stored pixels...
    painter.scale(pixels.width() / shownAs.width(), pixels.height() / shownAs.height());
    // ...and the layout's box fitted into that shape, keeping its proportions.
    const double fit = std::min(shownAs.width() / box.width(), shownAs.height() / box.height());
    painter.translate((shownAs.width() - box.width() * fit) / 2,
                      (shownAs.height() - box.height() * fit) / 2);
    painter.scale(fit, fit);
    if (tall)
        paintTall(painter);
    else
        paintSquare(painter);
    return image;
}

QByteArray icoFile(const QList<QImage> &icons)
{
    // Each picture's bytes first: the directory in front of them gives every
    // picture's length and where it starts.
    QList<QByteArray> pictures;
    for (const QImage &icon : icons) {
        const int side = icon.width();
        if (icon.height() != side || side < 16 || side > 256)
            return {};
        QByteArray picture;
        if (side == 256) {
            QBuffer buffer(&picture);
            buffer.open(QIODevice::WriteOnly);
            if (!icon.save(&buffer, "PNG"))
                return {};
        } else {
            // A bitmap without the file header, twice as high as the icon:
            // the colours, then the AND mask. Both run from the bottom row
            // up. The mask marks what is fully clear, for readers that do
            // not look at the alpha.
            const QImage argb = icon.convertToFormat(QImage::Format_ARGB32);
            const int maskStride = (side + 31) / 32 * 4;
            QDataStream out(&picture, QIODevice::WriteOnly);
            out.setByteOrder(QDataStream::LittleEndian);
            out << quint32(40) << qint32(side) << qint32(2 * side) << quint16(1) << quint16(32)
                << quint32(0) << quint32(side * side * 4 + maskStride * side) << qint32(0)
                << qint32(0) << quint32(0) << quint32(0);
            for (int y = side - 1; y >= 0; --y) {
                const auto *row = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
                for (int x = 0; x < side; ++x)
                    out << quint8(qBlue(row[x])) << quint8(qGreen(row[x])) << quint8(qRed(row[x]))
                        << quint8(qAlpha(row[x]));
            }
            for (int y = side - 1; y >= 0; --y) {
                QByteArray mask(maskStride, '\0');
                const auto *row = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
                for (int x = 0; x < side; ++x) {
                    if (qAlpha(row[x]) == 0)
                        mask[x / 8] = char(mask[x / 8] | (0x80 >> (x % 8)));
                }
                out.writeRawData(mask.constData(), int(mask.size()));
            }
        }
        pictures << picture;
    }

    QByteArray file;
    QDataStream out(&file, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(pictures.size());
    quint32 offset = 6 + 16 * quint32(pictures.size());
    for (qsizetype i = 0; i < pictures.size(); ++i) {
        const int side = icons[i].width();
        // 0 stands for 256 in a byte.
        out << quint8(side % 256) << quint8(side % 256) << quint8(0) << quint8(0) << quint16(1)
            << quint16(32) << quint32(pictures[i].size()) << offset;
        offset += quint32(pictures[i].size());
    }
    for (const QByteArray &picture : pictures)
        out.writeRawData(picture.constData(), int(picture.size()));
    return file;
}

} // namespace logo

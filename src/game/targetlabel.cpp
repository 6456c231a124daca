#include "targetlabel.h"

#include <QImage>
#include <QPainter>

namespace {

// Where the number's ink lands when drawn centred in a box of `room`, found
// by drawing it: a font's tight bounds round each glyph's box to whole pixels
// and can be off either way, and centring goes by the advance, not the ink.
QRect inkWhenCentred(const QString &number, const QFont &face, QSize room)
{
    const int pad = room.width() / 2;
    QImage canvas(room + QSize(2 * pad, 2 * pad), QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        painter.setFont(face);
        painter.setPen(Qt::black);
        painter.drawText(QRect(QPoint(pad, pad), room), Qt::AlignCenter | Qt::TextDontClip, number);
    }
    int left = canvas.width(), right = -1, top = canvas.height(), bottom = -1;
    for (int y = 0; y < canvas.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(canvas.constScanLine(y));
        for (int x = 0; x < canvas.width(); ++x) {
            if (qAlpha(line[x]) == 0)
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (right < left)
        return {};
    return QRect(QPoint(left - pad, top - pad), QPoint(right - pad, bottom - pad));
}

} // namespace

QFont TargetLabel::fittedFont(const QFont &face, const QString &number, QSize room)
{
    const QRect box(QPoint(0, 0), room);
    QRect ink = inkWhenCentred(number, face, room);
    if (room.isEmpty() || box.contains(ink))
        return face;
    // Glyphs do not scale exactly with the size: a step or two more may be
    // needed once hinting has had its say.
    QFont smaller = face;
    for (int step = 0; step < 8 && !box.contains(ink); ++step) {
        const qreal factor = std::min(qreal(room.width() - 2) / std::max(1, ink.width()),
                                      qreal(room.height() - 2) / std::max(1, ink.height()));
        smaller.setPointSizeF(smaller.pointSizeF() * std::min(factor, 0.99));
        ink = inkWhenCentred(number, smaller, room);
    }
    return smaller;
}

void TargetLabel::paintEvent(QPaintEvent * /*event*/)
{
    const QString number = text();
    if (number.isEmpty())
        return; // the background is filled before this
    const QRect room = contentsRect();
    // Measured once per number, face and width, not at every repaint.
    if (number != m_fittedFor || font() != m_face || room.size() != m_fittedRoom) {
        m_fittedFor = number;
        m_face = font();
        m_fittedRoom = room.size();
        m_fitted = fittedFont(m_face, number, m_fittedRoom);
    }
    QPainter painter(this);
    painter.setFont(m_fitted);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(room, Qt::AlignCenter, number);
}

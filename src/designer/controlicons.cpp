#include "controlicons.h"

#include <QConicalGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace {

using Draw = std::function<void(QPainter &, qreal)>;

const QColor kFace(0xE4, 0xE4, 0xE4);
const QColor kLight(Qt::white);
const QColor kShadow(0x80, 0x80, 0x80);
const QColor kDark(0x30, 0x30, 0x30);

// The same drawing at every size: a unit of one sixteenth of the icon.
QIcon drawnIcon(const Draw &draw)
{
    QIcon icon;
    for (const int side : {16, 22, 32, 48}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        draw(painter, side / 16.0);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace

namespace controlicons {

QIcon dial()
{
    return drawnIcon([](QPainter &p, qreal u) {
        const QRectF circle(1 * u, 1 * u, 14 * u, 14 * u);
        p.setPen(Qt::NoPen);
        p.setBrush(kFace);
        p.drawEllipse(circle);
        // Three quarters of the way round, clockwise from the top, red through
        // yellow to green like the clock face's gradient. The conical gradient
        // runs counter-clockwise from its angle, so its stops run backwards.
        QConicalGradient sweep(circle.center(), 90);
        sweep.setColorAt(0.0, QColor(0, 0xA0, 0));
        sweep.setColorAt(0.25, QColor(0, 0xA0, 0));
        sweep.setColorAt(0.625, QColor(0xFF, 0xD0, 0));
        sweep.setColorAt(1.0, QColor(0xC0, 0, 0));
        QPainterPath pie;
        pie.moveTo(circle.center());
        pie.arcTo(circle, 90, -270);
        pie.closeSubpath();
        p.setBrush(sweep);
        p.drawPath(pie);
        p.setPen(QPen(kDark, qMax<qreal>(1.0, u)));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(circle.adjusted(0.5, 0.5, -0.5, -0.5));
        // The needle at the value, a quarter turn short of the top.
        p.drawLine(circle.center(), QPointF(circle.left() + 1.5 * u, circle.center().y()));
    });
}

QIcon button()
{
    return drawnIcon([](QPainter &p, qreal u) {
        p.setRenderHint(QPainter::Antialiasing, false);
        const qreal w = qMax<qreal>(1.0, u);
        const QRectF face(0.5 * u, 3.5 * u, 15 * u, 9 * u);
        p.fillRect(face, kFace);
        // A raised edge inside a dark frame: light above and left, shadow
        // below and right.
        const QRectF inner = face.adjusted(w, w, -w, -w);
        p.setPen(QPen(kLight, w));
        p.drawLine(inner.topLeft(), inner.topRight());
        p.drawLine(inner.topLeft(), inner.bottomLeft());
        p.setPen(QPen(kShadow, w));
        p.drawLine(inner.bottomLeft(), inner.bottomRight());
        p.drawLine(inner.topRight(), inner.bottomRight());
        p.setPen(QPen(kDark, w));
        p.setBrush(Qt::NoBrush);
        p.drawRect(face);
        // The caption, as a short dark bar in the middle.
        p.fillRect(QRectF(5 * u, 7.5 * u, 6 * u, 1.5 * u), kDark);
    });
}

QIcon tabStrip()
{
    return drawnIcon([](QPainter &p, qreal u) {
        p.setRenderHint(QPainter::Antialiasing, false);
        const qreal w = qMax<qreal>(1.0, u);
        p.setPen(QPen(kDark, w));
        // Two tabs at rest behind the active one.
        p.setBrush(kShadow.lighter(150));
        p.drawRect(QRectF(10.5 * u, 3.5 * u, 4.5 * u, 3 * u));
        p.drawRect(QRectF(6 * u, 3.5 * u, 4.5 * u, 3 * u));
        // The page.
        p.setBrush(kFace);
        const QRectF page(0.5 * u, 6.5 * u, 14.5 * u, 8.5 * u);
        p.drawRect(page);
        // The active tab stands taller and opens into the page.
        const QRectF active(0.5 * u, 1.5 * u, 5.5 * u, 5 * u);
        p.drawRect(active);
        p.fillRect(QRectF(active.left() + w, page.top() - w, active.width() - w, 2 * w), kFace);
        p.setPen(QPen(kLight, w));
        p.drawLine(QPointF(active.left() + w, active.top() + w),
                   QPointF(active.right() - w, active.top() + w));
    });
}

} // namespace controlicons

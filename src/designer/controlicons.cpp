#include "designer/controlicons.h"

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
        const QRectF face(0.5 * u, 3.5 * u, 15 * u, 9 * u);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.fillRect(face, kFace);
        const qreal w = qMax<qreal>(1.0, u);
        // A raised edge: light above and left, shadow below and right.
        p.setPen(QPen(kLight, w));
        p.drawLine(face.topLeft(), face.topRight());
        p.drawLine(face.topLeft(), face.bottomLeft());
        p.setPen(QPen(kDark, w));
        p.drawLine(face.bottomLeft(), face.bottomRight());
        p.drawLine(face.topRight(), face.bottomRight());
        p.setPen(QPen(kShadow, w));
        p.drawLine(face.bottomLeft() + QPointF(w, -w), face.bottomRight() + QPointF(-w, -w));
        p.drawLine(face.topRight() + QPointF(-w, w), face.bottomRight() + QPointF(-w, -w));
        // The caption, as a short dark bar in the middle.
        p.fillRect(QRectF(4.5 * u, 7 * u, 7 * u, 2 * u), kDark);
    });
}

QIcon tabStrip()
{
    return drawnIcon([](QPainter &p, qreal u) {
        p.setRenderHint(QPainter::Antialiasing, false);
        const qreal w = qMax<qreal>(1.0, u);
        const QRectF page(0.5 * u, 5.5 * u, 15 * u, 10 * u);
        p.fillRect(page, kFace);
        p.setPen(QPen(kLight, w));
        p.drawLine(page.topLeft(), page.bottomLeft());
        p.drawLine(page.topLeft(), page.topRight());
        p.setPen(QPen(kDark, w));
        p.drawLine(page.bottomLeft(), page.bottomRight());
        p.drawLine(page.topRight(), page.bottomRight());
        // Two tabs at rest and the active one standing taller at the left.
        const auto tab = [&](qreal left, qreal right, qreal top) {
            QPolygonF outline;
            outline << QPointF(left, page.top()) << QPointF(left, top + u) << QPointF(left + u, top)
                    << QPointF(right - u, top) << QPointF(right, top + u)
                    << QPointF(right, page.top());
            p.setPen(Qt::NoPen);
            p.setBrush(kFace);
            p.drawPolygon(outline);
            p.setPen(QPen(kLight, w));
            p.drawPolyline(outline.mid(0, 4));
            p.setPen(QPen(kDark, w));
            p.drawPolyline(outline.mid(3));
        };
        tab(10.5 * u, 15.5 * u, 2.5 * u);
        tab(5.5 * u, 10.5 * u, 2.5 * u);
        tab(0.5 * u, 6 * u, 0.5 * u);
        // The active tab opens into the page.
        p.setPen(QPen(kFace, w));
        p.drawLine(QPointF(0.5 * u + w, page.top()), QPointF(6 * u - w, page.top()));
    });
}

} // namespace controlicons

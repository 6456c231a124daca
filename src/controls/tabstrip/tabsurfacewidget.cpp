#include "tabsurfacewidget.h"

#include <QMouseEvent>
#include <QPainter>

TabSurfaceWidget::TabSurfaceWidget(QWidget *parent)
    : QWidget(parent)
{
    // The surface covers the whole widget, so nothing behind needs painting.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TabSurfaceWidget::place(const QRect &geometry)
{
    setGeometry(geometry);
    if (m_surface.size() != geometry.size())
        m_surface.resize(geometry.size());
}

void TabSurfaceWidget::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setClipRect(event->rect());
    painter.drawImage(QPoint(0, 0), m_surface.image());
}

void TabSurfaceWidget::mousePressEvent(QMouseEvent *event)
{
    emit pressed(event->button(), event->modifiers(), event->position());
    event->accept();
}

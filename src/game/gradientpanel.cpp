#include "gradientpanel.h"

#include "graphicsbas.h"

#include <QPainter>

GradientPanel::GradientPanel(platform::OleColour endColour, platform::OleColour startColour,
                             qint16 direction, Extent extent, QWidget *parent)
    : QWidget(parent)
    , m_end(endColour)
    , m_start(startColour)
    , m_direction(direction)
    , m_extent(extent)
{
    // Every pixel is painted each time: nothing underneath needs drawing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void GradientPanel::paintEvent(QPaintEvent * /*event*/)
{
    const QSize extent = m_extent == Extent::Window ? window()->frameGeometry().size() : size();
    QPainter painter(this);
    GraphicsBas::PaintGradient(painter, extent, m_end, m_start, m_direction);
}

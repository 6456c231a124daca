#pragma once

#include "surface.h"

#include <QPointF>
#include <QWidget>

// One of the tab strip's picture boxes (the tab row, the raised highlight): a
// child widget showing its own persistent surface and reporting presses.
class TabSurfaceWidget : public QWidget
{
    Q_OBJECT

public:
    explicit TabSurfaceWidget(QWidget *parent = nullptr);

    platform::Surface &surface() { return m_surface; }
    const platform::Surface &surface() const { return m_surface; }

    // Moves and sizes the widget and its surface together, so the surface is
    // ready to draw on even while the widget is hidden.
    void place(const QRect &geometry);

signals:
    void pressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF position);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    platform::Surface m_surface;
};

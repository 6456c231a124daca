#pragma once

#include "colour.h"

#include <QWidget>

// A surface painted with one of the window routines' banded gradients each
// time it is drawn, so the gradient is on screen whenever the panel is. The
// main window's background measures its bands over the whole window (frame
// and menu included), the panels over themselves.
class GradientPanel : public QWidget
{
    Q_OBJECT

public:
    enum class Extent { Self, Window };

    GradientPanel(platform::OleColour endColour, platform::OleColour startColour, qint16 direction,
                  Extent extent, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    platform::OleColour m_end;
    platform::OleColour m_start;
    qint16 m_direction;
    Extent m_extent;
};

#pragma once

#include <QObject>
#include <QPoint>
#include <QTimer>

#include <functional>

class QWidget;

// Notices that the pointer has left a widget by polling the pointer position,
// for controls that must not rely on the window system's leave events. It runs
// only while the pointer is believed to be inside, so an idle control costs
// nothing.
class HoverTracker : public QObject
{
    Q_OBJECT

public:
    // Short enough that the exit follows the pointer without visible delay.
    static constexpr int PollMilliseconds = 30;

    // The pointer's position in global (screen) coordinates.
    using Locator = std::function<QPoint()>;

    explicit HoverTracker(QWidget *watched);

    void start();
    void stop();
    bool isRunning() const { return m_timer.isActive(); }

    // Replaces where the pointer position comes from (QCursor::pos() unless
    // set), so that hosts and tests can move a pointer of their own.
    void setLocator(Locator locator);

    // One poll now: stops and reports pointerLeft() when the pointer is
    // outside the widget's rectangle (its edges count as inside).
    void poll();

signals:
    void pointerLeft();

private:
    QWidget *m_watched;
    QTimer m_timer;
    Locator m_locator;
};

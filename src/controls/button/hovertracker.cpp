#include "hovertracker.h"

#include <QCursor>
#include <QWidget>

HoverTracker::HoverTracker(QWidget *watched)
    : QObject(watched)
    , m_watched(watched)
{
    m_timer.setInterval(PollMilliseconds);
    connect(&m_timer, &QTimer::timeout, this, &HoverTracker::poll);
}

void HoverTracker::start()
{
    m_timer.start();
}

void HoverTracker::stop()
{
    m_timer.stop();
}

void HoverTracker::setLocator(Locator locator)
{
    m_locator = std::move(locator);
}

void HoverTracker::poll()
{
    const QPoint global = m_locator ? m_locator() : QCursor::pos();
    const QPoint local = m_watched->mapFromGlobal(global);
    // The whole rectangle counts, edges included, even where a shaped
    // control is see-through.
    const bool inside = local.x() >= 0 && local.x() <= m_watched->width() && local.y() >= 0 &&
                        local.y() <= m_watched->height();
    if (inside)
        return;
    m_timer.stop();
    emit pointerLeft();
}

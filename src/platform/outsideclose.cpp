#include "outsideclose.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QByteArray>
#include <QTimer>
#include <QWidget>

#include <cstdint>

namespace platform {

namespace {

// The X11 protocol's DestroyNotify event as it arrives (event code 17), the
// layout the X11 connection library gives it.
struct X11DestroyNotify
{
    std::uint8_t responseType;
    std::uint8_t pad;
    std::uint16_t sequence;
    std::uint32_t event;
    std::uint32_t window;
};
constexpr std::uint8_t X11DestroyNotifyCode = 17;

class OutsideCloseFilter : public QAbstractNativeEventFilter
{
public:
    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *) override
    {
        if (eventType != "xcb_generic_event_t" || !message)
            return false;
        const auto *event = static_cast<const X11DestroyNotify *>(message);
        if ((event->responseType & 0x7f) != X11DestroyNotifyCode)
            return false;
        // A window the program destroys itself has no id by the time the
        // news arrives; only one destroyed from outside is still known.
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window->internalWinId() == WId(event->window)) {
                // Closed once this event is done with, as if asked to.
                QTimer::singleShot(0, window, [window] { window->close(); });
            }
        }
        return false;
    }
};

} // namespace

void closeWindowsDestroyedOutside()
{
    static OutsideCloseFilter *filter = nullptr;
    if (filter || !qApp)
        return;
    filter = new OutsideCloseFilter;
    qApp->installNativeEventFilter(filter);
}

} // namespace platform

#include "surfaceshape.h"

#include "surface.h"

#include <QEvent>
#include <QWidget>

namespace platform {

void applySurfaceShape(QWidget &widget, const Surface &surface)
{
    if (!surface.isTransparent()) {
        if (!widget.mask().isEmpty())
            widget.clearMask();
        return;
    }
    QRegion region = surface.visibleRegion();
    // An empty mask means "no mask" to Qt, which would show everything; a
    // region wholly outside the widget shows nothing instead.
    if (region.isEmpty())
        region = QRegion(-1, -1, 1, 1);
    if (widget.mask() != region)
        widget.setMask(region);
}

bool followDevicePixelRatio(const QWidget &widget, std::initializer_list<Surface *> surfaces)
{
    const qreal ratio = widget.devicePixelRatioF();
    bool changed = false;
    for (Surface *surface : surfaces) {
        if (surface->devicePixelRatio() != ratio) {
            surface->setDevicePixelRatio(ratio);
            changed = true;
        }
    }
    return changed;
}

bool mayChangeDevicePixelRatio(const QEvent &event)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    if (event.type() == QEvent::DevicePixelRatioChange)
        return true;
#endif
    return event.type() == QEvent::ScreenChangeInternal;
}

} // namespace platform

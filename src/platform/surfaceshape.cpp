#include "platform/surfaceshape.h"

#include "platform/surface.h"

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

} // namespace platform

#pragma once

class QWidget;

namespace platform {

class Surface;

// Gives a control the shape of its surface: an opaque surface shows whole; a
// transparent one shows (and takes mouse input) only where visibleRegion()
// says, even when that is nowhere.
void applySurfaceShape(QWidget &widget, const Surface &surface);

} // namespace platform

#pragma once

#include <initializer_list>

class QEvent;
class QWidget;

namespace platform {

class Surface;

// Gives a control the shape of its surface: an opaque surface shows whole; a
// transparent one shows (and takes mouse input) only where visibleRegion()
// says, even when that is nowhere.
void applySurfaceShape(QWidget &widget, const Surface &surface);

// Gives the surfaces the device pixel ratio the widget is shown at. True when
// it changed: the surfaces are then cleared and the control must draw again.
bool followDevicePixelRatio(const QWidget &widget, std::initializer_list<Surface *> surfaces);

// Whether the event can bring a new device pixel ratio: the window moved to
// another screen, or its screen's scale changed.
bool mayChangeDevicePixelRatio(const QEvent &event);

} // namespace platform

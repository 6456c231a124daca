#pragma once

#include <QCursor>
#include <QImage>
#include <Qt>

#include <optional>

// The numbers the button's events carry, which hosts compare with the
// classic desktop's constants: key codes, modifier and mouse-button bit sets,
// pointer shapes and drop effects.
namespace button {

// Mouse-button bits: 1 left, 2 right, 4 middle.
short mouseButtonBits(Qt::MouseButtons buttons);
// Modifier bits: 1 Shift, 2 Ctrl, 4 Alt.
short shiftBits(Qt::KeyboardModifiers modifiers);
// The desktop's virtual-key code for a Qt key (letters and digits keep their
// character codes), or 0 for a key that has none.
short virtualKeyCode(int qtKey);

// The pointer a MousePointer code stands for; 99 is the custom icon (the
// default shape while the icon has no image). nullopt is the default shape.
std::optional<QCursor> cursorFor(int mousePointer, const std::optional<QImage> &mouseIcon);

// Drop effects: 0 none, 1 copy, 2 move, 4 link.
int dropEffectsOf(Qt::DropActions actions);
Qt::DropActions dropActionsOf(int effects);
// The single action to report for an effect set, preferring copy, then move.
Qt::DropAction preferredDropAction(int effects);

} // namespace button

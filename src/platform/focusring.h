#pragma once

class QWidget;

namespace platform {

// A ring round whatever control has the keyboard, black outside and white
// inside so that it shows on any colour, drawn outside the control over its
// neighbours. It shows while the keyboard is in use, from the first key press
// until the next mouse press, as desktops show their focus. Installed once
// for the whole application; later calls do nothing.
void showKeyboardFocus();

// The control the ring is round now, or null when it is hidden.
QWidget *keyboardFocusRingTarget();

} // namespace platform

#pragma once

namespace platform {

// Some tools and window managers destroy a program's window outright, without
// asking it to close. The window system then tells the program, and it closes
// that window as if asked, so that a main window gone this way ends the game
// as Exit does instead of leaving a process without a window. Installed once
// for the whole application; later calls do nothing.
void closeWindowsDestroyedOutside();

} // namespace platform

#pragma once

class QMenuBar;

// The menu bar's commands as assistive technologies see them: menu items
// whose Press action returns at once and triggers the command from the event
// loop, so a command that opens a modal window does not hold the caller
// until the window closes. Clicks and keys trigger the commands as before.
void queueAccessiblePresses(QMenuBar &bar);

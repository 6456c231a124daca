#pragma once

namespace platform {

// Lets the window handle what is waiting (paints, clicks, timer ticks) from
// inside a long operation on the user-interface thread, then returns. This is
// how a stop request reaches a running search.
void yield();

} // namespace platform

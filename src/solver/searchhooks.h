#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace solver {

// How a search talks to its host: the core knows no window, so progress, the
// yield and each hit go through these. Any of them may be left empty.
struct SearchHooks
{
    // The running combination count, at each point where progress is reported.
    std::function<void(std::int32_t count)> progress;
    // Lets the host handle what is waiting; a stop request arrives here.
    std::function<void()> yield;
    // Every expression that reaches the target, in the order found, with its
    // outer parentheses. The sink may rewrite it (the answer list strips it).
    std::function<void(std::string &expression)> hit;
};

} // namespace solver

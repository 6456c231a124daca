#pragma once

#include "searchhooks.h"

#include <array>
#include <cstdint>
#include <string>

namespace solver {

// Six numbers of the board, in the order a step of the search uses them.
using Numbers = std::array<std::int32_t, 6>;

// What both families of one running search share: the target, the count, the
// stop switch and the host's hooks. The count is kept here and written out to
// the caller's variable whenever the host can see it.
class SearchContext
{
public:
    SearchContext(std::int32_t target, bool &running, std::int32_t &count, const SearchHooks &hooks)
        : target(target)
        , count(count)
        , running_(running)
        , countOut_(count)
        , hooks_(hooks)
    {}

    const std::int32_t target;
    std::int32_t count;

    bool running() const { return running_; }

    void publishCount() const { countOut_ = count; }

    void reportProgress() const
    {
        countOut_ = count;
        if (hooks_.progress)
            hooks_.progress(count);
    }

    // Yields to the host, then says whether the search may go on.
    bool yieldAndCheck() const
    {
        if (hooks_.yield)
            hooks_.yield();
        return running_;
    }

    void hit(std::string &expression) const
    {
        if (hooks_.hit)
            hooks_.hit(expression);
    }

private:
    bool &running_;
    std::int32_t &countOut_;
    const SearchHooks &hooks_;
};

} // namespace solver

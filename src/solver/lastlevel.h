#pragma once

#include <array>
#include <cstdint>

namespace solver {

// The last level of a chain: nothing is built on it, so it only has to count
// the accepted operations of each entry with the last number and to tell
// whether an entry could reach the target. It is where most of the search's
// time goes, so it runs four entries at a time where the processor allows.
struct LastLevelTally
{
    std::int32_t accepted = 0;
    bool maybeHit = false;
};

// hitValues: the entries for which some operation with number may give the
// target (0 where none, since no entry is 0).
LastLevelTally tallyLastLevel(const std::int32_t *values, int count, std::int32_t number,
                              const std::array<std::int32_t, 6> &hitValues);

// The same one entry at a time; the reference for the fast path.
LastLevelTally tallyLastLevelScalar(const std::int32_t *values, int count, std::int32_t number,
                                    const std::array<std::int32_t, 6> &hitValues);

// The entries that could give the target with number by some operation.
std::array<std::int32_t, 6> lastLevelHitValues(std::int32_t number, std::int32_t target);

} // namespace solver

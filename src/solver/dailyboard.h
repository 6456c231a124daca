#pragma once

#include <array>
#include <cstdint>

namespace solver {

// The board of the day: six numbers and a target that follow from the date
// alone, the same on every platform, compiler and library version, so that
// everyone who plays a given day plays the same board. Only fixed integer
// arithmetic is used; the standard library's distributions and rand() are
// not, as their results differ between implementations. The algorithm, which
// must never change (a change deals everyone a different board for every past
// and future day):
//
// 1. The day number: days from 1970-01-01 to the date in the proleptic
//    Gregorian calendar (negative before 1970), by integer civil-date
//    arithmetic: with y = year - (month <= 2), era = floor(y / 400),
//    yoe = y - 400 era, doy = (153 (month + (month > 2 ? -3 : 9)) + 2) / 5
//    + day - 1, doe = 365 yoe + yoe / 4 - yoe / 100 + doy, the day number is
//    146097 era + doe - 719468.
// 2. A SplitMix64 stream whose state starts at the day number as a 64-bit
//    two's complement value. Each draw adds 0x9E3779B97F4A7C15 to the state
//    (modulo 2^64) and returns z ^ (z >> 31) where, from z = the state,
//    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9, then
//    z = (z ^ (z >> 27)) * 0x94D049BB133111EB (all modulo 2^64).
// 3. A draw below n (n >= 1) takes draws until one, x, is at least
//    (2^64 - n) mod n, and returns x mod n: every remainder then has the same
//    number of draws behind it, so the result is unbiased.
// 4. The count of large numbers: a draw below 16, w, gives 0 for w 0..2,
//    1 for 3..9, 2 for 10..13, 3 for 14 and 4 for 15 (weights 3, 7, 4, 1, 1
//    out of 16).
// 5. The large ones are dealt from the pool 25, 50, 75, 100 and then the
//    small ones from the pool 1, 1, 2, 2, ..., 10, 10 (in that order), each
//    without replacement by a partial Fisher-Yates shuffle: for i from 0 up,
//    j = i + a draw below (pool size - i), swap the pool's elements i and j,
//    and deal element i.
// 6. The numbers are sorted largest first. The targets from 101 to 999 that
//    reachableTargets says the six reach are listed in increasing order; the
//    target is the one at a draw below their count. When there is none, the
//    deal starts again at step 4 with the stream where it stands.

struct DailyBoard
{
    std::array<std::int32_t, 6> numbers{}; // largest first
    std::int32_t target = 0;
};

// Whether the date exists in the proleptic Gregorian calendar, years 1 to 9999.
bool validDate(int year, int month, int day);

// Days from 1970-01-01 to a valid date (negative before it): step 1 above.
std::int64_t dayNumber(int year, int month, int day);

// The board of a valid date.
DailyBoard dailyBoard(int year, int month, int day);

} // namespace solver

#include "dailyboard.h"

#include "reach.h"

#include <algorithm>
#include <functional>
#include <vector>

namespace solver {

namespace {

class SplitMix64
{
public:
    explicit SplitMix64(std::uint64_t seed)
        : state_(seed)
    {}

    std::uint64_t next()
    {
        state_ += 0x9E3779B97F4A7C15u;
        std::uint64_t z = state_;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
        return z ^ (z >> 31);
    }

    // Unbiased: the draws below (2^64 - n) mod n are refused, which leaves a
    // whole number of runs of n.
    std::uint32_t below(std::uint32_t n)
    {
        const std::uint64_t bound = n;
        const std::uint64_t refused = (0 - bound) % bound;
        std::uint64_t x = next();
        while (x < refused)
            x = next();
        return std::uint32_t(x % bound);
    }

private:
    std::uint64_t state_;
};

int largeCount(std::uint32_t w)
{
    if (w < 3)
        return 0;
    if (w < 10)
        return 1;
    if (w < 14)
        return 2;
    return w < 15 ? 3 : 4;
}

// Deals count numbers from pool, without replacement.
void deal(SplitMix64 &stream, std::vector<std::int32_t> pool, int count,
          std::vector<std::int32_t> &out)
{
    for (std::size_t i = 0; i < std::size_t(count); ++i) {
        const std::size_t j = i + stream.below(std::uint32_t(pool.size() - i));
        std::swap(pool[i], pool[j]);
        out.push_back(pool[i]);
    }
}

} // namespace

bool validDate(int year, int month, int day)
{
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1)
        return false;
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return day <= kDays[month - 1] + (month == 2 && leap ? 1 : 0);
}

std::int64_t dayNumber(int year, int month, int day)
{
    const std::int64_t y = year - (month <= 2 ? 1 : 0);
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yearOfEra = y - era * 400;
    const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

DailyBoard dailyBoard(int year, int month, int day)
{
    SplitMix64 stream(std::uint64_t(dayNumber(year, month, day)));
    static const std::vector<std::int32_t> kLarge{25, 50, 75, 100};
    static const std::vector<std::int32_t> kSmall{1, 1, 2, 2, 3, 3, 4, 4, 5,  5,
                                                  6, 6, 7, 7, 8, 8, 9, 9, 10, 10};
    constexpr std::int32_t kLo = 101;
    constexpr std::int32_t kHi = 999;
    for (;;) {
        const int large = largeCount(stream.below(16));
        std::vector<std::int32_t> numbers;
        deal(stream, kLarge, large, numbers);
        deal(stream, kSmall, 6 - large, numbers);
        std::sort(numbers.begin(), numbers.end(), std::greater<>());
        const std::vector<bool> reached = reachableTargets(numbers, kLo, kHi);
        const auto count = std::uint32_t(std::count(reached.begin(), reached.end(), true));
        if (count == 0)
            continue;
        std::uint32_t pick = stream.below(count);
        DailyBoard board;
        std::copy(numbers.begin(), numbers.end(), board.numbers.begin());
        for (std::size_t i = 0; i < reached.size(); ++i) {
            if (reached[i] && pick-- == 0) {
                board.target = kLo + std::int32_t(i);
                break;
            }
        }
        return board;
    }
}

} // namespace solver

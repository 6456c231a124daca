#include "boardcode.h"

#include "boardselection.h"
#include "utf8char.h"

namespace solver {

namespace {

constexpr std::size_t kValueCount = 14;
constexpr std::array<std::int32_t, kValueCount> kValues{1, 2, 3,  4,  5,  6,  7,
                                                        8, 9, 10, 25, 50, 75, 100};
constexpr int kBoardSize = 6;
constexpr std::int64_t kBase = 31;
constexpr std::size_t kDataChars = 5;
constexpr std::size_t kCodeChars = kDataChars + 1;
constexpr std::string_view kPrefix = "TF";

static_assert(kCodeAlphabet.size() == kBase);

constexpr int capacity(std::size_t value)
{
    return value < 10 ? 2 : 1;
}

// ways[i][r]: how many ways to choose r more numbers from the values i and
// above, within how often the board has each (W of step 2 in the header).
constexpr auto kWays = [] {
    std::array<std::array<std::int64_t, kBoardSize + 1>, kValueCount + 1> ways{};
    ways[kValueCount][0] = 1;
    for (std::size_t i = kValueCount; i-- > 0;) {
        for (int r = 0; r <= kBoardSize; ++r) {
            for (int c = 0; c <= capacity(i) && c <= r; ++c)
                ways[i][std::size_t(r)] += ways[i + 1][std::size_t(r - c)];
        }
    }
    return ways;
}();

constexpr std::int64_t kBoards = kWays[0][kBoardSize];
static_assert(kBoards == 13243);
static_assert(kBoards * kCodeTargetLast <= kBase * kBase * kBase * kBase * kBase);

// The weights of d1..d6 in the check sum.
constexpr std::int64_t weight(std::size_t place)
{
    return std::int64_t(kCodeChars - place);
}

std::int64_t rankOf(std::span<const std::int32_t> numbers)
{
    std::array<int, kValueCount> counts{};
    for (const std::int32_t n : numbers) {
        for (std::size_t i = 0; i < kValueCount; ++i)
            counts[i] += kValues[i] == n;
    }
    std::int64_t rank = 0;
    int left = kBoardSize;
    for (std::size_t i = 0; i < kValueCount; ++i) {
        for (int c = 0; c < counts[i]; ++c)
            rank += kWays[i + 1][std::size_t(left - c)];
        left -= counts[i];
    }
    return rank;
}

// The board of a rank below kBoards, largest first.
std::array<std::int32_t, 6> boardOf(std::int64_t rank)
{
    std::array<std::int32_t, 6> numbers{};
    std::size_t filled = 0;
    int left = kBoardSize;
    for (std::size_t i = 0; i < kValueCount; ++i) {
        int c = 0;
        while (rank >= kWays[i + 1][std::size_t(left - c)]) {
            rank -= kWays[i + 1][std::size_t(left - c)];
            ++c;
        }
        left -= c;
        for (; c > 0; --c)
            numbers[kBoardSize - 1 - filled++] = kValues[i];
    }
    return numbers;
}

// d1..d5 of n, then d6, as values.
std::array<std::int64_t, kCodeChars> digitsOf(std::int64_t n)
{
    std::array<std::int64_t, kCodeChars> digits{};
    std::int64_t sum = 0;
    for (std::size_t place = kDataChars; place-- > 0;) {
        digits[place] = n % kBase;
        n /= kBase;
        sum += weight(place) * digits[place];
    }
    digits[kDataChars] = (kBase - sum % kBase) % kBase;
    return digits;
}

std::string written(const std::array<std::int64_t, kCodeChars> &digits)
{
    std::string code = std::string(kPrefix) + '-';
    for (std::size_t place = 0; place < kCodeChars; ++place) {
        if (place == kCodeChars / 2)
            code += '-';
        code += kCodeAlphabet[std::size_t(digits[place])];
    }
    return code;
}

} // namespace

std::string boardCodeProblem(std::span<const std::int32_t> numbers, std::int64_t target)
{
    std::string problem = boardSelectionProblem(numbers);
    if (problem.empty() && (target < 1 || target > kCodeTargetLast)) {
        problem = "the target " + std::to_string(target) + " is outside 1 to " +
                  std::to_string(kCodeTargetLast) + ", the targets a code names";
    }
    return problem;
}

std::string boardCode(std::span<const std::int32_t> numbers, std::int64_t target)
{
    if (!boardCodeProblem(numbers, target).empty())
        return {};
    return written(digitsOf(rankOf(numbers) * kCodeTargetLast + target - 1));
}

ReadCode readBoardCode(std::string_view utf8Text)
{
    ReadCode read;
    std::array<std::int64_t, kCodeChars> digits{};
    std::size_t kept = 0; // characters other than spaces and dashes
    std::size_t position = 0;
    for (std::size_t at = 0; at < utf8Text.size();) {
        const Utf8Char c = decodeUtf8(utf8Text, at);
        const std::string_view typed = utf8Text.substr(at, c.bytes);
        at += c.bytes;
        ++position;
        if (c.code == ' ' || c.code == '-')
            continue;
        const char upper = c.code >= 'a' && c.code <= 'z' ? char(c.code - 'a' + 'A') : char(c.code);
        const std::size_t value =
            c.code < 0x80 ? kCodeAlphabet.find(upper) : std::string_view::npos;
        const bool fits = kept < kPrefix.size() ? c.code < 0x80 && upper == kPrefix[kept]
                                                : value != std::string_view::npos;
        if (!fits) {
            read.fault = kept < kPrefix.size() ? CodeFault::Prefix : CodeFault::Character;
            read.character = std::string(typed);
            read.position = position;
            return read;
        }
        if (kept >= kPrefix.size() && kept - kPrefix.size() < kCodeChars)
            digits[kept - kPrefix.size()] = std::int64_t(value);
        ++kept;
    }
    read.length = kept > kPrefix.size() ? kept - kPrefix.size() : 0;
    if (read.length != kCodeChars) {
        read.fault = CodeFault::Length;
        return read;
    }
    std::int64_t sum = 0;
    std::int64_t n = 0;
    for (std::size_t place = 0; place < kCodeChars; ++place) {
        sum += weight(place) * digits[place];
        if (place < kDataChars)
            n = n * kBase + digits[place];
    }
    if (sum % kBase != 0) {
        read.fault = CodeFault::Check;
        return read;
    }
    if (n >= kBoards * kCodeTargetLast) {
        read.fault = CodeFault::NoBoard;
        return read;
    }
    read.numbers = boardOf(n / kCodeTargetLast);
    read.target = std::int32_t(n % kCodeTargetLast + 1);
    read.code = written(digits);
    return read;
}

std::string codeFaultMessage(const ReadCode &read)
{
    const std::string at =
        "character " + std::to_string(read.position) + ", '" + read.character + "', ";
    switch (read.fault) {
    case CodeFault::None:
        return {};
    case CodeFault::Prefix:
        return at + "does not belong there: a code starts with TF";
    case CodeFault::Character:
        return at + "is not one a code has (it has 2 to 9 and the letters but I, L and O)";
    case CodeFault::Length:
        return "a code has " + std::to_string(kCodeChars) + " characters after TF, this has " +
               std::to_string(read.length);
    case CodeFault::Check:
        return "the check character does not match: a character is mistyped or two are "
               "swapped, but which cannot be told";
    case CodeFault::NoBoard:
        return "the check character matches, but the code names no board: more than one "
               "character is wrong";
    }
    return {};
}

} // namespace solver

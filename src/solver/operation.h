#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <string>
#include <string_view>

namespace solver {

// One step of the search: the four operations, tried in this order. A result
// of 0 marks a rejected operation, since 0 is never a valid result.
enum Op : int { OpAdd = 1, OpSubtract = 2, OpMultiply = 3, OpDivide = 4 };

inline constexpr char kOpSymbol[] = {'?', '+', '-', 'x', '/'};

// The value of an operation and whether its text puts the right operand first
// (subtraction and division always write the larger operand first).
struct OpResult
{
    std::int32_t value = 0;
    bool swapped = false;
};

// Only positive whole results are accepted; multiplying or dividing by 1 is
// never tried.
inline OpResult combine(std::int32_t a, std::int32_t b, int op)
{
    switch (op) {
    case OpAdd:
        return {a + b, false};
    case OpSubtract:
        if (a == b)
            return {};
        return a > b ? OpResult{a - b, false} : OpResult{b - a, true};
    case OpMultiply:
        if (a == 1 || b == 1)
            return {};
        return {a * b, false};
    default:
        // Only the larger can be a multiple of the smaller, so one remainder
        // decides (equal values divide to 1).
        if (a >= b)
            return a % b == 0 && b != 1 ? OpResult{a / b, false} : OpResult{};
        return b % a == 0 && a != 1 ? OpResult{b / a, true} : OpResult{};
    }
}

// Writes "(" left op right ")" at the end of out, larger operand first where
// the operation says so.
inline void appendOpText(std::string &out, std::string_view left, std::string_view right, int op,
                         bool swapped)
{
    out += '(';
    out += swapped ? right : left;
    out += kOpSymbol[op];
    out += swapped ? left : right;
    out += ')';
}

// The operation with its texts: the left operand's text comes in
// currentExpr and is replaced by the result's text when the operation is
// accepted; an empty rightText stands for the decimal text of b.
std::int32_t ApplyOp(std::int32_t a, std::int32_t b, int op, std::string &currentExpr,
                     std::string_view rightText = {});

// The numbers from 2 to number - 1 that divide a small number (at most 127),
// kept as a bit mask and as a list, so that "the number is a multiple of the
// value" needs no divide.
class SmallDivisors
{
public:
    static constexpr int kMaxCount = 14; // enough for any number up to 127

    constexpr SmallDivisors() = default;
    constexpr explicit SmallDivisors(std::int32_t number)
    {
        for (std::int32_t value = 2; value < number && value < 128; ++value) {
            if (number % value == 0) {
                words_[static_cast<std::size_t>(value >> 6)] |= std::uint64_t{1} << (value & 63);
                list_[static_cast<std::size_t>(count_++)] = value;
            }
        }
    }

    // Whether value lies strictly between 1 and the number and divides it.
    constexpr bool divides(std::int32_t value) const
    {
        const auto raw = static_cast<std::uint32_t>(value);
        const std::uint32_t index = raw < 127 ? raw : 127;
        return ((words_[index >> 6] >> (index & 63)) & 1) != 0;
    }

    constexpr int count() const { return count_; }
    constexpr std::int32_t operator[](int i) const { return list_[static_cast<std::size_t>(i)]; }

private:
    std::array<std::uint64_t, 2> words_{};
    std::array<std::int32_t, kMaxCount> list_{};
    int count_ = 0;
};

namespace detail {

constexpr std::array<SmallDivisors, 128> makeSmallDivisorTable()
{
    std::array<SmallDivisors, 128> table{};
    for (std::int32_t number = 0; number < 128; ++number)
        table[static_cast<std::size_t>(number)] = SmallDivisors(number);
    return table;
}

inline constexpr std::array<SmallDivisors, 128> kSmallDivisorTable = makeSmallDivisorTable();

} // namespace detail

// The divisors of a number of the board, worked out once at compile time.
inline const SmallDivisors &smallDivisorsOf(std::int32_t number)
{
    return detail::kSmallDivisorTable[static_cast<std::uint32_t>(number) & 127];
}

// Exact division by one fixed positive divisor without a hardware divide:
// multiplying by the inverse of its odd part and rotating by its power of two
// gives the quotient when, and only when, the division is exact.
class ExactDivisor
{
public:
    constexpr ExactDivisor() = default;
    constexpr explicit ExactDivisor(std::uint32_t divisor)
        : shift_(std::countr_zero(divisor))
        , limit_(UINT32_MAX / divisor)
    {
        const std::uint32_t odd = divisor >> shift_;
        std::uint32_t inverse = odd; // correct to 3 bits; each step doubles them
        for (int i = 0; i < 4; ++i)
            inverse *= 2 - odd * inverse;
        inverse_ = inverse;
    }

    constexpr std::uint32_t inverse() const { return inverse_; }
    constexpr int shift() const { return shift_; }
    constexpr std::uint32_t limit() const { return limit_; }

    // The quotient when value is a multiple of the divisor, else 0.
    constexpr std::uint32_t quotient(std::uint32_t value) const
    {
        const std::uint32_t q = std::rotr(value * inverse_, shift_);
        return q <= limit_ ? q : 0;
    }

private:
    std::uint32_t inverse_ = 1;
    int shift_ = 0;
    std::uint32_t limit_ = UINT32_MAX;
};

} // namespace solver

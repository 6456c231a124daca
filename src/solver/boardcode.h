#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace solver {

// Board codes: six numbers of the board and a target from 1 to 999 as a short
// code a player can read out to a friend and the friend can type, such as
// TF-7K3-9XP. It names the numbers and the target and nothing else. The
// encoding, which must never change (a change would make every code handed
// out so far name another board), uses integer arithmetic only:
//
// 1. The alphabet: the 31 characters 23456789ABCDEFGHJKMNPQRSTUVWXYZ, the
//    digits and capital letters without 0, 1, I, L and O, the ones most
//    easily read as one another. A character's value is its place in that
//    list, from 0 for '2' to 30 for 'Z'.
// 2. The board's rank. The board's values in increasing order are v0..v13 =
//    1, 2, ..., 10, 25, 50, 75, 100; a board is the counts c0..c13 of each
//    value among its six numbers (c0..c9 at most 2, c10..c13 at most 1,
//    summing to 6), whatever the numbers' order. The 13243 boards, listed in
//    increasing lexicographic order of (c0, c1, ..., c13) (fewest 1s first,
//    then fewest 2s, ...), are ranked from 0 (100 75 50 25 10 10) to 13242
//    (3 3 2 2 1 1). By formula: with W(i, r) the number of ways to choose r
//    more numbers from the values vi..v13 within their counts (W(14, 0) = 1,
//    W(14, r) = 0 for r > 0, W(i, r) = the sum of W(i + 1, r - c) for c from
//    0 to min(r, 2 for i < 10 else 1)), and r_i = 6 - (c0 + ... + c(i-1)),
//    rank = the sum over i from 0 to 13 of the sum of W(i + 1, r_i - c) for c
//    from 0 to c_i - 1.
// 3. The code's number: n = rank x 999 + target - 1, from 0 to 13229756.
// 4. Five data characters d1..d5: n in base 31, most significant digit first,
//    with leading zeros ('2') to five digits (31^5 = 28629151 > 13229757).
// 5. The check character d6: the value that makes
//    6 d1 + 5 d2 + 4 d3 + 3 d4 + 2 d5 + d6 a multiple of 31, that is
//    d6 = (31 - (6 d1 + 5 d2 + 4 d3 + 3 d4 + 2 d5) mod 31) mod 31. 31 is prime
//    and the weights differ from one another and from 0 modulo 31, so a
//    single character changed, or two neighbours swapped, never keeps the
//    sum a multiple of 31.
// 6. The code: "TF-", then d1 d2 d3, "-", d4 d5 d6 as characters. Rank 0 with
//    target 1 is TF-222-222.
//
// A code is read back forgivingly: letters in either case, spaces and dashes
// anywhere (or none), then "TF" and the six characters.

// The highest target a code names; the lowest is 1.
inline constexpr std::int32_t kCodeTargetLast = 999;

inline constexpr std::string_view kCodeAlphabet = "23456789ABCDEFGHJKMNPQRSTUVWXYZ";

// Empty when the six numbers (a selection the board can give, in any order)
// and the target (1 to 999) have a code; otherwise one sentence naming the
// first problem found.
std::string boardCodeProblem(std::span<const std::int32_t> numbers, std::int64_t target);

// The code of the numbers and target, as "TF-XXX-XXX"; empty when
// boardCodeProblem finds a problem.
std::string boardCode(std::span<const std::int32_t> numbers, std::int64_t target);

// Why a text is not a code, in the order reading looks for them.
enum class CodeFault {
    None,
    Prefix,    // the first characters are not T and F
    Character, // a character the alphabet has not
    Length,    // not six characters after TF
    Check,     // the check character does not match
    NoBoard,   // the check matches but the number is beyond the last board
};

struct ReadCode
{
    CodeFault fault = CodeFault::None;
    // Without a fault: the board, its numbers largest first, and its code as
    // boardCode writes it.
    std::array<std::int32_t, 6> numbers{};
    std::int32_t target = 0;
    std::string code;
    // Prefix and Character: the character at fault, as typed (its UTF-8
    // bytes, or the one byte that starts no character), and its place in the
    // text, counted in characters from 1, spaces and dashes included.
    std::string character;
    std::size_t position = 0;
    // Length: how many characters follow TF.
    std::size_t length = 0;
};

// Reads a code as a player types it.
ReadCode readBoardCode(std::string_view utf8Text);

// One sentence on a fault, naming the character at fault where one can be
// named; empty for CodeFault::None. It repeats character as it stands, so a
// caller that prints it to a terminal makes that safe first.
std::string codeFaultMessage(const ReadCode &read);

} // namespace solver

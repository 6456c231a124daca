#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace solver {

// The strict checker of a player's typed answer: it holds the answer to the
// same rules as the search (each number of the board at most as often as it
// was dealt, +, -, x and exact division, every step a positive whole number)
// and names the first rule the answer breaks, so that the game can say why an
// answer does not count.

enum class Operation { Add, Subtract, Multiply, Divide };

enum class StepProblem {
    None,
    NotWhole,    // a division that leaves a remainder (or divides by 0)
    NotPositive, // a result of 0 or below
    TooLarge,    // a result beyond 64 bits; numbers of the board never get there
};

struct StepOutcome
{
    std::int64_t value = 0; // the result when problem is None, else 0
    StepProblem problem = StepProblem::None;
};

// One step of an answer as it is worked out by hand: left op right = result.
struct AnswerStep
{
    std::int64_t left = 0;
    Operation op = Operation::Add;
    std::int64_t right = 0;
    std::int64_t result = 0;
    // The same step: the same operation, result and operands, the operands of
    // + and x in either order.
    bool sameAs(const AnswerStep &other) const;
};

// One step of an answer on two values already worked out.
StepOutcome applyStep(std::int64_t a, Operation op, std::int64_t b);

// The step as the game writes it, with spaces around the operation:
// "8 / 3", "3 - 7", "75 x 8", "2 + 3".
std::string stepText(std::int64_t a, Operation op, std::int64_t b);

enum class CheckProblem {
    None,
    // The text does not read as an answer.
    Empty,                 // nothing but spaces
    UnexpectedCharacter,   // not a digit, an operation, a bracket or a space
    MissingNumber,         // an operation or ")" where a number belongs, or the end
    MissingOperation,      // a number or "(" right after a number or ")"
    UnbalancedParentheses, // a ")" that closes nothing or a "(" never closed
    // It reads, but a number is wrong.
    NumberTooLarge, // beyond 32 bits
    NotOnBoard,
    UsedTooOften,
    // A step breaks a rule.
    NotWhole,
    NotPositive,
    StepTooLarge,
};

struct CheckResult
{
    bool valid = false;
    std::int64_t value = 0; // the answer's value when valid
    CheckProblem problem = CheckProblem::None;
    // The failing operation's place in the order the answer is worked out
    // (1 for the first); 0 when the fault is not a step.
    int step = 0;
    // A failing step as "a op b" with the values of its operands; otherwise
    // the number at fault (its digits) or the unexpected character; empty
    // when the fault is the end of the text or an empty text.
    std::string stepText;
    // Where the fault is, counted in characters (not bytes) from 0: the
    // offending character or number, the failing step's operation, or the
    // text's length when the text ended too soon.
    std::size_t position = 0;
};

// Reads utf8Text as an answer over numbers (the six numbers dealt; one dealt
// twice may be used twice) and checks it, reporting the first fault: first a
// fault of the text itself (left to right), then a number too large, then a
// number not among the numbers, then one used more often than dealt, then the
// first step that breaks a rule.
//
// The text holds decimal numbers, brackets and the operations + and -, x, X,
// * or U+00D7 for multiplication, / or U+00F7 for division, and U+2212 for
// minus as some keyboards type it; spaces and tabs are ignored. x and / bind
// more tightly than + and -, operations of equal rank go left to right, and
// there is no sign before a number. The steps are worked out the way one does
// by hand: an operation once both its operands are known, the left operand
// first, so brackets are worked out before the operation that uses them.
CheckResult checkAnswer(std::string_view utf8Text, std::span<const std::int32_t> numbers);
// The same check, handing back the steps of a valid answer in the order it
// works them out (none for a single number); steps is left empty when the
// answer breaks a rule.
CheckResult checkAnswer(std::string_view utf8Text, std::span<const std::int32_t> numbers,
                        std::vector<AnswerStep> &steps);

// One short English sentence on a fault, such as "Step 2, 8 / 3: the division
// is not exact." or "11 is not one of your numbers."; empty for a valid
// answer.
std::string checkMessage(const CheckResult &result);

} // namespace solver

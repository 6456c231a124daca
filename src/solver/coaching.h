#pragma once

#include "answercheck.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace solver {

// What the complete search knows, turned into help for a player: graded
// hints, a board's rating, and the answer nearest to a player's own line.
// Everything here is worked out from the six numbers and the target alone.

// AnswerStep, one step of an answer as it is worked out by hand (left op
// right = result), comes with the checker in answercheck.h, which hands back
// the steps it works out.

// The steps of a valid answer over numbers, in the order checkAnswer works
// them out (an operation once both its operands are known, the left operand
// first); empty when the answer breaks a rule or is a single number.
std::vector<AnswerStep> answerSteps(std::string_view utf8Text,
                                    std::span<const std::int32_t> numbers);

// "a op b = c" in the game's notation: "100 + 5 = 105", "75 x 8 = 600".
std::string stepWithResult(const AnswerStep &step);

// The game's sign of an operation: "+", "-", "x" or "/".
const char *operationSign(Operation op);

// A hint is taken from one simplest answer: the complete search's first
// answer to the best possible value (fewest numbers, then the shortest text).
// The game shows one level at a time; every level's figures are filled in.
struct Hint
{
    // Level 1.
    bool exact = false;    // the target itself can be reached
    std::int64_t best = 0; // the target, or the nearest value (the lower of two)
    std::int64_t bestDistance = 0;
    int fewestNumbers = 0; // how many numbers that simplest answer uses
    // Level 2.
    std::vector<Operation> operations; // those it uses, in the order + - x /
    std::vector<std::int32_t> uses;    // its numbers, from the six, largest first
    // Level 3: its first step (none when the answer is a single number).
    std::optional<AnswerStep> firstStep;
    // The simplest answer itself, for the caller's checks; never a hint.
    std::string way;
};

constexpr int kHintLevels = 3;

// numbers: six numbers the board can give; target: 1 or more.
Hint hintFor(std::span<const std::int32_t> numbers, std::int64_t target);

// A board and target rated from every answer there is. The figures come from
// the answers that reach the best possible value (the target, or the nearest
// value(s) when nothing reaches it); the rule and its thresholds are in
// coaching.cpp and README.
enum class Rating { Easy, Medium, Hard, VeryHard };
constexpr int kRatings = 4;

struct RatingFigures
{
    Rating rating = Rating::Easy;
    bool exact = false;
    std::int64_t best = 0;
    std::int64_t bestDistance = 0;
    int fewestNumbers = 0;
    std::size_t distinctAnswers = 0; // as the complete search counts them
    bool needsDivision = false;      // no answer to the best value goes without a /
    bool needsLargeValue = false;    // every answer passes a value above kLargeValue
    int score = 0;                   // the points the rule adds up
};

// A step result above this is a large value to keep in one's head.
constexpr std::int64_t kLargeValue = 1000;

// "Easy", "Medium", "Hard", "Very hard" (the command line's and the
// history's names; the game translates its own).
const char *ratingName(Rating rating);
// "easy", "medium", "hard", "very-hard" as the command line takes them;
// nullopt for anything else.
std::optional<Rating> ratingFromKey(std::string_view key);

RatingFigures rateBoard(std::span<const std::int32_t> numbers, std::int64_t target);

// Every target from lo to hi rated, sharing the work one board's targets have
// in common; the targets of wanted, or, when there are none, those of the
// nearest rating that has some (the easier one first when two are as near).
struct RatedTargets
{
    Rating rating = Rating::Easy;      // wanted, or the nearest that has targets
    std::vector<std::int32_t> targets; // ascending; empty only when lo > hi
};
// 1 <= lo <= hi <= 32767.
RatedTargets targetsRated(std::span<const std::int32_t> numbers, std::int32_t lo, std::int32_t hi,
                          Rating wanted);

// The answer nearest to a player's own line. Candidates are the complete
// search's answers that reach the best possible value (either one when two
// are as near). The closest shares the most steps with the player's answer
// (each of its steps matched to at most one of the player's), then uses the
// fewest numbers, then comes first in the complete search's order. With no
// valid answer (an empty text, "No answer", a broken rule) it is the
// simplest way and nothing is shared.
struct NearMiss
{
    std::string closest;                  // in the game's notation
    std::vector<AnswerStep> closestSteps; // in worked-out order
    std::vector<AnswerStep> playerSteps;  // the player's, in worked-out order
    std::vector<int> shared;              // the player's step numbers (from 1) it shares
    // The player's first step (from 1) that closest does not take; one more
    // than the player's steps when it takes them all; 0 when it shares none.
    int partedAt = 0;
    // The first step of closest that the player did not take, when there is
    // one: where the two lines go different ways.
    std::optional<AnswerStep> instead;
};

NearMiss nearMiss(std::span<const std::int32_t> numbers, std::int64_t target,
                  std::string_view utf8Answer);

} // namespace solver

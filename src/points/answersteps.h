#pragma once

#include "answercheck.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// The player's answer built step by step: pick a number, an operation and
// another number; a step that keeps the rules gives a new number to use, one
// that breaks them is refused and leaves the choice as it was. Undo takes the
// last step back. Plain C++ over the answer checker, so the window only shows
// it.
class AnswerSteps
{
public:
    struct Item
    {
        std::int64_t value = 0;
        std::string text; // the game's notation; a result in parentheses
        bool used = false;
        bool isResult = false;
    };
    struct Step
    {
        std::size_t first = 0, second = 0; // the items it combined
        solver::Operation operation = solver::Operation::Add;
        std::int64_t value = 0;
    };

    // The six numbers of the board, largest first.
    explicit AnswerSteps(std::span<const std::int32_t> numbers);

    const std::vector<Item> &items() const { return m_items; }
    const std::vector<Step> &steps() const { return m_steps; }
    std::optional<std::size_t> chosen() const { return m_chosen; }
    std::optional<solver::Operation> operation() const { return m_operation; }

    // A number picked: the first of a step, or the second, which makes the
    // step. Returns the refusal when the step breaks a rule (the first number
    // and the operation stay chosen: the problem, the step's place and its
    // text, for the window to put into words), else a result with no problem.
    // Picking the chosen number again lets go of it; a used number is not
    // there to pick.
    solver::CheckResult choose(std::size_t item);
    // An operation for the chosen number; nothing without one.
    void chooseOperation(solver::Operation operation);
    // Takes back the last step (or, with nothing made yet, the choice).
    void undo();
    bool canUndo() const { return !m_steps.empty() || m_chosen; }

    // What a declaration now stands for: the last step's result, or with no
    // step yet the chosen number; nothing when neither is there.
    std::optional<std::size_t> declared() const;
    // The declared item's expression, without its outer parentheses.
    std::string expression() const;
    // One step as the list of steps shows it: "100 + 5 = 105".
    std::string describe(const Step &step) const;

private:
    std::vector<Item> m_items;
    std::vector<Step> m_steps;
    std::optional<std::size_t> m_chosen;
    std::optional<solver::Operation> m_operation;
};

#include "answersteps.h"

namespace {

const char *symbol(solver::Operation operation)
{
    switch (operation) {
    case solver::Operation::Add:
        return "+";
    case solver::Operation::Subtract:
        return "-";
    case solver::Operation::Multiply:
        return "x";
    case solver::Operation::Divide:
        return "/";
    }
    return "?";
}

solver::CheckProblem problemOf(solver::StepProblem problem)
{
    switch (problem) {
    case solver::StepProblem::NotWhole:
        return solver::CheckProblem::NotWhole;
    case solver::StepProblem::NotPositive:
        return solver::CheckProblem::NotPositive;
    case solver::StepProblem::TooLarge:
        return solver::CheckProblem::StepTooLarge;
    case solver::StepProblem::None:
        break;
    }
    return solver::CheckProblem::None;
}

} // namespace

AnswerSteps::AnswerSteps(std::span<const std::int32_t> numbers)
{
    for (const std::int32_t n : numbers.first(std::min<std::size_t>(numbers.size(), 6)))
        m_items.push_back({n, std::to_string(n), false, false});
}

solver::CheckResult AnswerSteps::choose(std::size_t item)
{
    if (item >= m_items.size() || m_items[item].used)
        return {};
    if (!m_chosen || !m_operation) {
        m_chosen = m_chosen == item ? std::nullopt : std::optional(item);
        return {};
    }
    if (*m_chosen == item) {
        m_chosen.reset();
        m_operation.reset();
        return {};
    }
    const Item &a = m_items[*m_chosen];
    const Item &b = m_items[item];
    const solver::StepOutcome outcome = solver::applyStep(a.value, *m_operation, b.value);
    if (outcome.problem != solver::StepProblem::None) {
        solver::CheckResult refused;
        refused.problem = problemOf(outcome.problem);
        refused.step = int(m_steps.size()) + 1;
        refused.stepText = solver::stepText(a.value, *m_operation, b.value);
        return refused;
    }
    Item result{outcome.value, "(" + a.text + symbol(*m_operation) + b.text + ")", false, true};
    m_steps.push_back({*m_chosen, item, *m_operation, outcome.value});
    m_items[*m_chosen].used = true;
    m_items[item].used = true;
    m_items.push_back(std::move(result));
    m_chosen.reset();
    m_operation.reset();
    return {};
}

void AnswerSteps::chooseOperation(solver::Operation operation)
{
    if (m_chosen)
        m_operation = operation;
}

void AnswerSteps::undo()
{
    if (m_chosen) {
        m_chosen.reset();
        m_operation.reset();
        return;
    }
    if (m_steps.empty())
        return;
    const Step step = m_steps.back();
    m_steps.pop_back();
    m_items.pop_back();
    m_items[step.first].used = false;
    m_items[step.second].used = false;
}

std::optional<std::size_t> AnswerSteps::declared() const
{
    if (!m_steps.empty())
        return m_items.size() - 1;
    return m_chosen;
}

std::string AnswerSteps::expression() const
{
    const auto item = declared();
    if (!item)
        return {};
    std::string text = m_items[*item].text;
    if (m_items[*item].isResult)
        text = text.substr(1, text.size() - 2);
    return text;
}

std::string AnswerSteps::describe(const Step &step) const
{
    return solver::stepText(m_items[step.first].value, step.operation, m_items[step.second].value) +
           " = " + std::to_string(step.value);
}

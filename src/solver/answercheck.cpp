#include "answercheck.h"

#include "utf8char.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

namespace solver {

namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t kLargestNumber = std::numeric_limits<std::int32_t>::max();
constexpr char32_t kReplacement = 0xFFFD;
constexpr char kReplacementText[] = "\xEF\xBF\xBD";

std::optional<Operation> operationOf(char32_t code)
{
    switch (code) {
    case U'+':
        return Operation::Add;
    case U'-':
    case U'\u2212':
        return Operation::Subtract;
    case U'x':
    case U'X':
    case U'*':
    case U'\u00D7':
        return Operation::Multiply;
    case U'/':
    case U'\u00F7':
        return Operation::Divide;
    default:
        return std::nullopt;
    }
}

int rank(Operation op)
{
    return op == Operation::Add || op == Operation::Subtract ? 1 : 2;
}

char symbol(Operation op)
{
    static constexpr char kSymbols[] = {'+', '-', 'x', '/'};
    return kSymbols[static_cast<int>(op)];
}

// The answer in working order (postfix): a step comes right after its two
// operands, so reading it left to right works the steps out in the order one
// does by hand.
struct Item
{
    bool isNumber = false;
    Operation op = Operation::Add;
    std::int64_t value = 0; // a number's value, held at kLargestNumber + 1 once beyond it
    std::string_view digits;
    std::size_t position = 0;
};

// An operation or "(" waiting for its right-hand side.
struct Pending
{
    bool open = false;
    Operation op = Operation::Add;
    std::size_t position = 0;
};

CheckResult fault(CheckProblem problem, std::size_t position, std::string text = {}, int step = 0)
{
    CheckResult result;
    result.problem = problem;
    result.position = position;
    result.stepText = std::move(text);
    result.step = step;
    return result;
}

std::string_view withoutLeadingZeros(std::string_view digits)
{
    const std::size_t first = digits.find_first_not_of('0');
    return first == std::string_view::npos ? digits.substr(digits.size() - 1)
                                           : digits.substr(first);
}

// The text read into working order with the shunting-yard method (no
// recursion, so no depth of brackets can exhaust the stack), or its first
// fault.
std::optional<CheckResult> parse(std::string_view text, std::vector<Item> &postfix)
{
    std::vector<Pending> pending;
    bool wantNumber = true; // a number or "(" comes next, else an operation or ")"
    bool anything = false;
    std::size_t at = 0;
    std::size_t position = 0;
    const auto flushWhile = [&](auto &&condition) {
        while (!pending.empty() && !pending.back().open && condition(pending.back())) {
            postfix.push_back({false, pending.back().op, 0, {}, pending.back().position});
            pending.pop_back();
        }
    };
    while (at < text.size()) {
        const char c = text[at];
        if (c == ' ' || c == '\t') {
            ++at, ++position;
            continue;
        }
        anything = true;
        if (c >= '0' && c <= '9') {
            const std::size_t start = at;
            const std::size_t startPosition = position;
            std::int64_t value = 0;
            for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at, ++position) {
                // Held just past the largest number, so that no length of
                // digits overflows.
                value = std::min(value * 10 + (text[at] - '0'), kLargestNumber + 1);
            }
            const std::string_view digits = text.substr(start, at - start);
            if (!wantNumber)
                return fault(CheckProblem::MissingOperation, startPosition, std::string(digits));
            postfix.push_back({true, Operation::Add, value, digits, startPosition});
            wantNumber = false;
            continue;
        }
        const Utf8Char character = decodeUtf8(text, at);
        const std::string shown = character.code == kReplacement
                                      ? std::string(kReplacementText)
                                      : std::string(text.substr(at, character.bytes));
        if (const std::optional<Operation> op = operationOf(character.code)) {
            if (wantNumber)
                return fault(CheckProblem::MissingNumber, position, shown);
            flushWhile([&](const Pending &top) { return rank(top.op) >= rank(*op); });
            pending.push_back({false, *op, position});
            wantNumber = true;
        } else if (c == '(') {
            if (!wantNumber)
                return fault(CheckProblem::MissingOperation, position, shown);
            pending.push_back({true, Operation::Add, position});
        } else if (c == ')') {
            if (wantNumber)
                return fault(CheckProblem::MissingNumber, position, shown);
            flushWhile([](const Pending &) { return true; });
            if (pending.empty())
                return fault(CheckProblem::UnbalancedParentheses, position, shown);
            pending.pop_back();
        } else {
            return fault(CheckProblem::UnexpectedCharacter, position, shown);
        }
        at += character.bytes;
        ++position;
    }
    if (!anything)
        return fault(CheckProblem::Empty, position);
    if (wantNumber)
        return fault(CheckProblem::MissingNumber, position);
    flushWhile([](const Pending &) { return true; });
    if (!pending.empty())
        return fault(CheckProblem::UnbalancedParentheses, pending.back().position, "(");
    return std::nullopt;
}

// The numbers' faults, each kind over the whole answer before the next kind.
std::optional<CheckResult> checkNumbers(const std::vector<Item> &postfix,
                                        std::span<const std::int32_t> numbers)
{
    for (const Item &item : postfix) {
        if (item.isNumber && item.value > kLargestNumber) {
            return fault(CheckProblem::NumberTooLarge, item.position,
                         std::string(withoutLeadingZeros(item.digits)));
        }
    }
    const auto dealt = [&](std::int64_t value) {
        return std::count(numbers.begin(), numbers.end(), value);
    };
    for (const Item &item : postfix) {
        if (item.isNumber && dealt(item.value) == 0)
            return fault(CheckProblem::NotOnBoard, item.position, std::to_string(item.value));
    }
    // Each use is one of the numbers dealt, so this stops within
    // numbers.size() + 1 uses.
    std::vector<std::int64_t> used;
    for (const Item &item : postfix) {
        if (!item.isNumber)
            continue;
        used.push_back(item.value);
        if (std::count(used.begin(), used.end(), item.value) > dealt(item.value))
            return fault(CheckProblem::UsedTooOften, item.position, std::to_string(item.value));
    }
    return std::nullopt;
}

CheckProblem checkProblemOf(StepProblem problem)
{
    switch (problem) {
    case StepProblem::NotWhole:
        return CheckProblem::NotWhole;
    case StepProblem::NotPositive:
        return CheckProblem::NotPositive;
    case StepProblem::TooLarge:
        return CheckProblem::StepTooLarge;
    case StepProblem::None:
        break;
    }
    return CheckProblem::None;
}

} // namespace

StepOutcome applyStep(std::int64_t a, Operation op, std::int64_t b)
{
    std::int64_t value = 0;
    switch (op) {
    case Operation::Add:
        if ((b > 0 && a > kMax - b) || (b < 0 && a < kMin - b))
            return {0, StepProblem::TooLarge};
        value = a + b;
        break;
    case Operation::Subtract:
        if ((b < 0 && a > kMax + b) || (b > 0 && a < kMin + b))
            return {0, StepProblem::TooLarge};
        value = a - b;
        break;
    case Operation::Multiply:
        if (a != 0 && b != 0) {
            const bool overflows = a > 0 ? (b > 0 ? a > kMax / b : b < kMin / a)
                                         : (b > 0 ? a < kMin / b : b < kMax / a);
            if (overflows)
                return {0, StepProblem::TooLarge};
        }
        value = a * b;
        break;
    case Operation::Divide:
        if (b == 0 || a % (b == -1 ? 1 : b) != 0)
            return {0, StepProblem::NotWhole};
        if (a == kMin && b == -1)
            return {0, StepProblem::TooLarge};
        value = a / b;
        break;
    }
    if (value <= 0)
        return {0, StepProblem::NotPositive};
    return {value, StepProblem::None};
}

std::string stepText(std::int64_t a, Operation op, std::int64_t b)
{
    return std::to_string(a) + ' ' + symbol(op) + ' ' + std::to_string(b);
}

bool AnswerStep::sameAs(const AnswerStep &other) const
{
    if (op != other.op || result != other.result)
        return false;
    if (left == other.left && right == other.right)
        return true;
    const bool commutes = op == Operation::Add || op == Operation::Multiply;
    return commutes && left == other.right && right == other.left;
}

namespace {

// The check itself; each step worked out goes into steps when there are any.
CheckResult check(std::string_view utf8Text, std::span<const std::int32_t> numbers,
                  std::vector<AnswerStep> *steps)
{
    std::vector<Item> postfix;
    if (std::optional<CheckResult> problem = parse(utf8Text, postfix))
        return *problem;
    if (std::optional<CheckResult> problem = checkNumbers(postfix, numbers))
        return *problem;
    std::vector<std::int64_t> values;
    int step = 0;
    for (const Item &item : postfix) {
        if (item.isNumber) {
            values.push_back(item.value);
            continue;
        }
        const std::int64_t b = values.back();
        values.pop_back();
        const std::int64_t a = values.back();
        const StepOutcome outcome = applyStep(a, item.op, b);
        ++step;
        if (outcome.problem != StepProblem::None) {
            return fault(checkProblemOf(outcome.problem), item.position, stepText(a, item.op, b),
                         step);
        }
        values.back() = outcome.value;
        if (steps)
            steps->push_back({a, item.op, b, outcome.value});
    }
    CheckResult result;
    result.valid = true;
    result.value = values.back();
    return result;
}

} // namespace

CheckResult checkAnswer(std::string_view utf8Text, std::span<const std::int32_t> numbers)
{
    return check(utf8Text, numbers, nullptr);
}

CheckResult checkAnswer(std::string_view utf8Text, std::span<const std::int32_t> numbers,
                        std::vector<AnswerStep> &steps)
{
    steps.clear();
    const CheckResult result = check(utf8Text, numbers, &steps);
    if (!result.valid)
        steps.clear();
    return result;
}

std::string checkMessage(const CheckResult &result)
{
    const std::string at = "character " + std::to_string(result.position + 1);
    const std::string quoted = "'" + result.stepText + "'";
    const std::string step = "Step " + std::to_string(result.step) + ", " + result.stepText + ": ";
    switch (result.problem) {
    case CheckProblem::None:
        return {};
    case CheckProblem::Empty:
        return "The answer is empty.";
    case CheckProblem::UnexpectedCharacter:
        return quoted + " at " + at + " is not a number, an operation or a bracket.";
    case CheckProblem::MissingNumber:
        if (result.stepText.empty())
            return "A number is missing at the end.";
        return "A number is missing before " + quoted + " at " + at + ".";
    case CheckProblem::MissingOperation:
        return "An operation is missing before " + quoted + " at " + at + ".";
    case CheckProblem::UnbalancedParentheses:
        if (result.stepText == "(")
            return "The bracket at " + at + " is never closed.";
        return "The bracket at " + at + " closes nothing.";
    case CheckProblem::NumberTooLarge:
        return result.stepText + " is far too large to be one of your numbers.";
    case CheckProblem::NotOnBoard:
        return result.stepText + " is not one of your numbers.";
    case CheckProblem::UsedTooOften:
        return result.stepText + " is used more often than you have it.";
    case CheckProblem::NotWhole:
        return step + "the division is not exact.";
    case CheckProblem::NotPositive:
        return step + "the result must be a positive whole number.";
    case CheckProblem::StepTooLarge:
        return step + "the result is too large.";
    }
    return {};
}

} // namespace solver

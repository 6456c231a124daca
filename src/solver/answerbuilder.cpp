#include "answerbuilder.h"

#include <algorithm>
#include <bit>
#include <optional>

namespace solver {

namespace {

using Kind = CanonicalExpr::Kind;

// The other operand of a run's step: t + r = value for a sum, t x r = value
// for a product (no factor of 1, which would be a pointless step).
std::optional<std::int64_t> otherOperand(Kind kind, std::int64_t value, std::int64_t x)
{
    if (kind == Kind::Sum)
        return x < value ? std::optional(value - x) : std::nullopt;
    if (x < 2 || value % x != 0 || value / x < 2)
        return std::nullopt;
    return value / x;
}

// The added (multiplied) part p of a run of value from its subtracted
// (divided) part n: p - n = value, or p / n = value.
std::optional<std::int64_t> positiveFromNegative(Kind kind, std::int64_t value, std::int64_t n)
{
    if (kind == Kind::Sum)
        return value + n;
    return n >= 2 ? std::optional(value * n) : std::nullopt;
}

std::optional<std::int64_t> negativeFromPositive(Kind kind, std::int64_t value, std::int64_t p)
{
    if (kind == Kind::Sum)
        return p > value ? std::optional(p - value) : std::nullopt;
    if (p % value != 0 || p / value < 2)
        return std::nullopt;
    return p / value;
}

Kind otherKind(Kind kind)
{
    return kind == Kind::Sum ? Kind::Product : Kind::Sum;
}

bool termBefore(const CanonicalExpr *a, const CanonicalExpr *b)
{
    if (a->value != b->value)
        return a->value > b->value;
    return a->text < b->text;
}

bool shareAValue(const std::vector<const CanonicalExpr *> &a,
                 const std::vector<const CanonicalExpr *> &b)
{
    for (const CanonicalExpr *x : a) {
        for (const CanonicalExpr *y : b) {
            if (x->value == y->value)
                return true;
        }
    }
    return false;
}

void appendOperand(std::string &text, const CanonicalExpr &term)
{
    if (term.kind == Kind::Number) {
        text += term.text;
    } else {
        text += '(';
        text += term.text;
        text += ')';
    }
}

} // namespace

AnswerBuilder::AnswerBuilder(const SubsetValues &values)
    : values_(values)
{
    for (int i = 0; i < SubsetValues::kNumbers; ++i) {
        CanonicalExpr number;
        number.value = values.number(i);
        number.text = std::to_string(number.value);
        number.mask = 1u << i;
        numbers_.push_back(number);
    }
}

bool AnswerBuilder::reaches(unsigned mask, std::int64_t value) const
{
    return values_.reaches(mask, value);
}

std::vector<CanonicalExpr> AnswerBuilder::build(unsigned mask, std::int64_t value)
{
    std::vector<CanonicalExpr> out;
    if (!reaches(mask, value))
        return out;
    if (std::has_single_bit(mask)) {
        const CanonicalExpr &number = numbers_[std::size_t(std::countr_zero(mask))];
        if (number.value == value)
            out.push_back(number);
        return out;
    }
    for (const Kind kind : {Kind::Sum, Kind::Product}) {
        const std::vector<CanonicalExpr> &found = nodes(kind, mask, value);
        out.insert(out.end(), found.begin(), found.end());
    }
    return out;
}

// Calls visit(a, b) for every value a of maskA and b of maskB with b =
// toB(a) (and a = toA(b)), walking the smaller of the two value sets (one of
// them is always stored: the masks are disjoint parts of six).
template <typename ToB, typename ToA, typename Visit>
static void forMatchingPairs(const SubsetValues &values, unsigned maskA, unsigned maskB, ToB toB,
                             ToA toA, Visit visit)
{
    const std::vector<std::int32_t> &a = values.values(maskA);
    const std::vector<std::int32_t> &b = values.values(maskB);
    const bool walkA =
        SubsetValues::stored(maskA) && (!SubsetValues::stored(maskB) || a.size() <= b.size());
    if (walkA) {
        for (const std::int64_t x : a) {
            if (const std::optional<std::int64_t> y = toB(x); y && values.reaches(maskB, *y))
                visit(x, *y);
        }
    } else {
        for (const std::int64_t y : b) {
            if (const std::optional<std::int64_t> x = toA(y); x && values.reaches(maskA, *x))
                visit(*x, y);
        }
    }
}

const std::vector<CanonicalExpr> &AnswerBuilder::nodes(Kind kind, unsigned mask, std::int64_t value)
{
    const std::uint64_t key =
        (std::uint64_t(value) << 8) | (std::uint64_t(mask) << 2) | std::uint64_t(kind);
    if (const auto found = nodes_.find(key); found != nodes_.end())
        return found->second;

    std::vector<CanonicalExpr> out;
    if (std::popcount(mask) >= 2 && reaches(mask, value)) {
        for (Terms &positive : runs(kind, mask, value, 2))
            out.push_back(makeNode(kind, std::move(positive), {}));
        for (unsigned negative = (mask - 1) & mask; negative; negative = (negative - 1) & mask) {
            const unsigned positive = mask ^ negative;
            forMatchingPairs(
                values_, negative, positive,
                [&](std::int64_t n) { return positiveFromNegative(kind, value, n); },
                [&](std::int64_t p) { return negativeFromPositive(kind, value, p); },
                [&](std::int64_t n, std::int64_t p) {
                    addNodes(kind, positive, p, negative, n, out);
                });
        }
        // Equal numbers dealt twice make the same answer from either copy.
        std::sort(out.begin(), out.end(),
                  [](const CanonicalExpr &a, const CanonicalExpr &b) { return a.text < b.text; });
        out.erase(std::unique(out.begin(), out.end(),
                              [](const CanonicalExpr &a, const CanonicalExpr &b) {
                                  return a.text == b.text;
                              }),
                  out.end());
    }
    return nodes_.emplace(key, std::move(out)).first->second;
}

void AnswerBuilder::addNodes(Kind kind, unsigned positive, std::int64_t p, unsigned negative,
                             std::int64_t n, std::vector<CanonicalExpr> &out)
{
    std::vector<Terms> negatives = runs(kind, negative, n, 1);
    if (negatives.empty())
        return;
    const std::vector<Terms> positives = runs(kind, positive, p, 1);
    for (const Terms &plus : positives) {
        for (const Terms &minus : negatives) {
            // A value both added and subtracted (or multiplied and divided)
            // in a longer run cancels: that answer is the same one without
            // both. A run of the pair alone is no such step: n/n is the only
            // way to make the 1 that, say, 450+(4/4) needs.
            const bool pairAlone = plus.size() == 1 && minus.size() == 1;
            if (pairAlone || !shareAValue(plus, minus))
                out.push_back(makeNode(kind, plus, minus));
        }
    }
}

std::vector<AnswerBuilder::Terms> AnswerBuilder::runs(Kind kind, unsigned mask, std::int64_t value,
                                                      int minTerms)
{
    std::vector<Terms> out;
    if (minTerms <= 1) {
        for (const CanonicalExpr *term : terms(kind, mask, value))
            out.push_back({term});
    }
    if (std::popcount(mask) < 2)
        return out;
    // The term holding the lowest position is taken first, so each way of
    // cutting the run into terms comes up once.
    const unsigned low = mask & (~mask + 1);
    for (unsigned first = (mask - 1) & mask; first; first = (first - 1) & mask) {
        if (!(first & low))
            continue;
        const unsigned rest = mask ^ first;
        const auto other = [&](std::int64_t x) { return otherOperand(kind, value, x); };
        forMatchingPairs(values_, first, rest, other, other, [&](std::int64_t t, std::int64_t r) {
            const std::vector<const CanonicalExpr *> heads = terms(kind, first, t);
            if (heads.empty())
                return;
            for (const Terms &tail : runs(kind, rest, r, 1)) {
                for (const CanonicalExpr *head : heads) {
                    Terms run = tail;
                    run.push_back(head);
                    out.push_back(std::move(run));
                }
            }
        });
    }
    return out;
}

// The terms a run of kind can hold: a number, or a run of the other kind.
std::vector<const CanonicalExpr *> AnswerBuilder::terms(Kind kind, unsigned mask,
                                                        std::int64_t value)
{
    std::vector<const CanonicalExpr *> out;
    if (kind == Kind::Product && value < 2)
        return out; // a factor of 1 is a pointless step
    if (std::has_single_bit(mask)) {
        const CanonicalExpr &number = numbers_[std::size_t(std::countr_zero(mask))];
        if (number.value == value)
            out.push_back(&number);
        return out;
    }
    for (const CanonicalExpr &node : nodes(otherKind(kind), mask, value))
        out.push_back(&node);
    return out;
}

// Writes the run left to right, one pair of parentheses per step but the
// last: ((a+b)-c)-d. Every step is then positive and whole: the added part
// comes first, and a product is divisible by each divisor on the way because
// it is divisible by all of them together.
CanonicalExpr AnswerBuilder::makeNode(Kind kind, Terms positive, Terms negative) const
{
    std::sort(positive.begin(), positive.end(), termBefore);
    std::sort(negative.begin(), negative.end(), termBefore);
    const char plus = kind == Kind::Sum ? '+' : 'x';
    const char minus = kind == Kind::Sum ? '-' : '/';

    CanonicalExpr node;
    node.kind = kind;
    std::int64_t value = positive.front()->value;
    appendOperand(node.text, *positive.front());
    node.mask = positive.front()->mask;
    bool first = true;
    const auto step = [&](const CanonicalExpr *term, char op) {
        if (!first)
            node.text = '(' + node.text + ')';
        first = false;
        node.text += op;
        appendOperand(node.text, *term);
        node.mask |= term->mask;
    };
    for (std::size_t i = 1; i < positive.size(); ++i) {
        step(positive[i], plus);
        value = kind == Kind::Sum ? value + positive[i]->value : value * positive[i]->value;
    }
    for (const CanonicalExpr *term : negative) {
        step(term, minus);
        value = kind == Kind::Sum ? value - term->value : value / term->value;
    }
    node.value = value;
    return node;
}

} // namespace solver

#pragma once

#include "subsetvalues.h"

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace solver {

// One answer in its canonical form: a number, or a run of + and - or of x and
// / whose terms are listed largest value first (then by text), the added or
// multiplied terms before the subtracted or divided ones. Two answers that
// differ only in the order of the operands of + and x or in the grouping of a
// run therefore have the same text.
struct CanonicalExpr
{
    enum class Kind : std::uint8_t { Number, Sum, Product };

    std::string text; // without outer parentheses
    std::int64_t value = 0;
    unsigned mask = 0; // the positions of the numbers it uses
    Kind kind = Kind::Number;
};

// Builds every distinct answer over one subset for one value, top-down from
// the value sets: a run is split into its added and its subtracted part (or
// multiplied and divided), each part into terms, and a split is followed only
// where both sides can reach their values. Answers with a pointless step (a
// term of 1 in x and /, a value both added and subtracted or both multiplied
// and divided in a run of more than those two) are never built. Nodes found once are kept for the
// builder's lifetime, so build one per search.
class AnswerBuilder
{
public:
    explicit AnswerBuilder(const SubsetValues &values);

    // The distinct answers that use exactly the numbers of mask and come to
    // value, in no particular order.
    std::vector<CanonicalExpr> build(unsigned mask, std::int64_t value);

private:
    using Kind = CanonicalExpr::Kind;
    using Terms = std::vector<const CanonicalExpr *>;

    const std::vector<CanonicalExpr> &nodes(Kind kind, unsigned mask, std::int64_t value);
    void addNodes(Kind kind, unsigned positive, std::int64_t p, unsigned negative, std::int64_t n,
                  std::vector<CanonicalExpr> &out);
    std::vector<Terms> runs(Kind kind, unsigned mask, std::int64_t value, int minTerms);
    std::vector<const CanonicalExpr *> terms(Kind kind, unsigned mask, std::int64_t value);
    CanonicalExpr makeNode(Kind kind, Terms positive, Terms negative) const;
    bool reaches(unsigned mask, std::int64_t value) const;

    const SubsetValues &values_;
    std::vector<CanonicalExpr> numbers_;
    std::unordered_map<std::uint64_t, std::vector<CanonicalExpr>> nodes_;
};

} // namespace solver

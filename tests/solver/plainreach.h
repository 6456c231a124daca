#pragma once

// A deliberately plain reference for the complete search and what is built
// on it: the values any board reaches by combining two numbers at a time,
// and, on a few boards, every expression there is, each reduced to its
// canonical form here.

#include <algorithm>
#include <array>
#include <bit>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace plain {

// An expression reduced to its canonical form: a run of + and - (or of x and
// /) flattened into its added and subtracted terms, each list sorted.
struct Expr
{
    struct Term
    {
        std::int64_t value;
        std::string key;
        bool operator<(const Term &other) const { return key < other.key; }
    };
    std::int64_t value = 0;
    char kind = 'n'; // 'n' a number, '+' a sum run, 'x' a product run
    std::vector<Term> plus, minus;
    std::string key;
    bool pointless = false;
    std::vector<std::int64_t> numbers;
};

inline Expr number(std::int64_t n)
{
    return {n, 'n', {}, {}, std::to_string(n), false, {n}};
}

// a op b under the rules: every result positive and whole.
inline std::optional<Expr> combine(const Expr &a, char op, const Expr &b)
{
    Expr r;
    r.kind = op == '+' || op == '-' ? '+' : 'x';
    if (op == '+')
        r.value = a.value + b.value;
    else if (op == '-' && a.value > b.value)
        r.value = a.value - b.value;
    else if (op == 'x')
        r.value = a.value * b.value;
    else if (op == '/' && a.value % b.value == 0)
        r.value = a.value / b.value;
    else
        return std::nullopt;
    const auto add = [&r](const Expr &e, bool inverted) {
        std::vector<Expr::Term> &same = inverted ? r.minus : r.plus;
        std::vector<Expr::Term> &other = inverted ? r.plus : r.minus;
        if (e.kind != r.kind) {
            same.push_back({e.value, e.key});
            return;
        }
        same.insert(same.end(), e.plus.begin(), e.plus.end());
        other.insert(other.end(), e.minus.begin(), e.minus.end());
    };
    add(a, false);
    add(b, op == '-' || op == '/');
    std::sort(r.plus.begin(), r.plus.end());
    std::sort(r.minus.begin(), r.minus.end());
    r.key = std::string(1, r.kind) + '[';
    for (const Expr::Term &t : r.plus)
        r.key += t.key + ',';
    r.key += '|';
    // Equal values cancel in a longer run; a run of the pair alone (n/n) is
    // the only way to its 1.
    const bool pairAlone = r.plus.size() + r.minus.size() == 2;
    for (const Expr::Term &t : r.minus) {
        r.key += t.key + ',';
        for (const Expr::Term &p : r.plus)
            r.pointless = r.pointless || (!pairAlone && p.value == t.value);
    }
    r.key += ']';
    for (const std::vector<Expr::Term> *terms : {&r.plus, &r.minus}) {
        for (const Expr::Term &t : *terms)
            r.pointless = r.pointless || (r.kind == 'x' && t.value == 1);
    }
    r.pointless = r.pointless || a.pointless || b.pointless;
    r.numbers = a.numbers;
    r.numbers.insert(r.numbers.end(), b.numbers.begin(), b.numbers.end());
    return r;
}

// Reads the game's notation strictly: one pair of parentheses around every
// operation but the outermost, nothing else; nullopt for anything else or a
// step the rules refuse.
class Reader
{
public:
    explicit Reader(const std::string &text)
        : text_(text)
    {}
    std::optional<Expr> read()
    {
        std::optional<Expr> e = operand();
        if (e && pos_ < text_.size())
            e = step(*e);
        return pos_ == text_.size() ? e : std::nullopt;
    }

private:
    std::optional<Expr> step(const Expr &left)
    {
        const char op = pos_ < text_.size() ? text_[pos_++] : '\0';
        const std::optional<Expr> right = operand();
        if (!right || std::string("+-x/").find(op) == std::string::npos || op == '\0')
            return std::nullopt;
        return combine(left, op, *right);
    }
    std::optional<Expr> operand()
    {
        if (pos_ < text_.size() && text_[pos_] == '(') {
            ++pos_;
            const std::optional<Expr> left = operand();
            std::optional<Expr> e = left ? step(*left) : std::nullopt;
            if (pos_ >= text_.size() || text_[pos_++] != ')')
                return std::nullopt;
            return e;
        }
        std::size_t end = pos_;
        while (end < text_.size() && std::isdigit(static_cast<unsigned char>(text_[end])))
            ++end;
        if (end == pos_ || text_[pos_] == '0')
            return std::nullopt;
        const std::int64_t n = std::stoll(text_.substr(pos_, end - pos_));
        pos_ = end;
        return number(n);
    }
    std::string text_;
    std::size_t pos_ = 0;
};

// The exact reference: take any two values of the board, put one result of
// them back, again and again; every value met is reachable, with the fewest
// numbers it was met with. Each value keeps what a later step needs to tell a
// pointless one (its run's kind and terms), and the pointless are left out;
// every answer is listed by its canonical key.
class PlainReach
{
public:
    explicit PlainReach(const std::vector<std::int32_t> &numbers)
    {
        std::vector<Expr> state;
        for (const std::int32_t n : numbers)
            state.push_back(number(n));
        visit(state);
    }
    std::map<std::int64_t, int> fewest;
    std::map<std::int64_t, std::set<std::string>> keys;

private:
    void visit(std::vector<Expr> state)
    {
        std::sort(state.begin(), state.end(), [](const Expr &a, const Expr &b) {
            return std::tie(a.key, a.value) < std::tie(b.key, b.value);
        });
        std::string id;
        for (const Expr &e : state)
            id += e.key + '=' + std::to_string(e.value) + '#' + std::to_string(e.numbers.size());
        if (!seen_.insert(id).second)
            return;
        for (const Expr &e : state) {
            const auto [at, added] = fewest.emplace(e.value, int(e.numbers.size()));
            at->second = std::min(at->second, int(e.numbers.size()));
            keys[e.value].insert(e.key);
        }
        for (std::size_t i = 0; i < state.size(); ++i) {
            for (std::size_t j = 0; j < state.size(); ++j) {
                std::vector<Expr> rest;
                for (std::size_t k = 0; k < state.size(); ++k) {
                    if (k != i && k != j)
                        rest.push_back(state[k]);
                }
                for (const char op : std::string("+-x/")) {
                    std::optional<Expr> e = i == j ? std::nullopt : combine(state[i], op, state[j]);
                    if (!e || e->pointless)
                        continue; // anything built on it would be pointless too
                    rest.push_back(std::move(*e));
                    visit(rest);
                    rest.pop_back();
                }
            }
        }
    }
    std::set<std::string> seen_;
};

// What a search must find, from a reference's fewest numbers by value.
struct Reach
{
    std::int64_t distance = INT64_MAX;
    std::vector<std::int64_t> nearest;
    int fewest = 7;
    bool operator==(const Reach &) const = default;
};

inline Reach reachOf(const std::map<std::int64_t, int> &fewest, std::int64_t target)
{
    Reach reach;
    for (const auto &[value, used] : fewest) {
        const std::int64_t d = std::abs(value - target);
        if (d < reach.distance) {
            reach = {d, {}, 7};
        }
        if (d == reach.distance) {
            reach.nearest.push_back(value);
            reach.fewest = std::min(reach.fewest, used);
        }
    }
    return reach;
}

// The plain reference: the values each subset of the board reaches, from
// every split of it into two smaller ones, pointless steps included, so it
// may see a value, or a way with fewer numbers, that the rules leave out.
// The whole board's values only count where they are as near as any other.
inline Reach plainReach(const std::vector<std::int32_t> &numbers, std::int64_t target)
{
    std::array<std::vector<std::int64_t>, 64> values;
    std::map<std::int64_t, int> nearest; // value -> fewest numbers
    std::int64_t distance = INT64_MAX;
    for (unsigned mask = 1; mask < 64; ++mask) {
        const int size = std::popcount(mask);
        std::vector<std::int64_t> &reached = values[mask];
        const auto add = [&](std::int64_t value) {
            if (size < 6)
                reached.push_back(value);
            else if (std::abs(value - target) <= distance)
                nearest.emplace(value, size);
        };
        if (size == 1)
            add(numbers[std::size_t(std::countr_zero(mask))]);
        for (unsigned part = (mask - 1) & mask; part; part = (part - 1) & mask) {
            for (const std::int64_t a : values[part]) {
                for (const std::int64_t b : values[mask ^ part]) {
                    add(a + b);
                    add(a * b);
                    if (a > b)
                        add(a - b);
                    if (a % b == 0)
                        add(a / b);
                }
            }
        }
        std::sort(reached.begin(), reached.end());
        reached.erase(std::unique(reached.begin(), reached.end()), reached.end());
        // The values around the target are the only ones that can be nearest.
        const auto above = std::lower_bound(reached.begin(), reached.end(), target);
        for (auto at : {above, above == reached.begin() ? above : std::prev(above)}) {
            if (at == reached.end())
                continue;
            distance = std::min(distance, std::abs(*at - target));
            const auto [entry, added] = nearest.emplace(*at, size);
            entry->second = std::min(entry->second, size);
        }
    }
    return reachOf(nearest, target);
}

} // namespace plain

#include "coaching.h"

#include "completesearch.h"

#include <algorithm>
#include <array>
#include <bit>
#include <functional>

namespace solver {

namespace {

// The rating's rule: points for what makes a board and target hard, added up.
//
//   numbers in the simplest answer   3 or fewer: 0, 4: 1, 5: 2, 6: 3
//   distinct answers                 31 or more: 0, 21 to 30: 1,
//                                    13 to 20: 2, 12 or fewer: 3
//   no answer without a division     1
//   no answer without a step above kLargeValue    1
//
//   Easy 0 to 2, Medium 3 and 4, Hard 5, Very hard 6 to 8.
//
// Over random deals (six of the 24 tiles) and targets from 101 to 999 that
// gives about 27% Easy, 26% Medium, 25% Hard and 22% Very hard (measured
// over 20,000 of them). The figures weigh what a player feels: a longer
// answer, fewer of them to stumble on, a division to spot, a large value to
// keep in mind.
constexpr std::array<int, 7> kNumbersPoints{0, 0, 0, 0, 1, 2, 3}; // by numbers used
struct AnswersPoints
{
    std::size_t atMost;
    int points;
};
constexpr std::array<AnswersPoints, 3> kAnswersPoints{{{12, 3}, {20, 2}, {30, 1}}};
constexpr int kMediumFrom = 3;
constexpr int kHardFrom = 5;
constexpr int kVeryHardFrom = 6;

int scoreOf(const RatingFigures &figures)
{
    int score = kNumbersPoints[std::size_t(std::clamp(figures.fewestNumbers, 0, 6))];
    for (const AnswersPoints &step : kAnswersPoints) {
        if (figures.distinctAnswers <= step.atMost) {
            score += step.points;
            break;
        }
    }
    return score + int(figures.needsDivision) + int(figures.needsLargeValue);
}

Rating ratingOf(int score)
{
    if (score >= kVeryHardFrom)
        return Rating::VeryHard;
    if (score >= kHardFrom)
        return Rating::Hard;
    if (score >= kMediumFrom)
        return Rating::Medium;
    return Rating::Easy;
}

// Sorts the first n of a few values (std::sort leaves GCC 12 sure that a
// short std::array is read past its end).
template <typename T, std::size_t N> void sortFirst(std::array<T, N> &values, std::size_t n)
{
    for (std::size_t i = 1; i < n; ++i) {
        for (std::size_t j = i; j > 0 && values[j] < values[j - 1]; --j)
            std::swap(values[j], values[j - 1]);
    }
}

// What the answers to one value over one set of numbers come to: how many
// distinct ones there are, whether one of them goes without a division, and
// whether one of them keeps every step within kLargeValue.
struct Tally
{
    std::int64_t value = 0;
    std::uint64_t count = 0;
    bool noDivision = false;
    bool small = false;
};

// The complete search's answers counted without building them, for every
// value of every set of numbers at once: rating all the targets of a board
// one complete search at a time would build the same answers over and over.
//
// It counts exactly what AnswerBuilder builds. An answer is a number or a run
// (of + and -, or of x and /) of terms, each term a number or a run of the
// other kind; a run is a split of its numbers into blocks, each block with a
// sign and a term. So the tally of a run's value over a set of numbers adds
// up, over every signed split and every choice of the terms' values, the
// product of the terms' own tallies; the tallies of a set's subsets are ready
// when it comes (smaller sets first). The builder's rules, value by value:
// at least two terms, one of them added (or multiplied); every value
// positive, a product divisible by its divisors; no factor of 1; no value
// both added and subtracted (multiplied and divided) in a run of more than
// those two terms.
//
// A number dealt twice makes splits that differ only in which copy a block
// takes; they write the same answers, which are counted once: a split counts
// only when it is the least of those its copies' swaps make of it. Within it,
// k blocks with the same numbers, sign and value take a multiset of k of
// their c terms, C(c + k - 1, k) ways.
//
// The sets of up to five numbers are tallied for every value they reach (a
// few thousand each); the whole board only within [lo, hi], its last block's
// values looked up in that window rather than walked.
class AnswerTally
{
public:
    static constexpr int kNumbers = 6;
    static constexpr unsigned kFull = (1u << kNumbers) - 1;

    AnswerTally(std::span<const std::int32_t> numbers, std::int64_t lo, std::int64_t hi)
    {
        std::copy_n(numbers.begin(), kNumbers, numbers_.begin());
        for (int i = 0; i < kNumbers; ++i)
            numberTallies_[std::size_t(i)] = {numbers_[std::size_t(i)], 1, true, true};
        for (unsigned mask = 1; mask <= kFull; ++mask) {
            representative_[mask] = mask;
            contents_[mask] = contents(mask);
            for (unsigned earlier = 1; earlier < mask; ++earlier) {
                if (contents_[earlier] == contents_[mask]) {
                    representative_[mask] = earlier;
                    break;
                }
            }
        }
        for (int size = 2; size <= kNumbers; ++size) {
            for (unsigned mask = 1; mask <= kFull; ++mask) {
                if (std::popcount(mask) != size || representative_[mask] != mask)
                    continue;
                const bool whole = mask == kFull;
                for (const Kind kind : {Kind::Sum, Kind::Product})
                    fill(kind, mask, whole ? lo : 1, whole ? hi : kLargestValue);
            }
        }
    }

    // Calls visit(tally, numbers used) for every set of numbers (each once)
    // and every value it reaches from lo to hi.
    template <typename Visit> void forEach(std::int64_t lo, std::int64_t hi, Visit &&visit) const
    {
        for (unsigned mask = 1; mask <= kFull; ++mask) {
            if (representative_[mask] != mask)
                continue;
            const int used = std::popcount(mask);
            const Tally &number = numberTallies_[std::size_t(std::countr_zero(mask))];
            if (used == 1 && number.value >= lo && number.value <= hi)
                visit(number, used);
            for (const Kind kind : {Kind::Sum, Kind::Product}) {
                for (const Tally &tally : from(tables_[std::size_t(kind)][mask], lo)) {
                    if (tally.value > hi)
                        break;
                    visit(tally, used);
                }
            }
        }
    }

private:
    enum class Kind { Sum, Product };
    // Six numbers of the board make no value beyond 32 bits.
    static constexpr std::int64_t kLargestValue = INT32_MAX;

    struct Slot
    {
        unsigned block;
        bool positive;
        const Tally *term;
    };

    // The numbers of mask, sorted, as the digits of one number in base 128
    // (each is 1 to 100): equal only for the same numbers.
    std::uint64_t contents(unsigned mask) const
    {
        std::array<std::int32_t, kNumbers> held{};
        std::size_t n = 0;
        for (int i = 0; i < kNumbers; ++i) {
            if (mask & (1u << i))
                held[n++] = numbers_[std::size_t(i)];
        }
        sortFirst(held, n);
        std::uint64_t digits = 0;
        for (std::size_t i = 0; i < n; ++i)
            digits = digits * 128 + std::uint64_t(held[i]);
        return digits;
    }

    // The terms a run of kind takes over block, by value: a number, or a run
    // of the other kind; never a factor of 1.
    std::span<const Tally> terms(Kind kind, unsigned block) const
    {
        if (std::has_single_bit(block)) {
            const Tally &number = numberTallies_[std::size_t(std::countr_zero(block))];
            if (kind == Kind::Product && number.value < 2)
                return {};
            return {&number, 1};
        }
        const Kind other = kind == Kind::Sum ? Kind::Product : Kind::Sum;
        const std::vector<Tally> &all = tables_[std::size_t(other)][representative_[block]];
        return kind == Kind::Sum ? std::span<const Tally>(all) : from(all, 2);
    }

    // The values of sorted from value on.
    static std::span<const Tally> from(std::span<const Tally> sorted, std::int64_t value)
    {
        const auto first =
            std::lower_bound(sorted.begin(), sorted.end(), value,
                             [](const Tally &t, std::int64_t v) { return t.value < v; });
        return sorted.subspan(std::size_t(first - sorted.begin()));
    }

    void fill(Kind kind, unsigned mask, std::int64_t lo, std::int64_t hi)
    {
        kind_ = kind;
        lo_ = std::max<std::int64_t>(lo, 1);
        hi_ = hi;
        pairs_.clear();
        for (int i = 0; i < kNumbers; ++i) {
            for (int j = i + 1; j < kNumbers; ++j) {
                if ((mask >> i & 1u) && (mask >> j & 1u) &&
                    numbers_[std::size_t(i)] == numbers_[std::size_t(j)])
                    pairs_.push_back({1u << i, 1u << j});
            }
        }
        for (unsigned block = mask; block; block = (block - 1) & mask)
            choices_[block] = terms(kind, block);
        depth_ = 0;
        const std::int64_t none = kind == Kind::Sum ? 0 : 1;
        twoTerms(mask, none);
        extend(mask, none, none);
        std::vector<Tally> &out = tables_[std::size_t(kind)][mask];
        out.clear();
        out.reserve(filled_.size());
        for (const std::size_t at : filled_) {
            out.push_back(found_[at]);
            found_[at] = {};
        }
        filled_.clear();
        std::sort(out.begin(), out.end(),
                  [](const Tally &a, const Tally &b) { return a.value < b.value; });
    }

    // The tally of value in the run's table: open addressing on the value
    // (never 0, which marks a free place), the places taken kept to clear.
    Tally &found(std::int64_t value)
    {
        if (2 * filled_.size() >= found_.size()) {
            std::vector<Tally> larger(std::max<std::size_t>(1024, 2 * found_.size()));
            found_.swap(larger);
            filled_.clear();
            for (const Tally &tally : larger) {
                if (tally.value != 0)
                    found(tally.value) = tally;
            }
        }
        const std::size_t mask = found_.size() - 1;
        std::size_t at = std::size_t(std::uint64_t(value) * 0x9E3779B97F4A7C15u >> 32) & mask;
        while (found_[at].value != 0 && found_[at].value != value)
            at = (at + 1) & mask;
        if (found_[at].value == 0) {
            found_[at].value = value;
            filled_.push_back(at);
        }
        return found_[at];
    }

    // Runs of two terms, each split once: the values of the side with fewer
    // are walked, those of the other looked up (a whole board's five numbers
    // and one are then a lookup per value of the one).
    void twoTerms(unsigned mask, std::int64_t none)
    {
        const unsigned low = mask & (~mask + 1);
        for (unsigned block = (mask - 1) & mask; block; block = (block - 1) & mask) {
            if (!(block & low))
                continue;
            unsigned walked = block;
            unsigned looked = mask ^ block;
            if (choices_[walked].size() > choices_[looked].size())
                std::swap(walked, looked);
            for (const auto &[walkedAdded, lookedAdded] :
                 {std::pair{true, true}, std::pair{true, false}, std::pair{false, true}}) {
                for (const Tally &term : choices_[walked]) {
                    const std::int64_t x = term.value;
                    const std::int64_t part = kind_ == Kind::Sum ? none + x : none * x;
                    slots_[depth_++] = {walked, walkedAdded, &term};
                    finish(looked, lookedAdded, choices_[looked], walkedAdded ? part : none,
                           walkedAdded ? none : part);
                    --depth_;
                }
            }
        }
    }

    // Runs of three terms or more. The next block holds the lowest position
    // left, so that each split comes once; p and n are the added
    // (multiplied) and the subtracted (divided) parts so far.
    void extend(unsigned remaining, std::int64_t p, std::int64_t n)
    {
        const unsigned low = remaining & (~remaining + 1);
        for (unsigned block = remaining; block; block = (block - 1) & remaining) {
            if (!(block & low))
                continue;
            const bool last = block == remaining;
            // One term is no run, and two are counted apart: a first block
            // needs at least two numbers left after it.
            if (depth_ == 0 && std::popcount(remaining ^ block) < 2)
                continue;
            if (last && depth_ < 2)
                continue;
            const std::span<const Tally> choices = choices_[block];
            for (const bool positive : {true, false}) {
                if (last) {
                    finish(block, positive, choices, p, n);
                    continue;
                }
                for (const Tally &term : choices) {
                    slots_[depth_++] = {block, positive, &term};
                    const std::int64_t x = term.value;
                    if (kind_ == Kind::Sum)
                        extend(remaining ^ block, positive ? p + x : p, positive ? n : n + x);
                    else
                        extend(remaining ^ block, positive ? p * x : p, positive ? n : n * x);
                    --depth_;
                }
            }
        }
    }

    // The last block: only the values that bring the run into [lo_, hi_].
    void finish(unsigned block, bool positive, std::span<const Tally> choices, std::int64_t p,
                std::int64_t n)
    {
        std::int64_t least = 0;
        std::int64_t to = 0;
        if (kind_ == Kind::Sum) {
            least = positive ? lo_ - p + n : p - n - hi_;
            to = positive ? hi_ - p + n : p - n - lo_;
        } else if (positive) { // p x / n within [lo, hi]
            least = (lo_ * n + p - 1) / p;
            to = hi_ * n / p;
        } else { // p / (n x) within [lo, hi]
            least = (p + n * hi_ - 1) / (n * hi_);
            to = p / (n * lo_);
        }
        for (const Tally &term : from(choices, least)) {
            const std::int64_t x = term.value;
            if (x > to)
                break;
            std::int64_t added = p;
            std::int64_t value = 0;
            if (kind_ == Kind::Sum) {
                added = positive ? p + x : p;
                value = positive ? p + x - n : p - n - x;
            } else {
                added = positive ? p * x : p;
                const std::int64_t divisor = positive ? n : n * x;
                if (added % divisor != 0)
                    continue;
                value = added / divisor;
            }
            slots_[depth_++] = {block, positive, &term};
            count(value, added);
            --depth_;
        }
    }

    void count(std::int64_t value, std::int64_t added)
    {
        const std::span<const Slot> slots(slots_.data(), depth_);
        const auto isPositive = [](const Slot &s) { return s.positive; };
        if (std::none_of(slots.begin(), slots.end(), isPositive))
            return;
        if (slots.size() > 2) {
            for (const Slot &a : slots) {
                for (const Slot &b : slots) {
                    if (a.positive && !b.positive && a.term->value == b.term->value)
                        return; // a pointless step
                }
            }
        }
        if (!pairs_.empty() && !leastOfItsCopies())
            return;
        std::uint64_t ways = 1;
        bool noDivision = kind_ == Kind::Sum || std::all_of(slots.begin(), slots.end(), isPositive);
        // Every step of a run written out lies within its added part.
        bool small = added <= kLargeValue;
        std::array<bool, kNumbers> counted{};
        for (std::size_t i = 0; i < slots.size(); ++i) {
            noDivision = noDivision && slots[i].term->noDivision;
            small = small && slots[i].term->small;
            if (counted[i])
                continue;
            std::uint64_t alike = 0;
            for (std::size_t j = i; j < slots.size(); ++j) {
                if (sameSlot(slots[i], slots[j])) {
                    counted[j] = true;
                    ++alike;
                }
            }
            ways *= multichoose(slots[i].term->count, alike);
        }
        Tally &tally = found(value);
        tally.count += ways;
        tally.noDivision = tally.noDivision || noDivision;
        tally.small = tally.small || small;
    }

    bool sameSlot(const Slot &a, const Slot &b) const
    {
        return a.positive == b.positive && a.term->value == b.term->value &&
               representative_[a.block] == representative_[b.block];
    }

    // C(c + k - 1, k): multisets of k of c things.
    static std::uint64_t multichoose(std::uint64_t c, std::uint64_t k)
    {
        std::uint64_t ways = 1;
        for (std::uint64_t i = 1; i <= k; ++i)
            ways = ways * (c + i - 1) / i;
        return ways;
    }

    using Key = std::array<std::uint64_t, kNumbers>;

    // The split as it reads with the copies of the pairs in swaps exchanged:
    // its blocks, signs and values, sorted.
    Key keyOf(unsigned swaps) const
    {
        Key key{};
        std::size_t at = 0;
        for (const Slot &slot : std::span(slots_.data(), depth_)) {
            unsigned block = slot.block;
            for (std::size_t pair = 0; pair < pairs_.size(); ++pair) {
                const auto [one, other] = pairs_[pair];
                if ((swaps >> pair & 1u) && bool(block & one) != bool(block & other))
                    block ^= one | other;
            }
            key[at++] = (std::uint64_t(block) << 40) | (std::uint64_t(slot.positive) << 39) |
                        std::uint64_t(slot.term->value);
        }
        sortFirst(key, depth_);
        return key;
    }

    bool leastOfItsCopies() const
    {
        const Key own = keyOf(0);
        for (unsigned swaps = 1; swaps < (1u << pairs_.size()); ++swaps) {
            if (keyOf(swaps) < own)
                return false;
        }
        return true;
    }

    std::array<std::int32_t, kNumbers> numbers_{};
    std::array<Tally, kNumbers> numberTallies_{};
    std::array<unsigned, kFull + 1> representative_{};
    std::array<std::uint64_t, kFull + 1> contents_{};
    std::array<std::array<std::vector<Tally>, kFull + 1>, 2> tables_;
    // The run being counted.
    Kind kind_ = Kind::Sum;
    std::int64_t lo_ = 1;
    std::int64_t hi_ = 1;
    std::vector<std::pair<unsigned, unsigned>> pairs_;      // positions of equal numbers
    std::array<std::span<const Tally>, kFull + 1> choices_; // the terms of each block
    std::array<Slot, kNumbers> slots_{};                    // the run's terms so far
    std::size_t depth_ = 0;
    std::vector<Tally> found_; // a power of two long
    std::vector<std::size_t> filled_;
};

// The rating figures of every value from 1 to top, over all the board's
// numbers: what the answers to each value come to together.
struct ValueFigures
{
    std::uint64_t count = 0;
    int fewest = 0; // 0: not reached
    bool noDivision = false;
    bool small = false;
};

std::vector<ValueFigures> valueFigures(std::span<const std::int32_t> numbers, std::int64_t from,
                                       std::int64_t top)
{
    const AnswerTally tally(numbers, from, top);
    std::vector<ValueFigures> figures(std::size_t(top - from + 1));
    tally.forEach(from, top, [&](const Tally &t, int used) {
        ValueFigures &f = figures[std::size_t(t.value - from)];
        f.count += t.count;
        f.fewest = f.fewest == 0 ? used : std::min(f.fewest, used);
        f.noDivision = f.noDivision || t.noDivision;
        f.small = f.small || t.small;
    });
    return figures;
}

// The figures of the answers to the nearest values together.
RatingFigures ratingFor(std::int64_t target, std::span<const std::int64_t> nearest,
                        std::span<const ValueFigures> figures, std::int64_t from)
{
    RatingFigures rating;
    rating.best = nearest.front();
    rating.bestDistance = target > rating.best ? target - rating.best : rating.best - target;
    rating.exact = rating.bestDistance == 0;
    rating.fewestNumbers = AnswerTally::kNumbers;
    bool noDivision = false;
    bool small = false;
    for (const std::int64_t value : nearest) {
        const ValueFigures &f = figures[std::size_t(value - from)];
        rating.distinctAnswers += std::size_t(f.count);
        rating.fewestNumbers = std::min(rating.fewestNumbers, f.fewest);
        noDivision = noDivision || f.noDivision;
        small = small || f.small;
    }
    rating.needsDivision = !noDivision;
    rating.needsLargeValue = !small;
    rating.score = scoreOf(rating);
    rating.rating = ratingOf(rating.score);
    return rating;
}

} // namespace

std::vector<AnswerStep> answerSteps(std::string_view utf8Text,
                                    std::span<const std::int32_t> numbers)
{
    std::vector<AnswerStep> steps;
    checkAnswer(utf8Text, numbers, steps);
    return steps;
}

const char *operationSign(Operation op)
{
    static constexpr const char *kSigns[] = {"+", "-", "x", "/"};
    return kSigns[static_cast<int>(op)];
}

std::string stepWithResult(const AnswerStep &step)
{
    return stepText(step.left, step.op, step.right) + " = " + std::to_string(step.result);
}

Hint hintFor(std::span<const std::int32_t> numbers, std::int64_t target)
{
    CompleteResult result = completeSearch(numbers, target);
    Hint hint;
    hint.exact = result.exact;
    hint.best = *std::min_element(result.nearest.begin(), result.nearest.end());
    hint.bestDistance = result.distance;
    // Simplest first: the first answer to the lower value is the simplest one.
    const auto way = std::find_if(result.answers.begin(), result.answers.end(),
                                  [&](const CompleteAnswer &a) { return a.value == hint.best; });
    if (way == result.answers.end())
        return hint; // the complete search always has one
    hint.way = std::move(way->text);
    hint.fewestNumbers = way->numbersUsed;
    const std::vector<AnswerStep> steps = answerSteps(hint.way, numbers);
    for (const Operation op :
         {Operation::Add, Operation::Subtract, Operation::Multiply, Operation::Divide}) {
        if (std::any_of(steps.begin(), steps.end(),
                        [op](const AnswerStep &s) { return s.op == op; }))
            hint.operations.push_back(op);
    }
    // The answer's numbers are the runs of digits of its text.
    std::int32_t number = -1;
    for (const char c : hint.way + ' ') {
        if (c >= '0' && c <= '9') {
            number = (number < 0 ? 0 : number * 10) + (c - '0');
        } else if (number >= 0) {
            hint.uses.push_back(number);
            number = -1;
        }
    }
    std::sort(hint.uses.begin(), hint.uses.end(), std::greater<>());
    if (!steps.empty())
        hint.firstStep = steps.front();
    return hint;
}

const char *ratingName(Rating rating)
{
    static constexpr const char *kNames[] = {"Easy", "Medium", "Hard", "Very hard"};
    return kNames[static_cast<int>(rating)];
}

std::optional<Rating> ratingFromKey(std::string_view key)
{
    static constexpr std::string_view kKeys[] = {"easy", "medium", "hard", "very-hard"};
    for (int i = 0; i < kRatings; ++i) {
        if (key == kKeys[i])
            return static_cast<Rating>(i);
    }
    return std::nullopt;
}

RatingFigures rateBoard(std::span<const std::int32_t> numbers, std::int64_t target)
{
    const CompleteResult nearest = nearestReach(numbers, target);
    const std::int64_t from = nearest.nearest.front();
    const std::vector<ValueFigures> figures = valueFigures(numbers, from, nearest.nearest.back());
    return ratingFor(target, nearest.nearest, figures, from);
}

RatedTargets targetsRated(std::span<const std::int32_t> numbers, std::int32_t lo, std::int32_t hi,
                          Rating wanted)
{
    RatedTargets rated{wanted, {}};
    if (lo > hi)
        return rated;
    // The nearest value to any target t lies within [1, max(2t, 100)]: the
    // largest number, at most 100, is always reached, so nothing nearer than
    // it can lie further above t than it lies below.
    constexpr std::int64_t kLargestNumber = 100;
    const std::int64_t top = std::max<std::int64_t>(2 * std::int64_t(hi), kLargestNumber);
    const std::vector<ValueFigures> figures = valueFigures(numbers, 1, top);
    std::array<std::vector<std::int32_t>, kRatings> byRating;
    std::vector<std::int64_t> nearest;
    for (std::int64_t target = lo; target <= hi; ++target) {
        nearest.clear();
        for (std::int64_t distance = 0; nearest.empty(); ++distance) {
            for (const std::int64_t value : {target - distance, target + distance}) {
                if (value >= 1 && value <= top && figures[std::size_t(value - 1)].fewest > 0 &&
                    (nearest.empty() || nearest.back() != value))
                    nearest.push_back(value);
            }
        }
        const Rating rating = ratingFor(target, nearest, figures, 1).rating;
        byRating[std::size_t(rating)].push_back(std::int32_t(target));
    }
    // The wanted rating, else the nearest that has targets, the easier first.
    const int want = static_cast<int>(wanted);
    for (int away = 0; away < kRatings; ++away) {
        for (const int r : {want - away, want + away}) {
            if (r >= 0 && r < kRatings && !byRating[std::size_t(r)].empty()) {
                rated.rating = static_cast<Rating>(r);
                rated.targets = std::move(byRating[std::size_t(r)]);
                return rated;
            }
        }
    }
    return rated;
}

NearMiss nearMiss(std::span<const std::int32_t> numbers, std::int64_t target,
                  std::string_view utf8Answer)
{
    const CompleteResult result = completeSearch(numbers, target);
    NearMiss miss;
    const CheckResult checked = checkAnswer(utf8Answer, numbers, miss.playerSteps);
    if (!checked.valid) {
        // Nothing to compare: the simplest way, as the hints take it.
        const std::int64_t best = *std::min_element(result.nearest.begin(), result.nearest.end());
        const auto way = std::find_if(result.answers.begin(), result.answers.end(),
                                      [&](const CompleteAnswer &a) { return a.value == best; });
        if (way != result.answers.end()) {
            miss.closest = way->text;
            miss.closestSteps = answerSteps(miss.closest, numbers);
            if (!miss.closestSteps.empty())
                miss.instead = miss.closestSteps.front();
        }
        return miss;
    }
    // Equal steps are alike in every way, so matching each of a candidate's
    // steps to the first of the player's equal ones still free shares as
    // many as any matching can.
    const std::size_t playerCount = miss.playerSteps.size();
    std::vector<bool> taken(playerCount);
    std::vector<bool> bestTaken;
    std::vector<bool> closestTook;
    std::size_t mostShared = 0;
    const CompleteAnswer *closest = nullptr;
    for (const CompleteAnswer &answer : result.answers) {
        std::vector<AnswerStep> steps = answerSteps(answer.text, numbers);
        std::fill(taken.begin(), taken.end(), false);
        std::vector<bool> took(steps.size());
        std::size_t shared = 0;
        for (std::size_t s = 0; s < steps.size(); ++s) {
            for (std::size_t p = 0; p < playerCount; ++p) {
                if (!taken[p] && steps[s].sameAs(miss.playerSteps[p])) {
                    taken[p] = took[s] = true;
                    ++shared;
                    break;
                }
            }
        }
        // Simplest first, so an earlier answer wins a tie.
        if (!closest || shared > mostShared) {
            closest = &answer;
            mostShared = shared;
            bestTaken = taken;
            closestTook = std::move(took);
            miss.closestSteps = std::move(steps);
        }
    }
    if (!closest)
        return miss;
    miss.closest = closest->text;
    for (std::size_t p = 0; p < playerCount; ++p) {
        if (bestTaken[p])
            miss.shared.push_back(int(p) + 1);
    }
    if (!miss.shared.empty()) {
        const auto parted = std::find(bestTaken.begin(), bestTaken.end(), false);
        miss.partedAt = int(parted - bestTaken.begin()) + 1;
    }
    const auto instead = std::find(closestTook.begin(), closestTook.end(), false);
    if (instead != closestTook.end())
        miss.instead = miss.closestSteps[std::size_t(instead - closestTook.begin())];
    return miss;
}

} // namespace solver

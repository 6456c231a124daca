#pragma once

// A second, deliberately plain implementation of the search's two families,
// for the differential test: a step-by-step transcription with a text built
// for every operation, recursion where the steps recurse, shared state as
// the steps describe it, and an answer list scanned for duplicates.

#include <QTest>

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class PlainSearch
{
public:
    std::vector<std::string> list;
    std::vector<std::int32_t> reports;
    std::int32_t count = 0;
    bool running = false;
    int yields = 0;
    std::function<void(int, bool &)> onYield;

    void start(const std::vector<std::int32_t> &numbers, std::int32_t target)
    {
        numbers_ = numbers;
        target_ = target;
        running = true;
        permDepth_ = -1;
        work_.fill(0);
        searchPairs(0);
    }

private:
    std::int32_t applyOp(std::int32_t a, std::int32_t b, int op, const std::string &rightText)
    {
        const std::string l = current_;
        const std::string r = rightText.empty() ? std::to_string(b) : rightText;
        switch (op) {
        case 1:
            current_ = "(" + l + "+" + r + ")";
            return a + b;
        case 2:
            if (a == b)
                return 0;
            if (a > b) {
                current_ = "(" + l + "-" + r + ")";
                return a - b;
            }
            current_ = "(" + r + "-" + l + ")";
            return b - a;
        case 3:
            if (a == 1 || b == 1)
                return 0;
            current_ = "(" + l + "x" + r + ")";
            return a * b;
        default:
            if (a % b == 0) {
                if (b == 1)
                    return 0;
                current_ = "(" + l + "/" + r + ")";
                return a / b;
            }
            if (b % a == 0 && a != 1) {
                current_ = "(" + r + "/" + l + ")";
                return b / a;
            }
            return 0;
        }
    }

    // Only an accepted result can reach the target.
    bool reaches(std::int32_t value) const { return value != 0 && value == target_; }

    void addAnswer(std::string &text)
    {
        if (!text.empty() && text.back() == ')')
            text = text.substr(1, text.size() - 2);
        for (const std::string &item : list) {
            if (item == text)
                return;
        }
        list.push_back(text);
    }

    void yield()
    {
        ++yields;
        if (onYield)
            onYield(yields, running);
    }

    void searchPairs(int i)
    {
        yield();
        if (!running)
            return;
        for (int j = i + 1; j <= 5; ++j) {
            work_[0] = numbers_[static_cast<std::size_t>(i)];
            work_[1] = numbers_[static_cast<std::size_t>(j)];
            int next = 2;
            for (int k = 0; k <= 5; ++k) {
                if (k != i && k != j)
                    work_[static_cast<std::size_t>(next++)] = numbers_[static_cast<std::size_t>(k)];
            }
            if (work_[0] > 3) {
                split_.fill(0);
                searchPairSplits(0);
            }
            chainValues_ = {0};
            chainTexts_ = {""};
            levelEnd_.fill(0);
            lastPerm_.fill(0);
            permuteRest(0);
        }
        if (i + 1 != 5)
            searchPairs(i + 1);
    }

    void searchPairSplits(int k)
    {
        yield();
        if (!running)
            return;
        splitPos_ = k + 3;
        for (int q = splitPos_; q <= 5; ++q) {
            split_[0] = work_[0];
            split_[1] = work_[1];
            split_[2] = work_[static_cast<std::size_t>(splitPos_ - 1)];
            split_[3] = work_[static_cast<std::size_t>(q)];
            int next = 4;
            for (int p = 2; p <= 5; ++p) {
                if (p != q && p != splitPos_ - 1)
                    split_[static_cast<std::size_t>(next++)] = work_[static_cast<std::size_t>(p)];
            }
            if (split_[0] > split_[2])
                evaluatePairs(split_);
        }
        if (splitPos_ != 5)
            searchPairSplits(k + 1);
    }

    struct Entry
    {
        std::int32_t value;
        std::string text;
    };

    std::vector<Entry> pairList(std::int32_t a, std::int32_t b)
    {
        std::vector<Entry> entries;
        for (int op = 1; op <= 4; ++op) {
            current_ = std::to_string(a);
            const std::int32_t v = applyOp(a, b, op, "");
            if (v != 0)
                entries.push_back({v, current_});
        }
        return entries;
    }

    void evaluatePairs(std::array<std::int32_t, 7> w)
    {
        const std::vector<Entry> a = pairList(w[0], w[1]);
        const std::vector<Entry> b = pairList(w[2], w[3]);
        std::vector<Entry> ab;
        for (const Entry &x : a) {
            for (const Entry &y : b) {
                for (int op = 1; op <= 4; ++op) {
                    current_ = x.text;
                    const std::int32_t v = applyOp(x.value, y.value, op, y.text);
                    if (v != 0)
                        ab.push_back({v, current_});
                    if (reaches(v))
                        addAnswer(current_);
                }
            }
        }
        const std::int32_t e = w[4];
        const std::int32_t f = w[5];
        for (std::size_t z = 1; z < ab.size(); ++z) {
            for (int op = 1; op <= 4; ++op) {
                stepwise(ab[z], op, e, f);
                ++count;
                stepwise(ab[z], op, f, e);
                ++count;
                current_ = std::to_string(e);
                const std::int32_t pair = applyOp(e, f, op, "");
                if (pair != 0) {
                    const std::string kept = current_;
                    for (int op2 = 1; op2 <= 4; ++op2) {
                        if (op2 == op)
                            continue;
                        current_ = ab[z].text;
                        if (reaches(applyOp(ab[z].value, pair, op2, kept)))
                            addAnswer(current_);
                    }
                }
                ++count;
            }
            reports.push_back(count);
            yield();
            if (!running)
                return;
        }
    }

    void stepwise(const Entry &z, int op, std::int32_t first, std::int32_t second)
    {
        current_ = z.text;
        const std::int32_t v = applyOp(z.value, first, op, "");
        if (v == 0 || v == target_)
            return;
        const std::string kept = current_;
        for (int op2 = 1; op2 <= 4; ++op2) {
            if (op2 == op)
                continue;
            current_ = kept;
            if (reaches(applyOp(v, second, op2, "")))
                addAnswer(current_);
        }
    }

    void permuteRest(int k)
    {
        if (!running)
            return;
        ++permDepth_;
        permOrder_[static_cast<std::size_t>(k)] = permDepth_;
        if (permDepth_ == 3) {
            std::array<std::int32_t, 6> perm{work_[0], work_[1]};
            for (std::size_t m = 0; m < 4; ++m)
                perm[m + 2] = work_[static_cast<std::size_t>(permOrder_[m] + 2)];
            evaluateChain(perm);
        } else {
            for (int m = 0; m <= 3; ++m) {
                if (permOrder_[static_cast<std::size_t>(m)] == 0)
                    permuteRest(m);
            }
        }
        permOrder_[static_cast<std::size_t>(k)] = 0;
        --permDepth_;
    }

    void evaluateChain(const std::array<std::int32_t, 6> &perm)
    {
        chainValues_[0] = perm[0];
        chainTexts_[0] = std::to_string(perm[0]);
        int first = 0;
        int last = 0;
        int start = 1;
        if (chainValues_.size() >= 3) {
            int j = 2;
            while (j <= 5 &&
                   lastPerm_[static_cast<std::size_t>(j)] == perm[static_cast<std::size_t>(j)])
                ++j;
            QVERIFY(j <= 5); // only three equal numbers repeat an arrangement
            start = j;
            first = levelEnd_[static_cast<std::size_t>(j - 2)] + 1;
            last = levelEnd_[static_cast<std::size_t>(j - 1)];
            chainValues_.resize(static_cast<std::size_t>(last + 1));
            chainTexts_.resize(static_cast<std::size_t>(last + 1));
        }
        for (int d = start; d <= 5; ++d) {
            for (int c = first; c <= last; ++c) {
                for (int op = 1; op <= 4; ++op) {
                    current_ = chainTexts_[static_cast<std::size_t>(c)];
                    const std::int32_t v = applyOp(chainValues_[static_cast<std::size_t>(c)],
                                                   perm[static_cast<std::size_t>(d)], op, "");
                    if (v != 0) {
                        chainValues_.push_back(v);
                        chainTexts_.push_back(current_);
                        if (reaches(v))
                            addAnswer(current_);
                        ++count;
                    }
                }
            }
            reports.push_back(count);
            yield();
            if (!running)
                return;
            first = last + 1;
            last = static_cast<int>(chainValues_.size()) - 1;
            levelEnd_[static_cast<std::size_t>(d)] = last;
        }
        std::copy(perm.begin(), perm.end(), lastPerm_.begin());
    }

    std::vector<std::int32_t> numbers_;
    std::int32_t target_ = 0;
    std::string current_;
    std::array<std::int32_t, 7> work_{};
    std::array<std::int32_t, 7> split_{};
    std::array<int, 4> permOrder_{};
    int permDepth_ = -1;
    std::vector<std::int32_t> chainValues_;
    std::vector<std::string> chainTexts_;
    std::array<int, 7> levelEnd_{};
    std::array<std::int32_t, 7> lastPerm_{};
    int splitPos_ = 0;
};

#pragma once

#include <cstddef>
#include <string>
#include <unordered_set>
#include <vector>

namespace solver {

// The answers as listed: each hit without its outer parentheses, in the order
// found, each text once. A hash set keeps the duplicate test off the scan.
class AnswerList
{
public:
    // Strips the hit in place (the caller's text changes, as the list shows it)
    // and appends it unless the same text is listed. True when it was added.
    bool add(std::string &expression);

    const std::vector<std::string> &items() const { return items_; }
    std::size_t size() const { return items_.size(); }
    void clear();

    // Drops the outermost pair of parentheses of a complete expression text.
    static void stripOuterParentheses(std::string &expression);

private:
    std::vector<std::string> items_;
    std::unordered_set<std::string> listed_;
};

} // namespace solver

#include "answerlist.h"

namespace solver {

void AnswerList::stripOuterParentheses(std::string &expression)
{
    if (!expression.empty() && expression.back() == ')') {
        expression.pop_back();
        expression.erase(0, 1);
    }
}

bool AnswerList::add(std::string &expression)
{
    stripOuterParentheses(expression);
    if (!listed_.insert(expression).second)
        return false;
    items_.push_back(expression);
    return true;
}

void AnswerList::clear()
{
    items_.clear();
    listed_.clear();
}

} // namespace solver

#include "operation.h"

namespace solver {

std::int32_t ApplyOp(std::int32_t a, std::int32_t b, int op, std::string &currentExpr,
                     std::string_view rightText)
{
    const OpResult result = combine(a, b, op);
    if (result.value == 0)
        return 0;
    const std::string bText = rightText.empty() ? std::to_string(b) : std::string();
    std::string text;
    text.reserve(currentExpr.size() + rightText.size() + bText.size() + 3);
    appendOpText(text, currentExpr, rightText.empty() ? std::string_view(bText) : rightText, op,
                 result.swapped);
    currentExpr = std::move(text);
    return result.value;
}

} // namespace solver

#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <span>

class QLabel;
class QListWidget;

namespace solver {
struct CompleteResult;
}

// What the game shows of the complete search when its own search finished
// without an answer: the answers (or the ways to the nearest value) for the
// answers list, and one line for under the finish message.
namespace CompleteListing {

// At most this many answers go into the list, simplest first.
inline constexpr int MaxListed = 100;

// The list's lines: the answers' texts, each followed by " = value" when the
// target is not reached.
QStringList Lines(const solver::CompleteResult &result);

// "A complete search found N answers." or "No exact answer: the nearest is V
// (D away)."
QString Summary(const solver::CompleteResult &result);

// Runs the complete search and shows it: the lines into list, the summary as
// a new last line of label's text.
void Show(std::span<const std::int32_t> numbers, std::int32_t target, QListWidget &list,
          QLabel &label);

} // namespace CompleteListing

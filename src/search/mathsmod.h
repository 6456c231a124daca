#pragma once

#include <QList>

#include <cstdint>
#include <span>
#include <string>

class QLabel;
class QListWidget;
class QPushButton;

// The solver module as the game uses it: runs the search on the window's
// thread and shows it in the main window's answers list, status label and
// answer button, yielding to the window while it runs.
namespace MathsMod {

// The main window's controls a search writes to. The window hands them over
// once it has made them; a control that is destroyed is simply left alone
// (and a search still running then is stopped).
struct SearchControls
{
    QListWidget *List1 = nullptr;
    QLabel *LBa = nullptr;
    QPushButton *cmdAnswer = nullptr;
    QLabel *lbTarget = nullptr; // where the target rolls
};

// The stop switch: set when a search starts, cleared by a "Stop Search" click
// during a yield. It keeps its final value, true after a finished search and
// false after a stopped one, so the caller can tell the two apart.
extern bool SearchRunning;
// Combinations tried; the caller sets it to 0 before each search.
extern std::int32_t CombinationCount;

void BindControls(const SearchControls &controls);

// Runs one search over the six numbers (largest first; any further element,
// such as the trailing 0 of the chosen numbers, is ignored) and writes the
// finish message and the answer button's caption. A call made while a search
// runs (from inside one of its yields), or with numbers the board cannot
// give, does nothing.
void StartSearch(std::span<const std::int32_t> numbers, std::int32_t target);

// Lists one hit: drops its outer parentheses (writing the listed form back to
// text) and appends it unless the answers list already holds the same text.
void AddAnswer(std::string &text);

// Draws the next game's target from lowest to highest: clears the answers
// list, then rolls 50 random values through lbTarget with a yield and a 10 ms
// pause each, so the player sees it spin, and returns the last. The chosen
// numbers are passed along and not used.
qint16 DrawTarget(qint16 &highest, qint16 &lowest, QList<qint32> &chosenNumbers);

// One roll: Int(r * (highest - lowest + 1) + lowest) for 0 <= r < 1. The span
// is worked out in 32 bits, so stored bounds far apart cannot overflow it.
qint16 TargetFromRandom(double r, qint16 highest, qint16 lowest);

// True while StartSearch runs, so the window can keep other ways of starting
// a search disabled meanwhile.
bool IsSearching();

} // namespace MathsMod

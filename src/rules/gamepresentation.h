#pragma once

#include "gameflow.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <array>

namespace solver {
struct CompleteResult;
}

// One of the game's captions: its English text, marked for the translation
// tools, and read in the player's language each time it is shown, so that it
// follows the translator loaded at start-up rather than the one (none) there
// was when the constant was made.
class GameCaption
{
public:
    explicit constexpr GameCaption(const char *source)
        : m_source(source)
    {}
    QString text() const { return QCoreApplication::translate("GameCaptions", m_source); }
    operator QString() const { return text(); }

private:
    const char *m_source;
};

// The game's captions: what the player reads on its two buttons.
namespace GameCaptions {
inline constexpr GameCaption Start{QT_TRANSLATE_NOOP("GameCaptions", "START")};
inline constexpr GameCaption Stop{QT_TRANSLATE_NOOP("GameCaptions", "STOP")};
inline constexpr GameCaption PlayAgain{QT_TRANSLATE_NOOP("GameCaptions", "PLAY AGAIN")};
inline constexpr GameCaption ShowAnswers{QT_TRANSLATE_NOOP("GameCaptions", "Show Answer(s)")};
inline constexpr GameCaption StopSearch{QT_TRANSLATE_NOOP("GameCaptions", "Stop Search")};
inline constexpr GameCaption SearchFinished{QT_TRANSLATE_NOOP("GameCaptions", "Search Finished")};
inline constexpr GameCaption Searching{QT_TRANSLATE_NOOP("GameCaptions", "Searching...")};
} // namespace GameCaptions

// The status under the number panel once a search has ended: stopped by the
// player at a combination, or finished after trying them all, each with the
// count of answers found. The layout measures them with the largest numbers
// to size the label for the player's language.
QString searchStoppedStatus(qint64 combinations, qsizetype answers);
QString searchFinishedStatus(qint64 combinations, qsizetype answers);

// How the main window shows a game: every caption, text and flag of its
// controls, worked out from the game's state alone. The window applies it
// after every change; it never reads it back.
struct GamePresentation
{
    QString command1;
    bool command1Enabled = false;
    QString cmdAnswer;
    bool cmdAnswerEnabled = true;
    bool cmdAnswerVisible = false;
    int dial = 0;
    bool clockOff = false; // the round is played without the clock
    QString target;
    std::array<QString, NumberBoard::LabelCount> labels;
    std::array<bool, NumberBoard::TileCount> tiles{};
    bool instructions = true;
    QString status;
    bool statusVisible = false;
    bool answersVisible = false;
    // The hints taken this round, and a difficulty the board could not give.
    QString coach;
    bool coachVisible = false;
    bool hintEnabled = false;
    // The points commands (Today's board, Statistics, Hint, the board codes)
    // are on the menu bar.
    bool pointsCommands = false;
    // The board and its standing target have a code to copy.
    bool codeCopyEnabled = false;
    // The manual setup (and, in games played for points, the day's board)
    // replaces the board: never during a roll or a search, nor while a game
    // played for points is on the clock.
    bool manualSetupEnabled = true;
};

GamePresentation presentGame(const GameFlow &flow);

// What the game shows of the complete search when its own search finished
// without an answer: at most this many answers, simplest first, each
// followed by " = value" when the target is not reached...
inline constexpr int MaxCompleteListed = 100;
QStringList completeListLines(const solver::CompleteResult &result);
// ...and one line under the finish message: "A complete search found N
// answers." or "No exact answer: the nearest is V (D away)."
QString completeListSummary(const solver::CompleteResult &result);

#pragma once

#include "gameflow.h"

#include <QString>
#include <QStringList>

#include <array>

namespace solver {
struct CompleteResult;
}

// The game's captions: what the player reads on its two buttons.
namespace GameCaptions {
inline const QString Start = QStringLiteral("START");
inline const QString Stop = QStringLiteral("STOP");
inline const QString PlayAgain = QStringLiteral("PLAY AGAIN");
inline const QString ShowAnswers = QStringLiteral("Show Answer(s)");
inline const QString StopSearch = QStringLiteral("Stop Search");
inline const QString SearchFinished = QStringLiteral("Search Finished");
inline const QString Searching = QStringLiteral("Searching...");
} // namespace GameCaptions

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
    bool clockOn = false;
    int dial = 0;
    QString target;
    std::array<QString, NumberBoard::LabelCount> labels;
    std::array<bool, NumberBoard::TileCount> tiles{};
    bool instructions = true;
    QString status;
    bool statusVisible = false;
    bool answersVisible = false;
    // The manual setup starts a search of its own: never during a roll or a search.
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

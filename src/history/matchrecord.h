#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

#include <array>

// One player's answer in a round of a two-player match, scored as a game
// played for points is.
struct MatchAnswer
{
    bool declared = false; // false: "No answer"
    QString answer;        // as entered; empty for No answer
    qint64 value = 0;
    qint64 distance = 0; // of the declared value from the target
    int points = 0;
};

// A round of a match: the board both answered, and their answers by player
// (not by turn).
struct MatchRound
{
    std::array<qint32, 6> numbers{}; // largest first
    qint32 target = 0;
    qint64 bestValue = 0;
    qint64 bestDistance = 0;
    int firstPlayer = 0; // 0 or 1: who picked first and answered first
    std::array<MatchAnswer, 2> answers;
    int winner = -1; // 0 or 1; -1: a tie
};

// A match between two players at one screen, as the history keeps it: kept
// apart from the player's own games, which its rounds are not.
struct MatchRecord
{
    // How each round's board comes: dealt at random, or picked tile by tile
    // by the two players in turn.
    enum class Boards { Dealt, Picked };
    std::array<QString, 2> players;
    int rounds = 5;
    Boards boards = Boards::Dealt;
    QDateTime startedAt;
    QDateTime endedAt;     // invalid while the match is on
    bool finished = false; // every round played; an ended match that is not was left
    QList<MatchRound> played;
    std::array<int, 2> score{};
    int winner = -1; // once finished: 0 or 1; -1 a draw
};

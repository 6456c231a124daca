#pragma once

#include "matchrecord.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QString>

#include <array>

struct PlayedGame;

// A match of two players at one screen, without a window: its rounds, who
// picks each tile and who answers first, each round's winner and the running
// score, and the match's winner. The rounds are scored as games played for
// points are; the round goes to the answer nearer the target, whoever
// declared first or faster.
class TwoPlayerMatch
{
    Q_DECLARE_TR_FUNCTIONS(TwoPlayerMatch)

public:
    static constexpr int FewestRounds = 1;
    static constexpr int MostRounds = 15;
    static constexpr int DefaultRounds = 5;
    using Boards = MatchRecord::Boards;

    // Empty names become "Player 1" and "Player 2"; rounds are kept within
    // FewestRounds..MostRounds.
    TwoPlayerMatch(std::array<QString, 2> players, int rounds, Boards boards);

    // The match as the history keeps it: the set-up, the rounds played, the score.
    const MatchRecord &record() const { return m_match; }
    const QString &player(int player) const { return m_match.players.at(std::size_t(player)); }
    Boards boards() const { return m_match.boards; }
    // The round on, from 1; one past the last once every round is played.
    int round() const { return int(m_match.played.size()) + 1; }
    int rounds() const { return m_match.rounds; }
    // Every round played, or the match left before.
    bool isOver() const { return m_match.finished || m_match.endedAt.isValid(); }

    // Who starts the round on: the first to pick a tile and to answer. The
    // first player starts the first round, then the two take turns.
    int starter() const { return (round() - 1) % 2; }
    // Who picks the next tile when `picked` of the six are picked: the
    // starter the 1st, 3rd and 5th, the other player the rest.
    int picker(int picked) const { return (starter() + picked) % 2; }
    // Whose answer the round waits for: the starter's, then the other's; -1
    // once the match is over.
    int answering() const;

    // The answering player's scored game: true when it was the second, which
    // ends the round (its winner decided, the score and, after the last
    // round, the match's winner with it).
    bool answer(const PlayedGame &game);
    // The match is left before its last round: kept as it stands, unfinished.
    void leave();
    std::array<int, 2> score() const { return m_match.score; }
    // The round that ended last, if any.
    const MatchRound *lastRound() const
    {
        return m_match.played.isEmpty() ? nullptr : &m_match.played.constLast();
    }

    // Which of two answers is nearer the target: 0 or 1, -1 a tie. No answer
    // is further than any answer; two of them tie.
    static int nearer(const MatchAnswer &first, const MatchAnswer &second);

    // A dealt round's board: six of the 24 tiles' values (1 to 10 twice, 25,
    // 50, 75 and 100), largest first, and a target between the two bounds.
    struct Deal
    {
        std::array<qint32, 6> numbers{};
        qint32 target = 0;
    };
    static Deal deal(QRandomGenerator &random, int lowestTarget, int highestTarget);

    // What the window shows, in the player's language.
    // "Ann 2 - Ben 1, round 4 of 5", or the score alone once it is over.
    QString scoreLine() const;
    // "Pass the keyboard to Ann."
    QString handOver(int player) const;
    // "Ann picks tile 3 of 6." while a round's tiles are picked.
    QString pickLine(int picked) const;
    // The last round's two answers, its winner and the score after it, one
    // line each, then the match's result after its last round.
    QStringList roundLines() const;
    // "Ann wins the match 3 - 2.", a draw, or the match left at a score.
    QString resultLine() const;

private:
    QString answerLine(const MatchRound &round, int player) const;

    MatchRecord m_match;
    MatchRound m_round; // the round being answered
    int m_answered = 0; // answers it has
};

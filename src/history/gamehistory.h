#pragma once

#include "matchrecord.h"
#include "playerstats.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QMap>
#include <QString>

#include <array>
#include <memory>
#include <optional>

// One game played for points, as the history keeps it.
struct PlayedGame
{
    // Tiles picked by the player, the board of the day, or a board dealt from its code.
    enum class Board { Picked, Daily, Code };
    QDateTime playedAt;              // when it was scored
    std::array<qint32, 6> numbers{}; // largest first
    qint32 target = 0;
    Board board = Board::Picked;
    QDate dailyDate;                   // the day whose board it is, for Board::Daily
    QString answer;                    // as the player entered it; empty for No answer
    qint64 value = 0;                  // what the declared answer came to
    qint64 bestValue = 0;              // the best possible value (nearest the target)
    ScoredRound round;                 // declared, distance, best distance, points
    std::optional<qint32> secondsLeft; // clock ticks left when it stopped; none without the clock
    bool timed = true;                 // played on the clock
    int hints = 0;                     // hints taken, each a point less
    int rating = 0; // the board and target's rating, 1 Easy to 4 Very hard; 0 unknown
    std::optional<qint64> solveMs; // from the target standing still to Declare
};

// A day's recorded result: the first try at that day's board.
struct DayResult
{
    ScoredRound round;
    qint32 timeLeft = 0; // clock ticks
    bool timed = true;   // played on the clock
};

// The player's record: every scored game kept in a per-user SQLite database,
// and the statistics worked out from those games, so that the two can never
// disagree. Used from one thread; each object has its own connection.
class GameHistory
{
public:
    enum class Failure { None, MovedAside, CannotOpen, CannotWrite };
    // Why, where it is known: what a player can act on.
    enum class Cause { Other, DiskFull, NotAllowed, Busy, NoFolder };
    // Opens the history at `path`, creating or migrating it;
    // QStringLiteral(":memory:") for a throw-away one.
    explicit GameHistory(const QString &path);
    ~GameHistory();
    GameHistory(const GameHistory &) = delete;
    GameHistory &operator=(const GameHistory &) = delete;
    // QStandardPaths::AppDataLocation + "/history.sqlite" (the folder created when needed).
    static QString defaultPath();

    // Records a scored game in one transaction. A game of the board of the day
    // is that day's result when the day has none yet: *dailyResult says whether
    // it was (false for every other game). False when it could not be written (see failure()).
    bool record(const PlayedGame &game, bool *dailyResult = nullptr);
    // Whether the day already has its recorded result.
    bool hasDailyResult(QDate day) const;
    // The statistics of the games since the last reset (plus what was carried over,
    // see carryOver), and the most recent day's result in dailyDate/daily/dailyTimeLeft:
    // exactly what PlayerStats::record/recordDaily would have counted for the same games.
    // The days played, and the run of them, are counted up to `today` (an
    // invalid date: the local date now).
    PlayerStats statistics(QDate today = {}) const;
    // The recorded results of the days from `first` to `last`, both included
    // (the one carried over among them); a day without one is not listed.
    QMap<QDate, DayResult> dayResults(QDate first, QDate last) const;
    // Counts back to zero from here; the days' results stay (a reset must not open a
    // day's board to a second try).
    bool resetCounts();
    // Carries an older version's counters (read from the settings store by the caller) into
    // the history, once: a no-op returning true if anything was carried over before.
    // Statistics then add them.
    bool carryOver(const PlayerStats &old);
    // The most recent games, newest first, at most `count` of them (every game kept,
    // counted or not: a second try at a day's board too).
    QList<PlayedGame> lastGames(int count) const;
    // A two-player match, kept apart from the games: started (its id, 0 when
    // it could not be written), each round as it is played with the score
    // after it, and ended, finished or left. Each is one transaction.
    qint64 startMatch(const MatchRecord &match);
    bool recordMatchRound(qint64 match, int number, const MatchRound &round,
                          std::array<int, 2> score);
    bool endMatch(qint64 match, const MatchRecord &ended);
    // The most recent matches, newest first, with their rounds.
    QList<MatchRecord> lastMatches(int count) const;
    // What went wrong most recently (None when the last operation worked), and a one-line
    // English detail for the log (the folder, the database's own message).
    Failure failure() const;
    Cause cause() const;
    QString failureDetail() const;

    struct Connection;

private:
    std::unique_ptr<Connection> d;
};

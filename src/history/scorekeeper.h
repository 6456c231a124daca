#pragma once

#include "gamehistory.h"

#include <QDate>
#include <QElapsedTimer>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <set>
#include <span>

namespace solver {
struct BestPossible;
}
class TwoPlayerMatch;

// What the game knew of a round when it asked for the answer.
struct RoundFacts
{
    int hintsTaken = 0;
    bool timed = true;
    QElapsedTimer stood; // since the target stood still; invalid when unknown
};

// A declared answer (or none: No answer) scored against the best the six
// numbers can do (solver::bestPossible of them): the round's distance and
// points, the best possible value, as the history keeps them. Each hint
// taken costs a point, never below 0.
PlayedGame scoreAnswer(std::span<const std::int32_t> numbers, std::int32_t target,
                       const solver::BestPossible &best, std::optional<std::int64_t> declaredValue,
                       const QString &answer, int hints = 0);

// The first day the game dealt a board of the day; the archive of days starts there.
inline QDate firstDailyDay()
{
    return QDate(2026, 1, 1);
}

// The points side of the game, without a window: which board is the day's,
// the day's rule (its first result counts, once; a board of the day left
// without an answer counts as No answer), and every scored game kept in the
// history. The history is opened when first needed, not at start-up, and an
// older version's statistics in the settings store are carried into it then.
class ScoreKeeper
{
public:
    // `path` empty: the player's own history (GameHistory::defaultPath()).
    explicit ScoreKeeper(QString path = {});
    ~ScoreKeeper();
    ScoreKeeper(const ScoreKeeper &) = delete;
    ScoreKeeper &operator=(const ScoreKeeper &) = delete;

    // The board of the day is dealt: the next scored game is that day's. An
    // invalid day forgets what was dealt, a code's board too.
    void dealtDaily(QDate day)
    {
        m_day = day;
        m_code = false;
    }
    QDate dailyDay() const { return m_day; }
    // A board is dealt from its code: the next scored game is recorded as such.
    void dealtCode()
    {
        m_day = {};
        m_code = true;
    }
    bool isCodeDealt() const { return m_code; }

    struct Outcome
    {
        bool kept = false;      // written to the history
        bool secondTry = false; // on a day's board that already had its result
        // For a game of the day's board: the day's recorded result, as shared
        // (this game's, or the first try's for a second one).
        std::optional<PlayerStats> day;
    };
    // A scored game: the day's board's when dealtDaily came before it (once).
    Outcome record(PlayedGame game);
    // The board of the day was left without an answer (a new board dealt
    // over it, the game closed): the day's one try counts as No answer.
    void abandonDaily();

    // A two-player match kept as it goes: called as it starts, after each
    // round and as it ends (finished or left), it writes whatever of it the
    // history does not hold yet.
    void keepMatch(const TwoPlayerMatch &match);
    // The players of the last match kept, for the next one's names; empty
    // names before the first.
    std::array<QString, 2> lastPlayers();

    PlayerStats statistics(QDate today = {});
    // The days' results from `first` to `last` (see GameHistory::dayResults).
    QMap<QDate, DayResult> dayResults(QDate first, QDate last);
    bool resetCounts();

    // The failure of the last operation (None when it worked), its detail for
    // the log, and whether it is the first of its kind: a player is told once
    // per kind, not after every game.
    GameHistory::Failure failure() const { return m_failure; }
    GameHistory::Cause cause() const { return m_cause; }
    QString failureDetail() const { return m_detail; }
    bool failureIsNew();
    // Where the history is kept, once it has been opened.
    QString path() const { return m_path; }

private:
    GameHistory &history();
    void noteFailure();

    QString m_path;
    std::unique_ptr<GameHistory> m_history;
    QDate m_day;
    bool m_code = false;
    GameHistory::Failure m_failure = GameHistory::Failure::None;
    GameHistory::Cause m_cause = GameHistory::Cause::Other;
    QString m_detail;
    QString m_movedAside; // where the damaged history went, until the player is told
    std::set<GameHistory::Failure> m_told;
    // The match being kept: when it started, its id in the history (0 when
    // it could not be written), the rounds written and whether its end is.
    QDateTime m_matchStarted;
    qint64 m_matchId = 0;
    int m_matchRounds = 0;
    bool m_matchEnded = false;
};

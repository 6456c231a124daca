#include "historyschema.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

#include <array>

namespace historyschema {

namespace {

using Step = QStringList (*)();

// Version 0 to 1: the games, the resets of the counts and the counters an
// older version kept in the settings store.
QStringList createTables()
{
    return {
        // Every game scored, counted or not. The numbers are kept as the
        // player saw them, "100 75 8 5 3 2"; dates and times as ISO text. The
        // band is PlayerStats::bandOf of the round (0 best possible, 1 up to 5
        // short of it, 2 up to 10, 3 further, 4 no answer), kept with the game
        // so that the rule lives in one place and the counts need no
        // arithmetic per game; a version that changes the rule recomputes it
        // from the distances in a migration step.
        QStringLiteral(
            "CREATE TABLE games ("
            " id INTEGER PRIMARY KEY,"
            " played_at TEXT NOT NULL,"
            " numbers TEXT NOT NULL,"
            " target INTEGER NOT NULL,"
            " board TEXT NOT NULL CHECK (board IN ('picked', 'daily')),"
            " daily_date TEXT,"
            " answer TEXT NOT NULL,"
            " value INTEGER NOT NULL,"
            " best_value INTEGER NOT NULL,"
            " declared INTEGER NOT NULL CHECK (declared IN (0, 1)),"
            " distance INTEGER NOT NULL,"
            " best_distance INTEGER NOT NULL,"
            " points INTEGER NOT NULL,"
            " band INTEGER NOT NULL CHECK (band BETWEEN 0 AND 4),"
            " seconds_left INTEGER,"
            " is_daily_result INTEGER NOT NULL DEFAULT 0"
            "  CHECK (is_daily_result IN (0, 1)),"
            " CHECK (is_daily_result = 0 OR (board = 'daily' AND daily_date IS NOT NULL)))"),
        // One result per day, even with two copies of the game writing.
        QStringLiteral("CREATE UNIQUE INDEX games_one_result_per_day"
                       " ON games (daily_date) WHERE is_daily_result"),
        // The games that break a run of best-possible answers, and those not
        // counted at all, which a run passes over: a run is the games between
        // two of these, so the runs of a long history read only this index.
        QStringLiteral("CREATE INDEX games_run_breaks ON games (id, board, is_daily_result)"
                       " WHERE band <> 0 OR (board = 'daily' AND NOT is_daily_result)"),
        // The games the statistics count: a second try at a day's board does not.
        QStringLiteral("CREATE VIEW counted_games AS SELECT id, declared, points, band FROM games"
                       " WHERE board = 'picked' OR is_daily_result"),
        // Each reset of the counts: the games up to last_game_id no longer count.
        QStringLiteral("CREATE TABLE resets ("
                       " id INTEGER PRIMARY KEY,"
                       " reset_at TEXT NOT NULL,"
                       " last_game_id INTEGER NOT NULL)"),
        // The counters an older version kept, carried over once (a single
        // row); `counting` drops to 0 when a reset clears them, while the day's
        // result they hold still closes that day's board.
        QStringLiteral("CREATE TABLE carried_over ("
                       " only_row INTEGER PRIMARY KEY CHECK (only_row = 1),"
                       " carried_at TEXT NOT NULL,"
                       " counting INTEGER NOT NULL DEFAULT 1,"
                       " games INTEGER NOT NULL, declared INTEGER NOT NULL,"
                       " best INTEGER NOT NULL, points INTEGER NOT NULL,"
                       " current_run INTEGER NOT NULL, longest_run INTEGER NOT NULL,"
                       " band_best INTEGER NOT NULL, band_up_to_5 INTEGER NOT NULL,"
                       " band_up_to_10 INTEGER NOT NULL, band_over_10 INTEGER NOT NULL,"
                       " band_no_answer INTEGER NOT NULL,"
                       " daily_date TEXT, daily_declared INTEGER NOT NULL,"
                       " daily_distance INTEGER NOT NULL, daily_best_distance INTEGER NOT NULL,"
                       " daily_points INTEGER NOT NULL, daily_time_left INTEGER NOT NULL)"),
    };
}

// Version 1 to 2: what practice adds to a game. Games recorded before were
// all played on the clock, without hints, and were never rated or timed.
QStringList addPractice()
{
    return {
        QStringLiteral("ALTER TABLE games ADD COLUMN timed INTEGER NOT NULL DEFAULT 1"
                       " CHECK (timed IN (0, 1))"),
        QStringLiteral("ALTER TABLE games ADD COLUMN hints INTEGER NOT NULL DEFAULT 0"
                       " CHECK (hints BETWEEN 0 AND 3)"),
        // 1 Easy to 4 Very hard.
        QStringLiteral("ALTER TABLE games ADD COLUMN rating INTEGER"
                       " CHECK (rating BETWEEN 1 AND 4)"),
        // From the target standing still to Declare; NULL for No answer.
        QStringLiteral("ALTER TABLE games ADD COLUMN solve_ms INTEGER CHECK (solve_ms >= 0)"),
    };
}

// Version 2 to 3: a board dealt from its code. The board column keeps its
// two values (a CHECK cannot be widened in place): such a game is a 'picked'
// one, counted like any board of the player's own choosing, with the code it
// was dealt from beside it; every game recorded before has none.
QStringList addBoardCodes()
{
    return {
        QStringLiteral("ALTER TABLE games ADD COLUMN code TEXT"
                       " CHECK (code IS NULL OR (board = 'picked' AND length(code) = 10"
                       " AND code GLOB 'TF-[2-9A-Z][2-9A-Z][2-9A-Z]-[2-9A-Z][2-9A-Z][2-9A-Z]'))"),
    };
}

// Version 3 to 4: matches of two players at one screen. They are kept apart
// from the games: a round's answers are two people's, not the player's own,
// so no statistic of games may count them. Every game kept before stays.
QStringList addMatches()
{
    return {
        // A match from its start: its score follows each round, and it is
        // ended (ended_at) when its last round is played or when it is left;
        // only then finished says which. The winner is 1 or 2, NULL for a
        // draw or a match left unfinished.
        QStringLiteral("CREATE TABLE matches ("
                       " id INTEGER PRIMARY KEY,"
                       " started_at TEXT NOT NULL,"
                       " ended_at TEXT,"
                       " player1 TEXT NOT NULL,"
                       " player2 TEXT NOT NULL,"
                       " rounds INTEGER NOT NULL CHECK (rounds BETWEEN 1 AND 15),"
                       " boards TEXT NOT NULL CHECK (boards IN ('dealt', 'picked')),"
                       " score1 INTEGER NOT NULL DEFAULT 0,"
                       " score2 INTEGER NOT NULL DEFAULT 0,"
                       " finished INTEGER NOT NULL DEFAULT 0 CHECK (finished IN (0, 1)),"
                       " winner INTEGER CHECK (winner IN (1, 2)),"
                       " CHECK (finished = 0 OR ended_at IS NOT NULL),"
                       " CHECK (winner IS NULL OR finished = 1))"),
        // Each round played, with both answers side by side: value and
        // distance are NULL for No answer. The winner is 1 or 2, NULL for a tie.
        QStringLiteral("CREATE TABLE match_rounds ("
                       " match_id INTEGER NOT NULL REFERENCES matches (id),"
                       " round INTEGER NOT NULL CHECK (round BETWEEN 1 AND 15),"
                       " numbers TEXT NOT NULL,"
                       " target INTEGER NOT NULL,"
                       " best_value INTEGER NOT NULL,"
                       " best_distance INTEGER NOT NULL,"
                       " first_player INTEGER NOT NULL CHECK (first_player IN (1, 2)),"
                       " answer1 TEXT NOT NULL, value1 INTEGER, distance1 INTEGER,"
                       " points1 INTEGER NOT NULL,"
                       " answer2 TEXT NOT NULL, value2 INTEGER, distance2 INTEGER,"
                       " points2 INTEGER NOT NULL,"
                       " winner INTEGER CHECK (winner IN (1, 2)),"
                       " PRIMARY KEY (match_id, round))"),
    };
}

// Step i brings a file from version i to i + 1; a later version appends its own.
constexpr std::array<Step, 4> steps{&createTables, &addPractice, &addBoardCodes, &addMatches};

} // namespace

int currentVersion()
{
    return int(steps.size());
}

bool migrate(QSqlDatabase &db, int fromVersion, QString *error, int toVersion)
{
    if (toVersion <= 0 || toVersion > currentVersion())
        toVersion = currentVersion();
    for (int version = fromVersion; version < toVersion; ++version) {
        for (const QString &statement : steps[version]()) {
            QSqlQuery query(db);
            if (!query.exec(statement)) {
                *error = query.lastError().text();
                return false;
            }
        }
    }
    QSqlQuery query(db);
    // PRAGMA takes no bound values; the number is our own.
    if (!query.exec(QStringLiteral("PRAGMA user_version = %1").arg(toVersion))) {
        *error = query.lastError().text();
        return false;
    }
    return true;
}

} // namespace historyschema

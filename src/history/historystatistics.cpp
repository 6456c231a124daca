// What the history answers: the statistics, worked out from the games each
// time they are asked for, the days' results and the games themselves.

#include "gamehistory.h"

#include "historyconnection.h"

#include <QVariant>

#include <algorithm>
#include <limits>
#include <vector>

namespace {

// Counts stop at the largest qint32 rather than wrapping.
qint32 saturated(qint64 count)
{
    return qint32(std::clamp<qint64>(count, std::numeric_limits<qint32>::min(),
                                     std::numeric_limits<qint32>::max()));
}

// The games the counts start after (those up to the last reset no longer
// count), and the last game.
const char boundsSql[] = "SELECT (SELECT COALESCE(MAX(last_game_id), 0) FROM resets),"
                         " (SELECT COALESCE(MAX(id), 0) FROM games)";

// The totals and the bands of the games since then.
const char countsSql[] =
    "SELECT COUNT(*), TOTAL(declared), TOTAL(points), TOTAL(band = 0), TOTAL(band = 1),"
    " TOTAL(band = 2), TOTAL(band = 3), TOTAL(band = 4) FROM counted_games WHERE id > ?";

// The games since then that break a run (whether counted) in the order they
// were played, through their own index: every game between two that break
// it is a best-possible answer. One pass over them is several times quicker
// than SQLite's window functions over every game.
const char breaksSql[] =
    "SELECT id, board = 'picked' OR is_daily_result FROM games"
    " WHERE id > ? AND (band <> 0 OR (board = 'daily' AND NOT is_daily_result)) ORDER BY id";

// Timed and untimed games, and the hints taken, since then.
const char practiceSql[] = "SELECT TOTAL(timed), TOTAL(NOT timed), TOTAL(hints) FROM games"
                           " WHERE id > ? AND (board = 'picked' OR is_daily_result)";

// The times to solve of the timed best-possible answers since then, for
// their median and the best.
const char solveTimesSql[] =
    "SELECT solve_ms FROM games WHERE id > ? AND (board = 'picked' OR is_daily_result)"
    " AND timed AND declared AND band = 0 AND solve_ms IS NOT NULL ORDER BY solve_ms";

// The best-possible answers the games began with, the longest run and the run
// they end with.
struct Runs
{
    qint64 leading = 0;
    qint64 longest = 0;
    qint64 current = 0;
};

const char carriedSql[] =
    "SELECT counting, games, declared, points, band_best, band_up_to_5, band_up_to_10,"
    " band_over_10, band_no_answer, longest_run, current_run, daily_date, daily_declared,"
    " daily_distance, daily_best_distance, daily_points, daily_time_left FROM carried_over";

// The latest day's result, found through the one-result-per-day index.
const char dailySql[] =
    "SELECT daily_date, declared, distance, best_distance, points, seconds_left, timed"
    " FROM games WHERE is_daily_result ORDER BY daily_date DESC LIMIT 1";

// Every day with a result (a game's, or the one carried over), latest first.
const char daysSql[] =
    "SELECT daily_date FROM games WHERE is_daily_result AND daily_date <= ?"
    " UNION SELECT daily_date FROM carried_over WHERE daily_date <= ? ORDER BY 1 DESC";

// The days' results between two dates; a game's before the one carried over.
const char dayResultsSql[] =
    "SELECT daily_date, declared, distance, best_distance, points, seconds_left, timed, 0"
    " FROM games WHERE is_daily_result AND daily_date BETWEEN ? AND ?"
    " UNION ALL SELECT daily_date, daily_declared, daily_distance, daily_best_distance,"
    " daily_points, daily_time_left, 1, 1 FROM carried_over WHERE daily_date BETWEEN ? AND ?"
    " ORDER BY 8 DESC";

// The matches played to their last round since the last reset of the counts.
const char matchesSql[] = "SELECT COUNT(*) FROM matches WHERE finished"
                          " AND ended_at > COALESCE((SELECT MAX(reset_at) FROM resets), '')";

} // namespace

int GameHistory::Connection::dayHasResult(QDate day, Failure failure) const
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral(
        "SELECT EXISTS (SELECT 1 FROM games WHERE is_daily_result AND daily_date = ?)"
        " OR EXISTS (SELECT 1 FROM carried_over WHERE daily_date = ?)"));
    const QString text = day.toString(Qt::ISODate);
    query.addBindValue(text);
    query.addBindValue(text);
    if (!run(query, failure) || !query.next())
        return -1;
    return query.value(0).toBool() ? 1 : 0;
}

bool GameHistory::hasDailyResult(QDate day) const
{
    if (!d->start() || !day.isValid())
        return false;
    HistoryTransaction transaction(*d, HistoryTransaction::Kind::Read);
    return transaction.isOpen() && d->dayHasResult(day, Failure::CannotOpen) == 1;
}

PlayerStats GameHistory::statistics(QDate today) const
{
    if (!today.isValid())
        today = QDate::currentDate();
    if (!d->start())
        return {};
    // One snapshot: a game another copy records meanwhile is in every count or in none.
    HistoryTransaction transaction(*d, HistoryTransaction::Kind::Read);
    if (!transaction.isOpen())
        return {};
    QSqlQuery query(d->db);
    query.setForwardOnly(true);
    if (!d->run(query, QString::fromLatin1(boundsSql), Failure::CannotOpen) || !query.next())
        return {};
    const qint64 since = query.value(0).toLongLong();
    const qint64 lastGame = query.value(1).toLongLong();
    query.prepare(QString::fromLatin1(countsSql));
    query.addBindValue(since);
    if (!d->run(query, Failure::CannotOpen) || !query.next())
        return {};
    const auto count = [&](int column) { return qint64(query.value(column).toDouble()); };
    const qint64 historyGames = count(0);
    qint64 games = historyGames, declared = count(1), points = count(2);
    std::array<qint64, PlayerStats::BandCount> bands{};
    for (int band = 0; band < PlayerStats::BandCount; ++band)
        bands[band] = count(3 + band);

    query.prepare(QString::fromLatin1(practiceSql));
    query.addBindValue(since);
    if (!d->run(query, Failure::CannotOpen) || !query.next())
        return {};
    qint64 timed = count(0);
    const qint64 untimed = count(1), hints = count(2);
    query.prepare(QString::fromLatin1(solveTimesSql));
    query.addBindValue(since);
    if (!d->run(query, Failure::CannotOpen))
        return {};
    std::vector<qint64> times;
    while (query.next())
        times.push_back(query.value(0).toLongLong());

    query.prepare(QString::fromLatin1(breaksSql));
    query.addBindValue(since);
    if (!d->run(query, Failure::CannotOpen))
        return {};
    Runs runs;
    bool broken = false;
    qint64 previous = since; // the last game that broke a run
    qint64 passedOver = 0;   // games since then that are not counted
    while (query.next()) {
        const qint64 id = query.value(0).toLongLong();
        if (!query.value(1).toBool()) {
            ++passedOver;
            continue;
        }
        const qint64 run = id - previous - 1 - passedOver;
        if (!broken)
            runs.leading = run;
        broken = true;
        runs.longest = std::max(runs.longest, run);
        previous = id;
        passedOver = 0;
    }
    runs.current = lastGame - previous - passedOver;
    runs.longest = std::max(runs.longest, runs.current);
    if (!broken)
        runs.leading = runs.current;
    qint64 longest = runs.longest;
    const qint64 leading = runs.leading;
    qint64 current = runs.current;

    if (!d->run(query, QString::fromLatin1(carriedSql), Failure::CannotOpen))
        return {};
    PlayerStats stats;
    if (query.next()) {
        if (query.value(0).toBool()) {
            games += query.value(1).toLongLong();
            timed += query.value(1).toLongLong(); // every older game was on the clock
            declared += query.value(2).toLongLong();
            points += query.value(3).toLongLong();
            for (int band = 0; band < PlayerStats::BandCount; ++band)
                bands[band] += query.value(4 + band).toLongLong();
            // The older run goes on through the best answers the history begins with.
            const qint64 oldCurrent = query.value(10).toLongLong();
            longest = std::max(
                {longest, query.value(9).toLongLong(), leading > 0 ? oldCurrent + leading : 0});
            if (leading == historyGames)
                current += oldCurrent;
        }
        stats.dailyDate = QDate::fromString(query.value(11).toString(), Qt::ISODate);
        stats.daily.declared = query.value(12).toBool();
        stats.daily.distance = query.value(13).toLongLong();
        stats.daily.bestDistance = query.value(14).toLongLong();
        stats.daily.points = query.value(15).toInt();
        stats.dailyTimeLeft = saturated(query.value(16).toLongLong());
    }

    if (!d->run(query, QString::fromLatin1(dailySql), Failure::CannotOpen))
        return {};
    if (query.next()) {
        const QDate day = QDate::fromString(query.value(0).toString(), Qt::ISODate);
        if (!stats.dailyDate.isValid() || day > stats.dailyDate) {
            stats.dailyDate = day;
            stats.daily.declared = query.value(1).toBool();
            stats.daily.distance = query.value(2).toLongLong();
            stats.daily.bestDistance = query.value(3).toLongLong();
            stats.daily.points = query.value(4).toInt();
            stats.dailyTimeLeft = saturated(query.value(5).toLongLong());
            stats.dailyTimed = query.value(6).toBool();
        }
    }
    // The days played and the run of them that ends today, or yesterday
    // while today's board waits.
    query.prepare(QString::fromLatin1(daysSql));
    query.addBindValue(today.toString(Qt::ISODate));
    query.addBindValue(today.toString(Qt::ISODate));
    if (!d->run(query, Failure::CannotOpen))
        return {};
    qint64 days = 0, streak = 0;
    QDate next = today; // the day the run needs next, going back
    while (query.next()) {
        const QDate day = QDate::fromString(query.value(0).toString(), Qt::ISODate);
        if (!day.isValid())
            continue;
        ++days;
        if (day == next || (streak == 0 && day == today.addDays(-1))) {
            ++streak;
            next = day.addDays(-1);
        } else {
            next = {}; // the run has ended
        }
    }
    stats.daysPlayed = saturated(days);
    stats.dayStreak = saturated(streak);
    if (!d->run(query, QString::fromLatin1(matchesSql), Failure::CannotOpen) || !query.next())
        return {};
    stats.matchesPlayed = saturated(query.value(0).toLongLong());
    query.finish();
    transaction.commit();

    stats.gamesScored = saturated(games);
    stats.answersDeclared = saturated(declared);
    stats.pointsTotal = saturated(points);
    stats.bestReached = saturated(bands[PlayerStats::BestBand]);
    for (int band = 0; band < PlayerStats::BandCount; ++band)
        stats.bands[band] = saturated(bands[band]);
    stats.timedGames = saturated(timed);
    stats.untimedGames = saturated(untimed);
    stats.hintsTaken = saturated(hints);
    if (!times.empty()) {
        const std::size_t middle = times.size() / 2;
        stats.bestSolveMs = times.front();
        stats.medianSolveMs =
            times.size() % 2 ? times[middle] : (times[middle - 1] + times[middle]) / 2;
    }
    stats.currentRun = saturated(current);
    stats.longestRun = saturated(longest);
    return stats;
}

QList<PlayedGame> GameHistory::lastGames(int count) const
{
    QList<PlayedGame> games;
    if (!d->start() || count <= 0)
        return games;
    QSqlQuery query(d->db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral(
        "SELECT played_at, numbers, target, board, daily_date, answer, value, best_value,"
        " declared, distance, best_distance, points, seconds_left, timed, hints, rating,"
        " solve_ms, code IS NOT NULL FROM games ORDER BY id DESC LIMIT ?"));
    query.addBindValue(count);
    if (!d->run(query, Failure::CannotOpen))
        return games;
    while (query.next()) {
        PlayedGame game;
        game.playedAt = QDateTime::fromString(query.value(0).toString(), Qt::ISODateWithMs);
        const QStringList numbers = query.value(1).toString().split(QLatin1Char(' '));
        for (qsizetype i = 0; i < qsizetype(game.numbers.size()) && i < numbers.size(); ++i)
            game.numbers[i] = numbers[i].toInt();
        game.target = query.value(2).toInt();
        if (query.value(3).toString() == QLatin1String("daily"))
            game.board = PlayedGame::Board::Daily;
        else if (query.value(17).toBool()) // the code it was dealt from
            game.board = PlayedGame::Board::Code;
        game.dailyDate = QDate::fromString(query.value(4).toString(), Qt::ISODate);
        game.answer = query.value(5).toString();
        game.value = query.value(6).toLongLong();
        game.bestValue = query.value(7).toLongLong();
        game.round.declared = query.value(8).toBool();
        game.round.distance = query.value(9).toLongLong();
        game.round.bestDistance = query.value(10).toLongLong();
        game.round.points = query.value(11).toInt();
        if (!query.value(12).isNull())
            game.secondsLeft = query.value(12).toInt();
        game.timed = query.value(13).toBool();
        game.hints = query.value(14).toInt();
        game.rating = query.value(15).toInt();
        if (!query.value(16).isNull())
            game.solveMs = query.value(16).toLongLong();
        games.append(game);
    }
    return games;
}

QMap<QDate, DayResult> GameHistory::dayResults(QDate first, QDate last) const
{
    QMap<QDate, DayResult> results;
    if (!d->start() || !first.isValid() || !last.isValid())
        return results;
    HistoryTransaction transaction(*d, HistoryTransaction::Kind::Read);
    if (!transaction.isOpen())
        return results;
    QSqlQuery query(d->db);
    query.setForwardOnly(true);
    query.prepare(QString::fromLatin1(dayResultsSql));
    for (int twice = 0; twice < 2; ++twice) {
        query.addBindValue(first.toString(Qt::ISODate));
        query.addBindValue(last.toString(Qt::ISODate));
    }
    if (!d->run(query, Failure::CannotOpen))
        return results;
    while (query.next()) {
        const QDate day = QDate::fromString(query.value(0).toString(), Qt::ISODate);
        DayResult result;
        result.round.declared = query.value(1).toBool();
        result.round.distance = query.value(2).toLongLong();
        result.round.bestDistance = query.value(3).toLongLong();
        result.round.points = query.value(4).toInt();
        result.timeLeft = saturated(query.value(5).toLongLong());
        result.timed = query.value(6).toBool();
        // The carried-over row comes first, so a game's result replaces it.
        if (day.isValid())
            results.insert(day, result);
    }
    return results;
}

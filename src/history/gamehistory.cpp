#include "gamehistory.h"

#include "boardcode.h"
#include "historyconnection.h"

#include <QDir>
#include <QStandardPaths>
#include <QStringList>
#include <QVariant>

#include <algorithm>

namespace {

QString numbersText(const std::array<qint32, 6> &numbers)
{
    QStringList parts;
    for (const qint32 n : numbers)
        parts << QString::number(n);
    return parts.join(QLatin1Char(' '));
}

QString nowText()
{
    return QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs);
}

} // namespace

GameHistory::GameHistory(const QString &path)
    : d(std::make_unique<Connection>(path))
{}

GameHistory::~GameHistory() = default;

QString GameHistory::defaultPath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    // A failure here shows again, with its folder, when the history opens.
    QDir().mkpath(folder);
    return folder + QStringLiteral("/history.sqlite");
}

bool GameHistory::record(const PlayedGame &game, bool *dailyResult)
{
    if (dailyResult)
        *dailyResult = false;
    if (!d->start())
        return false;
    HistoryTransaction transaction(*d, HistoryTransaction::Kind::Write);
    if (!transaction.isOpen())
        return false;
    const bool daily = game.board == PlayedGame::Board::Daily;
    // The check and the insert share the write lock, so two copies cannot
    // both take the day; the unique index would refuse the second anyway.
    bool result = false;
    if (daily && game.dailyDate.isValid()) {
        const int has = d->dayHasResult(game.dailyDate, Failure::CannotWrite);
        if (has < 0)
            return false;
        result = has == 0;
    }
    const QDateTime playedAt =
        game.playedAt.isValid() ? game.playedAt : QDateTime::currentDateTimeUtc();
    QSqlQuery query(d->db);
    query.prepare(QStringLiteral(
        "INSERT INTO games (played_at, numbers, target, board, daily_date, answer, value,"
        " best_value, declared, distance, best_distance, points, band, seconds_left,"
        " is_daily_result, timed, hints, rating, solve_ms, code)"
        " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    query.addBindValue(playedAt.toUTC().toString(Qt::ISODateWithMs));
    query.addBindValue(numbersText(game.numbers));
    query.addBindValue(game.target);
    query.addBindValue(daily ? QStringLiteral("daily") : QStringLiteral("picked"));
    query.addBindValue(daily && game.dailyDate.isValid() ? game.dailyDate.toString(Qt::ISODate)
                                                         : QVariant());
    // A null text would be stored as NULL; "No answer" is the empty answer.
    query.addBindValue(game.answer.isNull() ? QStringLiteral("") : game.answer);
    query.addBindValue(game.value);
    query.addBindValue(game.bestValue);
    query.addBindValue(game.round.declared ? 1 : 0);
    query.addBindValue(game.round.distance);
    query.addBindValue(game.round.bestDistance);
    query.addBindValue(game.round.points);
    query.addBindValue(int(PlayerStats::bandOf(game.round)));
    query.addBindValue(game.secondsLeft ? QVariant(*game.secondsLeft) : QVariant());
    query.addBindValue(result ? 1 : 0);
    query.addBindValue(game.timed ? 1 : 0);
    query.addBindValue(std::clamp(game.hints, 0, 3));
    query.addBindValue(game.rating >= 1 && game.rating <= 4 ? QVariant(game.rating) : QVariant());
    query.addBindValue(game.solveMs && *game.solveMs >= 0 ? QVariant(*game.solveMs) : QVariant());
    // A board without a code (a target beyond 999) is kept as picked.
    const QString code = game.board == PlayedGame::Board::Code
                             ? QString::fromStdString(solver::boardCode(game.numbers, game.target))
                             : QString();
    query.addBindValue(code.isEmpty() ? QVariant() : QVariant(code));
    if (!d->run(query, Failure::CannotWrite) || !transaction.commit())
        return false;
    if (dailyResult)
        *dailyResult = result;
    return true;
}

bool GameHistory::resetCounts()
{
    if (!d->start())
        return false;
    HistoryTransaction transaction(*d, HistoryTransaction::Kind::Write);
    if (!transaction.isOpen())
        return false;
    QSqlQuery query(d->db);
    query.prepare(QStringLiteral("INSERT INTO resets (reset_at, last_game_id)"
                                 " SELECT ?, COALESCE(MAX(id), 0) FROM games"));
    query.addBindValue(nowText());
    return d->run(query, Failure::CannotWrite) &&
           d->run(query, QStringLiteral("UPDATE carried_over SET counting = 0"),
                  Failure::CannotWrite) &&
           transaction.commit();
}

bool GameHistory::carryOver(const PlayerStats &old)
{
    if (!d->start())
        return false;
    HistoryTransaction transaction(*d, HistoryTransaction::Kind::Write);
    if (!transaction.isOpen())
        return false;
    QSqlQuery query(d->db);
    // The single row's key makes a second carry-over a no-op.
    query.prepare(QStringLiteral(
        "INSERT OR IGNORE INTO carried_over (only_row, carried_at, games, declared, best, points,"
        " current_run, longest_run, band_best, band_up_to_5, band_up_to_10, band_over_10,"
        " band_no_answer, daily_date, daily_declared, daily_distance, daily_best_distance,"
        " daily_points, daily_time_left)"
        " VALUES (1, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    query.addBindValue(nowText());
    for (const qint32 count : {old.gamesScored, old.answersDeclared, old.bestReached,
                               old.pointsTotal, old.currentRun, old.longestRun})
        query.addBindValue(count);
    for (const qint32 count : old.bands)
        query.addBindValue(count);
    query.addBindValue(old.dailyDate.isValid() ? old.dailyDate.toString(Qt::ISODate) : QVariant());
    query.addBindValue(old.daily.declared ? 1 : 0);
    query.addBindValue(old.daily.distance);
    query.addBindValue(old.daily.bestDistance);
    query.addBindValue(old.daily.points);
    query.addBindValue(old.dailyTimeLeft);
    return d->run(query, Failure::CannotWrite) && transaction.commit();
}

GameHistory::Failure GameHistory::failure() const
{
    return d->lastFailure;
}

GameHistory::Cause GameHistory::cause() const
{
    return d->lastCause;
}

QString GameHistory::failureDetail() const
{
    return d->lastDetail;
}

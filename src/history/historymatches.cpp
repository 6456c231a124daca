// Two-player matches in the history: each written as it goes, so that a
// match left half-way is kept with the rounds it had, and read back whole.

#include "gamehistory.h"

#include "historyconnection.h"

#include <QStringList>
#include <QVariant>

namespace {

QString timeText(const QDateTime &at)
{
    const QDateTime when = at.isValid() ? at : QDateTime::currentDateTimeUtc();
    return when.toUTC().toString(Qt::ISODateWithMs);
}

// Players are 0 and 1 in the program, 1 and 2 in the file, where a reader
// of the table sees them as player1 and player2.
QVariant playerColumn(int player)
{
    return player == 0 || player == 1 ? QVariant(player + 1) : QVariant();
}

int playerFrom(const QVariant &column)
{
    return column.isNull() ? -1 : column.toInt() - 1;
}

} // namespace

qint64 GameHistory::startMatch(const MatchRecord &match)
{
    if (!d->start())
        return 0;
    HistoryTransaction transaction(*d, HistoryTransaction::Kind::Write);
    if (!transaction.isOpen())
        return 0;
    QSqlQuery query(d->db);
    query.prepare(
        QStringLiteral("INSERT INTO matches (started_at, player1, player2, rounds, boards)"
                       " VALUES (?, ?, ?, ?, ?)"));
    query.addBindValue(timeText(match.startedAt));
    query.addBindValue(match.players[0]);
    query.addBindValue(match.players[1]);
    query.addBindValue(match.rounds);
    query.addBindValue(match.boards == MatchRecord::Boards::Picked ? QStringLiteral("picked")
                                                                   : QStringLiteral("dealt"));
    if (!d->run(query, Failure::CannotWrite))
        return 0;
    const qint64 id = query.lastInsertId().toLongLong();
    return transaction.commit() ? id : 0;
}

bool GameHistory::recordMatchRound(qint64 match, int number, const MatchRound &round,
                                   std::array<int, 2> score)
{
    if (!d->start())
        return false;
    HistoryTransaction transaction(*d, HistoryTransaction::Kind::Write);
    if (!transaction.isOpen())
        return false;
    QSqlQuery query(d->db);
    query.prepare(QStringLiteral(
        "INSERT INTO match_rounds (match_id, round, numbers, target, best_value, best_distance,"
        " first_player, answer1, value1, distance1, points1, answer2, value2, distance2, points2,"
        " winner) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    query.addBindValue(match);
    query.addBindValue(number);
    QStringList numbers;
    for (const qint32 n : round.numbers)
        numbers << QString::number(n);
    query.addBindValue(numbers.join(QLatin1Char(' ')));
    query.addBindValue(round.target);
    query.addBindValue(round.bestValue);
    query.addBindValue(round.bestDistance);
    query.addBindValue(playerColumn(round.firstPlayer));
    for (const MatchAnswer &answer : round.answers) {
        query.addBindValue(answer.declared ? answer.answer : QStringLiteral(""));
        query.addBindValue(answer.declared ? QVariant(answer.value) : QVariant());
        query.addBindValue(answer.declared ? QVariant(answer.distance) : QVariant());
        query.addBindValue(answer.points);
    }
    query.addBindValue(playerColumn(round.winner));
    if (!d->run(query, Failure::CannotWrite))
        return false;
    query.prepare(QStringLiteral("UPDATE matches SET score1 = ?, score2 = ? WHERE id = ?"));
    query.addBindValue(score[0]);
    query.addBindValue(score[1]);
    query.addBindValue(match);
    return d->run(query, Failure::CannotWrite) && transaction.commit();
}

bool GameHistory::endMatch(qint64 match, const MatchRecord &ended)
{
    if (!d->start())
        return false;
    HistoryTransaction transaction(*d, HistoryTransaction::Kind::Write);
    if (!transaction.isOpen())
        return false;
    QSqlQuery query(d->db);
    query.prepare(QStringLiteral("UPDATE matches SET ended_at = ?, score1 = ?, score2 = ?,"
                                 " finished = ?, winner = ? WHERE id = ?"));
    query.addBindValue(timeText(ended.endedAt));
    query.addBindValue(ended.score[0]);
    query.addBindValue(ended.score[1]);
    query.addBindValue(ended.finished ? 1 : 0);
    query.addBindValue(ended.finished ? playerColumn(ended.winner) : QVariant());
    query.addBindValue(match);
    return d->run(query, Failure::CannotWrite) && transaction.commit();
}

QList<MatchRecord> GameHistory::lastMatches(int count) const
{
    QList<MatchRecord> matches;
    if (!d->start() || count <= 0)
        return matches;
    HistoryTransaction transaction(*d, HistoryTransaction::Kind::Read);
    if (!transaction.isOpen())
        return matches;
    QSqlQuery query(d->db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT id, started_at, ended_at, player1, player2, rounds,"
                                 " boards, score1, score2, finished, winner FROM matches"
                                 " ORDER BY id DESC LIMIT ?"));
    query.addBindValue(count);
    if (!d->run(query, Failure::CannotOpen))
        return matches;
    QList<qint64> ids;
    while (query.next()) {
        MatchRecord match;
        ids << query.value(0).toLongLong();
        match.startedAt = QDateTime::fromString(query.value(1).toString(), Qt::ISODateWithMs);
        match.endedAt = QDateTime::fromString(query.value(2).toString(), Qt::ISODateWithMs);
        match.players = {query.value(3).toString(), query.value(4).toString()};
        match.rounds = query.value(5).toInt();
        match.boards = query.value(6).toString() == QLatin1String("picked")
                           ? MatchRecord::Boards::Picked
                           : MatchRecord::Boards::Dealt;
        match.score = {query.value(7).toInt(), query.value(8).toInt()};
        match.finished = query.value(9).toBool();
        match.winner = playerFrom(query.value(10));
        matches.append(match);
    }
    query.prepare(QStringLiteral(
        "SELECT numbers, target, best_value, best_distance, first_player, answer1, value1,"
        " distance1, points1, answer2, value2, distance2, points2, winner FROM match_rounds"
        " WHERE match_id = ? ORDER BY round"));
    for (qsizetype i = 0; i < matches.size(); ++i) {
        query.bindValue(0, ids[i]);
        if (!d->run(query, Failure::CannotOpen))
            return {};
        while (query.next()) {
            MatchRound round;
            const QStringList numbers = query.value(0).toString().split(QLatin1Char(' '));
            for (qsizetype n = 0; n < qsizetype(round.numbers.size()) && n < numbers.size(); ++n)
                round.numbers[std::size_t(n)] = numbers[n].toInt();
            round.target = query.value(1).toInt();
            round.bestValue = query.value(2).toLongLong();
            round.bestDistance = query.value(3).toLongLong();
            round.firstPlayer = playerFrom(query.value(4));
            for (int player = 0; player < 2; ++player) {
                MatchAnswer &answer = round.answers[std::size_t(player)];
                const int at = 5 + 4 * player;
                answer.declared = !query.value(at + 1).isNull();
                answer.answer = query.value(at).toString();
                answer.value = query.value(at + 1).toLongLong();
                answer.distance = query.value(at + 2).toLongLong();
                answer.points = query.value(at + 3).toInt();
            }
            round.winner = playerFrom(query.value(13));
            matches[i].played.append(round);
        }
    }
    return matches;
}

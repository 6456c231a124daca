#pragma once

#include "gamehistory.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>

// One history's own connection (Qt SQL connections are per thread, so every
// GameHistory has its own, under a name no other object uses), how it was
// opened, and what went wrong most recently.
struct GameHistory::Connection
{
    explicit Connection(const QString &path);
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    // Starts an operation: clears the last failure, or repeats the opening's
    // when the history could not be opened (false then).
    bool start() const;
    void fail(Failure failure, const QSqlError &error) const;
    // Runs a prepared or plain query; on an error records `failure` with the
    // database's message and returns false.
    bool run(QSqlQuery &query, Failure failure) const;
    bool run(QSqlQuery &query, const QString &statement, Failure failure) const;
    // 1 when the day has its result (a game's, or the one carried over), 0
    // when not, -1 on an error (recorded as `failure`).
    int dayHasResult(QDate day, Failure failure) const;

    QString name;
    QString path;
    QSqlDatabase db;
    bool ready = false; // open and at the current schema version
    Failure openFailure = Failure::None;
    QString openDetail;
    mutable Failure lastFailure = Failure::None;
    mutable QString lastDetail;
    Cause openCause = Cause::Other;
    mutable Cause lastCause = Cause::Other;

private:
    enum class Probe { Usable, Damaged, Refused };
    Probe probe(QString *detail);
    bool prepare(QString *detail);
    bool moveAside(QString *detail);
};

// A transaction that rolls back unless committed. Writers take the write lock
// at the start (BEGIN IMMEDIATE), so that a second copy of the game waits in
// the busy timeout instead of failing half-way; readers see one snapshot.
class HistoryTransaction
{
public:
    enum class Kind { Read, Write };
    HistoryTransaction(const GameHistory::Connection &connection, Kind kind);
    ~HistoryTransaction();
    HistoryTransaction(const HistoryTransaction &) = delete;
    HistoryTransaction &operator=(const HistoryTransaction &) = delete;
    bool isOpen() const { return open; }
    bool commit();

private:
    const GameHistory::Connection &c;
    GameHistory::Failure failure;
    bool open = false;
};

#include "historyconnection.h"

#include "historyschema.h"

#include <QAtomicInteger>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QStorageInfo>

namespace {

const QString memoryPath = QStringLiteral(":memory:");

// SQLite's primary result codes for a file that is no database, or a
// damaged one (the extended codes keep them in their low byte).
constexpr int sqliteCorrupt = 11;
constexpr int sqliteNotADatabase = 26;

bool isDamage(const QSqlError &error)
{
    const int code = error.nativeErrorCode().toInt() & 0xff;
    return code == sqliteCorrupt || code == sqliteNotADatabase;
}

// SQLite's primary result codes a player can do something about. A full disk
// shows as "full" only when the database itself cannot grow; its log and
// its shared index that cannot be written give an I/O error, told as a full
// disk when the disk has next to nothing left.
GameHistory::Cause causeOf(const QSqlError &error, const QString &path)
{
    constexpr qint64 nearlyFull = 256 * 1024;
    switch (error.nativeErrorCode().toInt() & 0xff) {
    case 10: // SQLITE_IOERR
        return QStorageInfo(QFileInfo(path).absolutePath()).bytesAvailable() < nearlyFull
                   ? GameHistory::Cause::DiskFull
                   : GameHistory::Cause::Other;
    case 13: // SQLITE_FULL
        return GameHistory::Cause::DiskFull;
    case 3:  // SQLITE_PERM
    case 8:  // SQLITE_READONLY
    case 14: // SQLITE_CANTOPEN
    case 23: // SQLITE_AUTH
        return GameHistory::Cause::NotAllowed;
    case 5: // SQLITE_BUSY: another copy held the write lock past the timeout
    case 6: // SQLITE_LOCKED
        return GameHistory::Cause::Busy;
    default:
        return GameHistory::Cause::Other;
    }
}

QString uniqueName()
{
    static QAtomicInteger<quint64> next;
    return QStringLiteral("tallyfold.history.%1").arg(next.fetchAndAddRelaxed(1));
}

} // namespace

GameHistory::Connection::Connection(const QString &historyPath)
    : name(uniqueName())
    , path(historyPath)
    , db(QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name))
{
    QString detail;
    if (!db.isValid()) {
        openFailure = Failure::CannotOpen;
        openDetail = QStringLiteral("Qt's SQLite driver (QSQLITE) is not installed");
    } else if (path != memoryPath && !QDir().mkpath(QFileInfo(path).absolutePath())) {
        openFailure = Failure::CannotOpen;
        openCause = Cause::NoFolder;
        openDetail = QStringLiteral("cannot create the folder %1")
                         .arg(QDir::toNativeSeparators(QFileInfo(path).absolutePath()));
    } else {
        switch (probe(&detail)) {
        case Probe::Usable:
            ready = prepare(&detail);
            break;
        case Probe::Damaged: {
            QString moved;
            if (moveAside(&moved) && probe(&detail) == Probe::Usable && prepare(&detail)) {
                ready = true;
                openFailure = Failure::MovedAside;
                openDetail = moved;
            }
            break;
        }
        case Probe::Refused:
            break;
        }
        if (!ready && openFailure == Failure::None) {
            openFailure = Failure::CannotOpen;
            openDetail = detail;
        }
    }
    lastFailure = openFailure;
    lastDetail = openDetail;
    lastCause = openCause;
}

GameHistory::Connection::~Connection()
{
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(name);
}

GameHistory::Connection::Probe GameHistory::Connection::probe(QString *detail)
{
    const QString where = QDir::toNativeSeparators(path);
    db.setDatabaseName(path);
    if (!db.open()) {
        *detail = QStringLiteral("cannot open %1: %2").arg(where, db.lastError().text());
        openCause = causeOf(db.lastError(), path);
        return Probe::Refused;
    }
    const auto check = [&] {
        QSqlQuery query(db);
        // Two copies of the game may write at once: each waits for the
        // other's transaction (a few milliseconds) rather than failing at once.
        query.exec(QStringLiteral("PRAGMA busy_timeout = 1000"));
        if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next()) {
            *detail = QStringLiteral("cannot read %1: %2").arg(where, query.lastError().text());
            openCause = causeOf(query.lastError(), path);
            return isDamage(query.lastError()) ? Probe::Damaged : Probe::Refused;
        }
        const int version = query.value(0).toInt();
        if (version > historyschema::currentVersion()) {
            // A newer version of the game wrote it: leave it exactly as it is.
            *detail = QStringLiteral("%1 is at version %2 of the history, newer than this "
                                     "game's %3")
                          .arg(where)
                          .arg(version)
                          .arg(historyschema::currentVersion());
            return Probe::Refused;
        }
        if (!query.exec(QStringLiteral("PRAGMA quick_check")) || !query.next()) {
            *detail = QStringLiteral("cannot check %1: %2").arg(where, query.lastError().text());
            return isDamage(query.lastError()) ? Probe::Damaged : Probe::Refused;
        }
        if (query.value(0).toString() != QLatin1String("ok")) {
            *detail =
                QStringLiteral("%1 fails its check: %2").arg(where, query.value(0).toString());
            return Probe::Damaged;
        }
        return Probe::Usable;
    };
    const Probe result = check();
    if (result != Probe::Usable)
        db.close();
    return result;
}

bool GameHistory::Connection::prepare(QString *detail)
{
    QSqlQuery query(db);
    // Readers never wait for a writer, and a writer appends to the log. In WAL
    // a commit that reaches the log survives a crash of the game; only a
    // power cut may lose the last game. FULL would sync the disk on every
    // commit, on the window's thread: a quarter of a millisecond on an SSD,
    // tens of milliseconds on a spinning disk.
    query.exec(QStringLiteral("PRAGMA journal_mode = WAL"));
    query.exec(QStringLiteral("PRAGMA synchronous = NORMAL"));
    HistoryTransaction transaction(*this, HistoryTransaction::Kind::Write);
    QString error;
    bool done = transaction.isOpen();
    if (done) {
        // Read again inside the lock: another copy may have migrated it meanwhile.
        done = query.exec(QStringLiteral("PRAGMA user_version")) && query.next();
        error = query.lastError().text();
        const int version = done ? query.value(0).toInt() : 0;
        query.finish();
        if (done && version < historyschema::currentVersion())
            done = historyschema::migrate(db, version, &error);
        done = done && transaction.commit();
    }
    if (!done) {
        openCause = lastCause;
        *detail = QStringLiteral("cannot set up %1: %2")
                      .arg(QDir::toNativeSeparators(path), error.isEmpty() ? lastDetail : error);
        openFailure = Failure::CannotWrite;
    }
    return done;
}

bool GameHistory::Connection::moveAside(QString *detail)
{
    db.close();
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = path + QStringLiteral(".damaged-") + stamp;
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = path + QStringLiteral(".damaged-%1-%2").arg(stamp).arg(n);
    if (!QFile::rename(path, aside)) {
        openFailure = Failure::CannotOpen;
        openCause = Cause::NotAllowed;
        openDetail = QStringLiteral("cannot move the damaged history %1 aside")
                         .arg(QDir::toNativeSeparators(path));
        return false;
    }
    // Its log goes with it, or SQLite would replay it into the new history;
    // the shared-memory index is rebuilt from the log and goes.
    const QString wal = path + QStringLiteral("-wal");
    if (QFileInfo::exists(wal))
        QFile::rename(wal, aside + QStringLiteral("-wal"));
    QFile::remove(path + QStringLiteral("-shm"));
    *detail = QStringLiteral("the damaged history was moved aside as %1 and a new one started")
                  .arg(QDir::toNativeSeparators(aside));
    return true;
}

bool GameHistory::Connection::start() const
{
    lastFailure = ready ? Failure::None : openFailure;
    lastDetail = ready ? QString() : openDetail;
    lastCause = ready ? Cause::Other : openCause;
    return ready;
}

void GameHistory::Connection::fail(Failure failure, const QSqlError &error) const
{
    lastFailure = failure;
    lastCause = causeOf(error, path);
    lastDetail = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), error.text());
}

bool GameHistory::Connection::run(QSqlQuery &query, Failure failure) const
{
    if (query.exec())
        return true;
    fail(failure, query.lastError());
    return false;
}

bool GameHistory::Connection::run(QSqlQuery &query, const QString &statement, Failure failure) const
{
    if (query.exec(statement))
        return true;
    fail(failure, query.lastError());
    return false;
}

HistoryTransaction::HistoryTransaction(const GameHistory::Connection &connection, Kind kind)
    : c(connection)
    , failure(kind == Kind::Write ? GameHistory::Failure::CannotWrite
                                  : GameHistory::Failure::CannotOpen)
{
    QSqlQuery query(c.db);
    open = c.run(query,
                 kind == Kind::Write ? QStringLiteral("BEGIN IMMEDIATE") : QStringLiteral("BEGIN"),
                 failure);
}

HistoryTransaction::~HistoryTransaction()
{
    if (open) {
        QSqlQuery query(c.db);
        query.exec(QStringLiteral("ROLLBACK"));
    }
}

bool HistoryTransaction::commit()
{
    QSqlQuery query(c.db);
    open = !c.run(query, QStringLiteral("COMMIT"), failure);
    return !open;
}

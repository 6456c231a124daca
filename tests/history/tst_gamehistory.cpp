// The history of scored games: its statistics against PlayerStats replayed on
// the same games, the days' results, the carry-over, and the files it opens.

#include "gamehistory.h"
#include "historyschema.h"
#include "scorekeeper.h"
#include "twoplayermatch.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <limits>
#include <memory>
#include <thread>

Q_DECLARE_METATYPE(PlayerStats)

namespace {

const QDate firstDay(2025, 3, 1);

PlayedGame game(qint64 shortfall, PlayedGame::Board board = PlayedGame::Board::Picked,
                QDate day = {})
{
    PlayedGame g;
    g.playedAt = QDateTime(firstDay, QTime(12, 0), Qt::UTC);
    g.numbers = {100, 75, 8, 5, 3, 2};
    g.target = 523;
    g.board = board;
    g.dailyDate = day;
    g.round.declared = shortfall >= 0;
    g.round.bestDistance = 2;
    g.round.distance = g.round.declared ? 2 + shortfall : 0;
    g.round.points = g.round.declared ? int(std::max<qint64>(0, 10 - shortfall)) : 0;
    g.answer = g.round.declared ? QStringLiteral("(100 + 75) x 3 - 2") : QString();
    g.value = 523 + g.round.distance;
    g.bestValue = 525;
    g.secondsLeft = int(shortfall & 31);
    return g;
}

QString describe(const PlayerStats &s)
{
    QStringList bands;
    for (const qint32 b : s.bands)
        bands << QString::number(b);
    return QStringLiteral("games %1 declared %2 best %3 points %4 run %5 longest %6 bands %7 | "
                          "day %8 declared %9 distance %10 best %11 points %12 left %13")
        .arg(s.gamesScored)
        .arg(s.answersDeclared)
        .arg(s.bestReached)
        .arg(s.pointsTotal)
        .arg(s.currentRun)
        .arg(s.longestRun)
        .arg(bands.join(QLatin1Char(',')), s.dailyDate.toString(Qt::ISODate))
        .arg(s.daily.declared)
        .arg(s.daily.distance)
        .arg(s.daily.bestDistance)
        .arg(s.daily.points)
        .arg(s.dailyTimeLeft);
}

// A sequence of games as words: "0", "7" a picked game that fell so far
// short of the best possible, "n" one with no answer, "d3:0" the board of
// day 3 with its shortfall, "r" a reset of the counts. Random ones play the
// days from `day` on, in order, as a player meets them.
QString randomSteps(quint32 seed, int day)
{
    QRandomGenerator random(seed);
    QStringList steps;
    for (int i = 0; i < 300; ++i) {
        const int roll = random.bounded(100);
        const int shortfall = random.bounded(3) ? 0 : random.bounded(-1, 13);
        const QString result = shortfall < 0 ? QStringLiteral("n") : QString::number(shortfall);
        if (roll < 4)
            steps << QStringLiteral("r");
        else if (roll < 30)
            steps << QStringLiteral("d%1:%2").arg(day += random.bounded(2)).arg(result);
        else
            steps << result;
    }
    return steps.join(QLatin1Char(' '));
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The schema version a file is at, read through a connection of the test's own.
int userVersion(const QString &path)
{
    int version = -1;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("probe"));
        db.setDatabaseName(path);
        QSqlQuery query(db);
        if (db.open() && query.exec(QStringLiteral("PRAGMA user_version")) && query.next())
            version = query.value(0).toInt();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("probe"));
    return version;
}

} // namespace

class TestGameHistory : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        folder = std::make_unique<QTemporaryDir>();
        QVERIFY(folder->isValid());
    }
    void statistics_data();
    void statistics();
    void carryOverOnce();
    void keepsEveryField();
    void openingFiles_data();
    void openingFiles();
    void twoWritersAtOnce();
    void practiceFigures_data();
    void practiceFigures();
    void keeperDaysRule_data();
    void keeperDaysRule();
    void keeperTellsEachFailureOnce();
    void daysPlayedAndTheirRun_data();
    void daysPlayedAndTheirRun();
    void matchesKept_data();
    void matchesKept();

private:
    QString path() const { return folder->filePath(QStringLiteral("history.sqlite")); }
    std::unique_ptr<QTemporaryDir> folder;
};

void TestGameHistory::statistics_data()
{
    QTest::addColumn<PlayerStats>("carried");
    QTest::addColumn<QString>("steps");
    PlayerStats none;
    PlayerStats old;
    old.gamesScored = 9;
    old.answersDeclared = 8;
    old.bestReached = 5;
    old.pointsTotal = 61;
    old.currentRun = 3;
    old.longestRun = 4;
    old.bands = {5, 2, 1, 0, 1};
    old.dailyDate = firstDay.addDays(2);
    old.daily = {true, 3, 2, 9};
    old.dailyTimeLeft = 17;

    QTest::newRow("no games") << none << QString();
    QTest::newRow("the bands at their edges") << none << QStringLiteral("0 1 5 6 10 11 n 0");
    QTest::newRow("runs broken and taken up again")
        << none << QStringLiteral("0 0 1 0 0 0 n 0 0 0 0 3");
    QTest::newRow("a day's first result only")
        << none << QStringLiteral("d0:4 d0:0 0 d1:n d1:0 d1:0 d3:0");
    QTest::newRow("a reset keeps the day closed")
        << none << QStringLiteral("0 d0:0 0 r d0:0 0 d0:1 d1:7 r r 0");
    QTest::newRow("the older run goes on") << old << QStringLiteral("0 0 1 0");
    QTest::newRow("the older run stops") << old << QStringLiteral("n 0 0 0 0 0");
    QTest::newRow("the older day stays closed") << old << QStringLiteral("d2:0 d3:1 d3:0");
    QTest::newRow("a reset clears what was carried") << old << QStringLiteral("0 r d2:0 0 0");
    for (quint32 seed = 1; seed <= 8; ++seed)
        QTest::addRow("random %u", seed)
            << (seed % 2 ? none : old) << randomSteps(seed, seed % 2 ? 0 : 2);
}

// Every step is replayed on PlayerStats as the game counted before the
// history: record for a picked board, recordDaily for the board of a day.
void TestGameHistory::statistics()
{
    QFETCH(PlayerStats, carried);
    QFETCH(QString, steps);
    GameHistory history(QStringLiteral(":memory:"));
    QCOMPARE(history.failure(), GameHistory::Failure::None);
    PlayerStats reference;
    if (carried.gamesScored) {
        QVERIFY(history.carryOver(carried));
        reference = carried;
    }
    QCOMPARE(describe(history.statistics()), describe(reference));
    const QStringList words = steps.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (int i = 0; i < words.size(); ++i) {
        const QString &word = words[i];
        if (word == QLatin1String("r")) {
            QVERIFY(history.resetCounts());
            reference.resetCounts();
        } else if (word.startsWith(QLatin1Char('d'))) {
            const QStringList parts = word.mid(1).split(QLatin1Char(':'));
            const QDate day = firstDay.addDays(parts[0].toInt());
            const PlayedGame g = game(parts[1] == QLatin1String("n") ? -1 : parts[1].toInt(),
                                      PlayedGame::Board::Daily, day);
            bool dailyResult = true;
            QVERIFY(history.record(g, &dailyResult));
            QCOMPARE(dailyResult, reference.recordDaily(day, g.round, *g.secondsLeft));
            QVERIFY(history.hasDailyResult(day));
        } else {
            bool dailyResult = true;
            QVERIFY(
                history.record(game(word == QLatin1String("n") ? -1 : word.toInt()), &dailyResult));
            QVERIFY(!dailyResult);
            reference.record(game(word == QLatin1String("n") ? -1 : word.toInt()).round);
        }
        QVERIFY2(describe(history.statistics()) == describe(reference),
                 qPrintable(QStringLiteral("after step %1 (%2):\n history %3\n replay  %4")
                                .arg(i + 1)
                                .arg(word, describe(history.statistics()), describe(reference))));
        QCOMPARE(history.failure(), GameHistory::Failure::None);
    }
    QVERIFY(!history.hasDailyResult(firstDay.addDays(400)));
}

// Carried over once, across a restart; the counts then saturate instead of wrapping.
void TestGameHistory::carryOverOnce()
{
    PlayerStats full;
    full.gamesScored = full.pointsTotal = std::numeric_limits<qint32>::max();
    full.bands[PlayerStats::Over10Band] = full.gamesScored;
    full.dailyDate = firstDay;
    {
        GameHistory history(path());
        QVERIFY(history.carryOver(full));
    }
    GameHistory history(path());
    PlayerStats other;
    other.gamesScored = 5;
    QVERIFY(history.carryOver(other));
    QVERIFY(history.hasDailyResult(firstDay));
    bool dailyResult = true;
    QVERIFY(history.record(game(20, PlayedGame::Board::Daily, firstDay), &dailyResult));
    QVERIFY(!dailyResult);
    QVERIFY(history.record(game(20)));
    const PlayerStats stats = history.statistics();
    QCOMPARE(stats.gamesScored, std::numeric_limits<qint32>::max());
    QCOMPARE(stats.pointsTotal, std::numeric_limits<qint32>::max());
    QCOMPARE(stats.bands[PlayerStats::Over10Band], std::numeric_limits<qint32>::max());
    QCOMPARE(stats.dailyDate, firstDay);
}

void TestGameHistory::keepsEveryField()
{
    GameHistory history(path());
    PlayedGame g = game(3, PlayedGame::Board::Daily, firstDay);
    g.playedAt = g.playedAt.addMSecs(1234);
    g.numbers = {50, 25, 10, 9, 1, 1};
    g.answer = QStringLiteral("50 x 10 + 25 - 1");
    g.secondsLeft.reset();
    g.timed = false;
    g.hints = 2;
    g.rating = 3;
    g.solveMs = 4321;
    QVERIFY(history.record(g));
    QVERIFY(history.record(game(-1)));
    const QList<PlayedGame> games = history.lastGames(5);
    QCOMPARE(games.size(), 2);
    QVERIFY(games[0].answer.isEmpty());
    const PlayedGame &back = games[1];
    QCOMPARE(back.playedAt, g.playedAt);
    QCOMPARE(back.numbers, g.numbers);
    QCOMPARE(back.target, g.target);
    QCOMPARE(back.board, g.board);
    QCOMPARE(back.dailyDate, g.dailyDate);
    QCOMPARE(back.answer, g.answer);
    QCOMPARE(back.value, g.value);
    QCOMPARE(back.bestValue, g.bestValue);
    QCOMPARE(back.round.declared, g.round.declared);
    QCOMPARE(back.round.distance, g.round.distance);
    QCOMPARE(back.round.bestDistance, g.round.bestDistance);
    QCOMPARE(back.round.points, g.round.points);
    QCOMPARE(back.secondsLeft, g.secondsLeft);
    QCOMPARE(back.timed, g.timed);
    QCOMPARE(back.hints, g.hints);
    QCOMPARE(back.rating, g.rating);
    QCOMPARE(back.solveMs, g.solveMs);
}

void TestGameHistory::openingFiles_data()
{
    QTest::addColumn<QByteArray>("bytes"); // the file beforehand; "folder is a file": its parent
    QTest::addColumn<int>("failure");
    QTest::addColumn<int>("versionAfter"); // of the file at the path; -1: none
    const int now = historyschema::currentVersion();
    QTest::newRow("no file yet") << QByteArray() << int(GameHistory::Failure::None) << now;
    QTest::newRow("an empty file")
        << QByteArrayLiteral("") << int(GameHistory::Failure::None) << now;
    QTest::newRow("not a database") << QByteArray("name=dword:7\n").repeated(400)
                                    << int(GameHistory::Failure::MovedAside) << now;
    QTest::newRow("a newer version")
        << QByteArrayLiteral("newer") << int(GameHistory::Failure::CannotOpen) << now + 1;
    // The first version's file, with a game in it: brought up to date, the
    // game kept as one played on the clock without hints.
    QTest::newRow("the first version")
        << QByteArrayLiteral("version 1") << int(GameHistory::Failure::None) << now;
    // The second, before boards were dealt from codes: its game stays a picked one.
    QTest::newRow("the second version")
        << QByteArrayLiteral("version 2") << int(GameHistory::Failure::None) << now;
    // The third, before matches: its game kept and counted, no match in it.
    QTest::newRow("the third version")
        << QByteArrayLiteral("version 3") << int(GameHistory::Failure::None) << now;
    QTest::newRow("folder is a file")
        << QByteArrayLiteral("folder") << int(GameHistory::Failure::CannotOpen) << -1;
}

void TestGameHistory::openingFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, failure);
    QFETCH(int, versionAfter);
    QString at = path();
    if (bytes == "newer") {
        QCOMPARE(userVersion(at), 0);
        {
            GameHistory history(at); // a game of this version's, as a newer one found it
            QVERIFY(history.record(game(0)));
        }
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("newer"));
        db.setDatabaseName(at);
        QVERIFY(db.open());
        QVERIFY(QSqlQuery(db).exec(
            QStringLiteral("PRAGMA user_version = %1").arg(historyschema::currentVersion() + 1)));
        QVERIFY(QSqlQuery(db).exec(QStringLiteral("PRAGMA journal_mode = DELETE")));
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("newer"));
    } else if (bytes.startsWith("version ")) {
        const int version = bytes.back() - '0';
        {
            QSqlDatabase db =
                QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("older"));
            db.setDatabaseName(at);
            QVERIFY(db.open());
            QString error;
            QVERIFY2(historyschema::migrate(db, 0, &error, version), qPrintable(error));
            QVERIFY(QSqlQuery(db).exec(QStringLiteral(
                "INSERT INTO games (played_at, numbers, target, board, answer, value, best_value,"
                " declared, distance, best_distance, points, band, seconds_left)"
                " VALUES ('2025-03-01T12:00:00.000Z', '100 75 8 5 3 2', 523, 'picked', '5', 5,"
                " 523, 1, 518, 0, 0, 3, 12)")));
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("older"));
        QCOMPARE(userVersion(at), version);
    } else if (bytes == "folder") {
        QFile file(folder->filePath(QStringLiteral("taken")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        at = folder->filePath(QStringLiteral("taken/sub/history.sqlite"));
    } else if (!bytes.isNull()) {
        QFile file(at);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    }
    const QByteArray before = contents(at);
    const QStringList filesBefore = QDir(folder->path()).entryList(QDir::Files);
    {
        GameHistory history(at);
        QCOMPARE(int(history.failure()), failure);
        QCOMPARE(history.failureDetail().isEmpty(), failure == int(GameHistory::Failure::None));
        const bool usable = failure <= int(GameHistory::Failure::MovedAside);
        const int older = bytes.startsWith("version ") ? 1 : 0;
        QCOMPARE(history.record(game(0)), usable);
        QCOMPARE(history.statistics().gamesScored, usable ? 1 + older : 0);
        QCOMPARE(history.statistics().timedGames, usable ? 1 + older : 0);
        if (older) {
            const PlayedGame first = history.lastGames(2).constLast();
            QCOMPARE(first.secondsLeft, 12);
            QVERIFY(first.timed);
            QCOMPARE(first.hints, 0);
            QCOMPARE(first.rating, 0);
            QVERIFY(!first.solveMs);
            QCOMPARE(first.board, PlayedGame::Board::Picked);
            QVERIFY(history.lastMatches(5).isEmpty());
        }
        QCOMPARE(int(history.failure()), usable ? 0 : failure);
    }
    if (failure == int(GameHistory::Failure::CannotOpen)) {
        // Left exactly as it was: no log beside it, nothing moved.
        QCOMPARE(contents(at), before);
        QCOMPARE(QDir(folder->path()).entryList(QDir::Files), filesBefore);
    }
    const QStringList aside = QDir(folder->path()).entryList({QStringLiteral("*.damaged-*")});
    QCOMPARE(aside.size(), failure == int(GameHistory::Failure::MovedAside) ? 1 : 0);
    if (!aside.isEmpty()) {
        QVERIFY(QRegularExpression(QStringLiteral("^history\\.sqlite\\.damaged-\\d{8}-\\d{6}$"))
                    .match(aside[0])
                    .hasMatch());
        QCOMPARE(contents(folder->filePath(aside[0])), bytes);
    }
    QCOMPARE(QFile::exists(at) ? userVersion(at) : -1, versionAfter);
}

// Two copies of the game writing at once: every game kept, one result for the day.
void TestGameHistory::twoWritersAtOnce()
{
    std::atomic<int> recorded = 0, dailyResults = 0;
    const auto play = [&] {
        GameHistory history(path());
        for (int i = 0; i < 50; ++i) {
            bool dailyResult = false;
            const bool daily = i % 10 == 0;
            if (history.record(daily ? game(i, PlayedGame::Board::Daily, firstDay) : game(i),
                               &dailyResult))
                ++recorded;
            dailyResults += dailyResult;
        }
    };
    std::thread first(play), second(play);
    first.join();
    second.join();
    QCOMPARE(recorded.load(), 100);
    QCOMPARE(dailyResults.load(), 1);
    GameHistory history(path());
    QCOMPARE(history.lastGames(1000).size(), 100);
    QCOMPARE(history.statistics().gamesScored, 2 * 45 + 1);
}

void TestGameHistory::practiceFigures_data()
{
    // Games as words: "t" on the clock, "u" without it; then "b" a best
    // possible answer, "o" one short of it, "n" no answer; then the time to
    // solve in seconds and "h" with the hints taken, as "tb12h2". "d" plays
    // the word on the day's board (a second try at it is not counted), "r"
    // resets the counts.
    QTest::addColumn<QString>("games");
    QTest::addColumn<QList<int>>("expected"); // timed, untimed, hints, median ms, best ms
    QTest::newRow("nothing timed") << "ub3 uo4h1" << QList<int>{0, 2, 1, -1, -1};
    QTest::newRow("best answers on the clock only")
        << "tb30 ub5 to2 tb10h3 tn" << QList<int>{4, 1, 3, 20000, 10000};
    QTest::newRow("an odd count's middle") << "tb9 tb4 tb7" << QList<int>{3, 0, 0, 7000, 4000};
    QTest::newRow("a second try and a reset")
        << "tb1 r dtb8 dtb2 tb6h1" << QList<int>{2, 0, 1, 7000, 6000};
}

// The statistics tell timed and untimed games apart; the times to solve are
// those of the best possible answers on the clock.
void TestGameHistory::practiceFigures()
{
    QFETCH(QString, games);
    QFETCH(QList<int>, expected);
    GameHistory history(QStringLiteral(":memory:"));
    const QRegularExpression word(QStringLiteral("^(d?)([tu])([bon])(\\d*)(?:h(\\d))?$"));
    for (const QString &text : games.split(QLatin1Char(' '))) {
        if (text == QLatin1String("r")) {
            QVERIFY(history.resetCounts());
            continue;
        }
        const QRegularExpressionMatch m = word.match(text);
        QVERIFY2(m.hasMatch(), qPrintable(text));
        const QChar how = m.captured(3).at(0);
        PlayedGame g =
            game(how == u'b'   ? 0
                 : how == u'o' ? 4
                               : -1,
                 m.captured(1).isEmpty() ? PlayedGame::Board::Picked : PlayedGame::Board::Daily,
                 m.captured(1).isEmpty() ? QDate() : firstDay);
        g.timed = m.captured(2) == QLatin1String("t");
        g.hints = m.captured(5).toInt();
        if (!m.captured(4).isEmpty())
            g.solveMs = m.captured(4).toInt() * 1000;
        QVERIFY(history.record(g));
    }
    const PlayerStats stats = history.statistics();
    QCOMPARE(stats.timedGames, expected[0]);
    QCOMPARE(stats.untimedGames, expected[1]);
    QCOMPARE(stats.hintsTaken, expected[2]);
    QCOMPARE(stats.medianSolveMs.value_or(-1), expected[3]);
    QCOMPARE(stats.bestSolveMs.value_or(-1), expected[4]);
}

void TestGameHistory::keeperDaysRule_data()
{
    // Steps: "d" the day's board dealt, "y" the first day's from the archive,
    // "c" a board dealt from its code, "p"
    // a game with that many points short of 10 ("p0", "p4"), "a" the day's
    // board left unplayed. Expected: for each game, "R" the day's result, "S"
    // a second try at it, "C" a code's board, "-" another board's game; then
    // the games and the day's points the statistics hold.
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("outcomes");
    QTest::addColumn<int>("games");
    QTest::addColumn<int>("dayPoints");
    QTest::newRow("the day once") << "d p2"
                                  << "R" << 1 << 8;
    QTest::newRow("a second try is kept but not counted") << "d p0 d p4"
                                                          << "RS" << 1 << 10;
    QTest::newRow("other boards before and after") << "p1 d p3 p0"
                                                   << "-R-" << 3 << 7;
    QTest::newRow("left unplayed is No answer") << "d a d p0"
                                                << "S" << 1 << 0;
    QTest::newRow("then other boards") << "d a p0 d p1"
                                       << "-S" << 2 << 0;
    QTest::newRow("a code's board counts, once") << "c p3 p0"
                                                 << "C-" << 2 << 0;
    QTest::newRow("the day's board over a code's") << "c d p2 c p0"
                                                   << "RC" << 2 << 8;
    QTest::newRow("a code's over the day's") << "d c p1"
                                             << "C" << 1 << 0;
    // Today's result is the latest, whichever was played first.
    QTest::newRow("a past day once, then today") << "y p3 y p0 d p1 y p0"
                                                 << "RSRS" << 2 << 9;
}

// The board of the day counts once, whatever the player does around it.
void TestGameHistory::keeperDaysRule()
{
    QFETCH(QString, steps);
    QFETCH(QString, outcomes);
    QFETCH(int, games);
    QFETCH(int, dayPoints);
    ScoreKeeper keeper(path());
    QDate day;
    QMap<QDate, int> firstPoints; // each day's recorded result
    QString seen;
    for (const QString &step : steps.split(QLatin1Char(' '))) {
        if (step == QLatin1String("d") || step == QLatin1String("y")) {
            day = step == QLatin1String("d") ? QDate::currentDate() : firstDailyDay();
            keeper.dealtDaily(day);
        } else if (step == QLatin1String("c")) {
            keeper.dealtCode();
        } else if (step == QLatin1String("a")) {
            keeper.abandonDaily();
        } else {
            const bool forTheDay = keeper.dailyDay().isValid();
            const ScoreKeeper::Outcome outcome = keeper.record(game(step.mid(1).toInt()));
            QVERIFY(outcome.kept);
            const GameHistory history(path()); // as the next run reads it
            const bool fromCode = history.lastGames(1).value(0).board == PlayedGame::Board::Code;
            seen += fromCode            ? QLatin1Char('C')
                    : !forTheDay        ? QLatin1Char('-')
                    : outcome.secondTry ? QLatin1Char('S')
                                        : QLatin1Char('R');
            QCOMPARE(outcome.day.has_value(), forTheDay);
            if (forTheDay) {
                // A second try shares the day's first result, not its own.
                firstPoints.insert(day, firstPoints.value(day, outcome.day->daily.points));
                QCOMPARE(outcome.day->dailyDate, day);
                QCOMPARE(outcome.day->daily.points, firstPoints.value(day));
            }
        }
    }
    QCOMPARE(seen, outcomes);
    const PlayerStats stats = keeper.statistics();
    QCOMPARE(stats.gamesScored, games);
    QCOMPARE(stats.daily.points, dayPoints);
    QCOMPARE(keeper.failure(), GameHistory::Failure::None);
}

// Each kind of failure is the player's to hear of once; the log hears of every one.
void TestGameHistory::keeperTellsEachFailureOnce()
{
    {
        QFile junk(path());
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write(QByteArray("not a history\n").repeated(500));
    }
    ScoreKeeper keeper(path());
    QCOMPARE(keeper.record(game(0)).kept, true);
    QCOMPARE(keeper.failure(), GameHistory::Failure::MovedAside);
    QVERIFY(keeper.failureIsNew());
    QCOMPARE(keeper.record(game(0)).kept, true);
    QCOMPARE(keeper.failure(), GameHistory::Failure::None);
    QVERIFY(!keeper.failureIsNew());

    // The disk fills up: SQLite's own "full" from a history that may grow no
    // further than it is (its last page fills within a few dozen games).
    const QStringList names = QSqlDatabase::connectionNames();
    QCOMPARE(names.size(), 1);
    QSqlDatabase db = QSqlDatabase::database(names.first(), false);
    QVERIFY(QSqlQuery(db).exec(QStringLiteral("PRAGMA max_page_count = 1")));
    int kept = 2;
    while (kept < 1000 && keeper.record(game(3)).kept)
        ++kept;
    for (const bool first : {true, false}) {
        if (!first)
            QVERIFY(!keeper.record(game(3)).kept);
        QCOMPARE(keeper.failure(), GameHistory::Failure::CannotWrite);
        QCOMPARE(keeper.cause(), GameHistory::Cause::DiskFull);
        QVERIFY2(keeper.failureDetail().contains(QDir::toNativeSeparators(path())),
                 qPrintable(keeper.failureDetail()));
        QCOMPARE(keeper.failureIsNew(), first);
    }
    QCOMPARE(keeper.statistics().gamesScored, kept);
}

void TestGameHistory::daysPlayedAndTheirRun_data()
{
    // The days with a result, "c" before one carried over from an older
    // version, "2" before one played twice; the day the statistics are read.
    QTest::addColumn<QString>("days");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<int>("daysPlayed");
    QTest::addColumn<int>("streak");
    QTest::newRow("none") << "" << QDate(2026, 5, 4) << 0 << 0;
    QTest::newRow("today alone") << "2026-05-04" << QDate(2026, 5, 4) << 1 << 1;
    QTest::newRow("up to yesterday, today still open")
        << "2026-05-02 2026-05-03" << QDate(2026, 5, 4) << 2 << 2;
    QTest::newRow("ended the day before yesterday")
        << "2026-05-01 2026-05-02" << QDate(2026, 5, 4) << 2 << 0;
    QTest::newRow("a gap") << "2026-05-01 2026-05-03 2026-05-04" << QDate(2026, 5, 4) << 3 << 2;
    QTest::newRow("across a month's end")
        << "2026-02-27 2026-02-28 2026-03-01 2026-03-02" << QDate(2026, 3, 2) << 4 << 4;
    QTest::newRow("across a year's end")
        << "2026-12-30 2026-12-31 2027-01-01" << QDate(2027, 1, 2) << 3 << 3;
    QTest::newRow("across a leap day")
        << "2028-02-28 2028-02-29 2028-03-01" << QDate(2028, 3, 1) << 3 << 3;
    QTest::newRow("a day played twice counts once")
        << "2026-05-03 22026-05-04" << QDate(2026, 5, 4) << 2 << 2;
    QTest::newRow("the carried-over day joins the run")
        << "c2026-04-30 2026-05-01" << QDate(2026, 5, 1) << 2 << 2;
    QTest::newRow("a day after the one asked for is not counted")
        << "2026-05-01 2026-05-02" << QDate(2026, 5, 1) << 1 << 1;
}

// The days played and the run of them are worked out for the day asked for.
void TestGameHistory::daysPlayedAndTheirRun()
{
    QFETCH(QString, days);
    QFETCH(QDate, today);
    QFETCH(int, daysPlayed);
    QFETCH(int, streak);
    GameHistory history(QStringLiteral(":memory:"));
    for (QString day : days.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (day.startsWith(QLatin1Char('c'))) {
            PlayerStats old;
            old.dailyDate = QDate::fromString(day.mid(1), Qt::ISODate);
            QVERIFY(history.carryOver(old));
            continue;
        }
        const int tries = day.startsWith(QLatin1Char('2')) && day.size() > 10 ? 2 : 1;
        const QDate date = QDate::fromString(day.right(10), Qt::ISODate);
        QVERIFY(date.isValid());
        for (int i = 0; i < tries; ++i)
            QVERIFY(history.record(game(0, PlayedGame::Board::Daily, date)));
    }
    const PlayerStats stats = history.statistics(today);
    QCOMPARE(stats.daysPlayed, daysPlayed);
    QCOMPARE(stats.dayStreak, streak);
}

void TestGameHistory::matchesKept_data()
{
    // Steps as words: "m3p" a match of 3 rounds with picked boards ("d":
    // dealt) between Ann and Ben; "4,n" a round's two answers in the order
    // given (distances, "n" No answer); "l" the match left; "g" a game of
    // the player's own; "r" the counts reset; "o" the history opened afresh.
    QTest::addColumn<QString>("steps");
    QTest::addColumn<int>("matchesPlayed");
    QTest::addColumn<int>("gamesScored");
    // The matches kept, newest first: rounds and boards, score, how it stands.
    QTest::addColumn<QString>("kept");
    QTest::newRow("a match played out") << "m3p 0,4 n,6 2,2" << 1 << 0 << "3p 2-0 A";
    QTest::newRow("a drawn match read back from a history opened afresh")
        << "m2d 3,1 9,0 o" << 1 << 0 << "2d 1-1 draw";
    QTest::newRow("a match left is kept unfinished and not counted")
        << "m5d 1,2 l g" << 0 << 1 << "5d 1-0 left";
    QTest::newRow("a match left before any round")
        << "m1p l m1p n,0" << 1 << 0 << "1p 0-1 B; 1p 0-0 left";
    QTest::newRow("a match on is kept as it goes") << "g m4p 5,6" << 0 << 1 << "4p 1-0 on";
    QTest::newRow("a reset clears the count of matches, not the matches")
        << "m1d 0,n r m1p 1,1 g" << 1 << 1 << "1p 0-0 draw; 1d 1-0 A";
}

// Matches through the keeper into a real file: every round's two answers
// read back as they were played, the player's own statistics untouched by
// them, and only matches played out counted.
void TestGameHistory::matchesKept()
{
    QFETCH(QString, steps);
    QFETCH(int, matchesPlayed);
    QFETCH(int, gamesScored);
    QFETCH(QString, kept);
    auto keeper = std::make_unique<ScoreKeeper>(path());
    std::unique_ptr<TwoPlayerMatch> match;
    QList<MatchRecord> played; // each match as the model last had it, newest first
    for (const QString &step : steps.split(QLatin1Char(' '))) {
        if (step.startsWith(u'm')) {
            match = std::make_unique<TwoPlayerMatch>(
                std::array<QString, 2>{QStringLiteral("Ann"), QStringLiteral("Ben")},
                step.mid(1, 1).toInt(),
                step.endsWith(u'p') ? MatchRecord::Boards::Picked : MatchRecord::Boards::Dealt);
            keeper->keepMatch(*match);
            played.prepend(match->record());
        } else if (step == QLatin1String("l")) {
            match->leave();
        } else if (step == QLatin1String("g")) {
            QVERIFY(keeper->record(game(1)).kept);
        } else if (step == QLatin1String("r")) {
            // Apart in time from the match ended before and the one after.
            QTest::qSleep(3);
            QVERIFY(keeper->resetCounts());
            QTest::qSleep(3);
        } else if (step == QLatin1String("o")) {
            keeper = std::make_unique<ScoreKeeper>(path());
        } else {
            for (const QString &word : step.split(u',')) {
                PlayedGame answer = game(word == QLatin1String("n") ? -1 : 0);
                answer.numbers = {50, 25, 10, 9, 1, 1};
                if (answer.round.declared) {
                    answer.round.distance = word.toInt();
                    answer.value = answer.target - answer.round.distance;
                    answer.round.points = std::max(0, 10 - word.toInt());
                }
                match->answer(answer);
            }
        }
        if (match && step != QLatin1String("o") && step != QLatin1String("r")) {
            keeper->keepMatch(*match);
            played.first() = match->record();
        }
        QCOMPARE(int(keeper->failure()), int(GameHistory::Failure::None));
    }
    const PlayerStats stats = keeper->statistics();
    QCOMPARE(stats.matchesPlayed, matchesPlayed);
    QCOMPARE(stats.gamesScored, gamesScored);

    GameHistory history(path());
    const QList<MatchRecord> matches = history.lastMatches(10);
    QStringList described;
    for (const MatchRecord &m : matches) {
        const QString state =
            m.finished ? (m.winner < 0 ? QStringLiteral("draw") : QString(QChar(u'A' + m.winner)))
                       : (m.endedAt.isValid() ? QStringLiteral("left") : QStringLiteral("on"));
        described << QStringLiteral("%1%2 %3-%4 %5")
                         .arg(m.rounds)
                         .arg(QChar(m.boards == MatchRecord::Boards::Picked ? u'p' : u'd'))
                         .arg(m.score[0])
                         .arg(m.score[1])
                         .arg(state);
    }
    QCOMPARE(described.join(QStringLiteral("; ")), kept);
    QCOMPARE(keeper->lastPlayers(),
             (std::array<QString, 2>{QStringLiteral("Ann"), QStringLiteral("Ben")}));
    // Every round as the model played it, answers by player.
    QCOMPARE(matches.size(), played.size());
    for (qsizetype i = 0; i < matches.size(); ++i) {
        QCOMPARE(matches[i].players, played[i].players);
        QCOMPARE(matches[i].played.size(), played[i].played.size());
        for (qsizetype r = 0; r < matches[i].played.size(); ++r) {
            const MatchRound &read = matches[i].played[r], &was = played[i].played[r];
            QCOMPARE(read.numbers, was.numbers);
            QCOMPARE(read.target, was.target);
            QCOMPARE(read.bestValue, was.bestValue);
            QCOMPARE(read.bestDistance, was.bestDistance);
            QCOMPARE(read.firstPlayer, was.firstPlayer);
            QCOMPARE(read.winner, was.winner);
            for (std::size_t p = 0; p < 2; ++p) {
                QCOMPARE(read.answers[p].declared, was.answers[p].declared);
                QCOMPARE(read.answers[p].answer, was.answers[p].answer);
                QCOMPARE(read.answers[p].value, was.answers[p].value);
                QCOMPARE(read.answers[p].distance, was.answers[p].distance);
                QCOMPARE(read.answers[p].points, was.answers[p].points);
            }
        }
    }
}

QTEST_GUILESS_MAIN(TestGameHistory)
#include "tst_gamehistory.moc"

#include "playerstats.h"

#include "globalbas.h"
#include "regbas.h"

#include "boardcode.h"
#include "dailyboard.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <limits>

PlayerStats::Band PlayerStats::bandOf(const ScoredRound &round)
{
    if (!round.declared)
        return NoAnswerBand;
    const qint64 shortfall = round.shortfall();
    if (shortfall <= 0)
        return BestBand;
    return shortfall <= 5 ? UpTo5Band : shortfall <= 10 ? UpTo10Band : Over10Band;
}

namespace {

// A count stops at the largest the store keeps rather than wrapping round to
// a negative number, which would read back as 0.
void add(qint32 &count, qint64 more = 1)
{
    count = qint32(std::clamp<qint64>(qint64(count) + more, 0, std::numeric_limits<qint32>::max()));
}

} // namespace

void PlayerStats::record(const ScoredRound &round)
{
    add(gamesScored);
    add(pointsTotal, round.points);
    const Band band = bandOf(round);
    add(bands[band]);
    if (round.declared)
        add(answersDeclared);
    if (band == BestBand) {
        add(bestReached);
        add(currentRun);
        longestRun = std::max(longestRun, currentRun);
    } else {
        currentRun = 0;
    }
}

bool PlayerStats::recordDaily(QDate date, const ScoredRound &round, qint32 timeLeft)
{
    if (!date.isValid() || date == dailyDate)
        return false;
    record(round);
    dailyDate = date;
    daily = round;
    dailyTimeLeft = timeLeft;
    return true;
}

void PlayerStats::resetCounts()
{
    const PlayerStats fresh;
    gamesScored = fresh.gamesScored;
    answersDeclared = fresh.answersDeclared;
    bestReached = fresh.bestReached;
    pointsTotal = fresh.pointsTotal;
    currentRun = fresh.currentRun;
    longestRun = fresh.longestRun;
    timedGames = fresh.timedGames;
    untimedGames = fresh.untimedGames;
    hintsTaken = fresh.hintsTaken;
    medianSolveMs = fresh.medianSolveMs;
    bestSolveMs = fresh.bestSolveMs;
    bands = fresh.bands;
}

namespace GLOBALbas {

namespace {

// Each statistic under its stored name. The board of the day's date is
// stored as the number yyyymmdd.
template <typename Visit>
void eachValue(PlayerStats &stats, qint32 &dailyDate, qint32 &dailyDeclared, qint32 &dailyDistance,
               qint32 &dailyBest, Visit visit)
{
    visit("StatGames", stats.gamesScored);
    visit("StatDeclared", stats.answersDeclared);
    visit("StatBest", stats.bestReached);
    visit("StatPoints", stats.pointsTotal);
    visit("StatRun", stats.currentRun);
    visit("StatLongestRun", stats.longestRun);
    visit("StatFellBest", stats.bands[PlayerStats::BestBand]);
    visit("StatFell1to5", stats.bands[PlayerStats::UpTo5Band]);
    visit("StatFell6to10", stats.bands[PlayerStats::UpTo10Band]);
    visit("StatFellOver10", stats.bands[PlayerStats::Over10Band]);
    visit("StatNoAnswer", stats.bands[PlayerStats::NoAnswerBand]);
    visit("DailyDate", dailyDate);
    visit("DailyDeclared", dailyDeclared);
    visit("DailyDistance", dailyDistance);
    visit("DailyBestDistance", dailyBest);
    visit("DailyPoints", stats.daily.points);
    visit("DailyTimeLeft", stats.dailyTimeLeft);
}

} // namespace

PlayerStats LoadStats()
{
    PlayerStats stats;
    qint32 date = 0, declared = 0, distance = 0, best = 0;
    eachValue(stats, date, declared, distance, best, [](const char *name, auto &value) {
        REGbas::FetchSetting(REGbas::HkeyCurrentUser, SettingsKeyPath, QString::fromLatin1(name));
        const auto n = LastRegValue.toNumber();
        // Counts are never negative; anything else is a damaged store.
        value = n && *n >= 0 && *n <= 2147483647.0 ? static_cast<qint32>(std::floor(*n)) : 0;
    });
    stats.dailyDate = QDate(date / 10000, date / 100 % 100, date % 100);
    stats.daily.declared = declared != 0;
    stats.daily.distance = distance;
    stats.daily.bestDistance = best;
    return stats;
}

namespace {

QString resultLine(const PlayerStats &stats)
{
    // tf_app links no window, so its texts name their translation context.
    const ScoredRound &r = stats.daily;
    const QString points =
        r.points == 1 ? QCoreApplication::translate("PlayerStats", "1 point")
                      : QCoreApplication::translate("PlayerStats", "%n points", nullptr, r.points);
    QString how;
    if (!r.declared)
        how = QCoreApplication::translate("PlayerStats", "no answer");
    else if (r.distance == 0)
        how = QCoreApplication::translate("PlayerStats", "exact");
    else
        how = QCoreApplication::translate("PlayerStats", "%1 away").arg(r.distance);
    if (!stats.dailyTimed) {
        //: The line "Copy result" puts on the clipboard for a game played
        //: without the clock: %1 the date, %2 the points, %3 how far.
        return QCoreApplication::translate("PlayerStats", "Tallyfold %1: %2, %3, without the clock")
            .arg(stats.dailyDate.toString(Qt::ISODate), points, how);
    }
    // The plural forms say "1 second left", in English too (tallyfold_en.ts).
    //: The line "Copy result" puts on the clipboard: %1 the date (YYYY-MM-DD),
    //: %2 the points ("9 points"), %3 how far ("exact", "1 away", "no answer"),
    //: %n the seconds left on the clock.
    return QCoreApplication::translate("PlayerStats", "Tallyfold %1: %2, %3, %n seconds left",
                                       nullptr, stats.dailyTimeLeft)
        .arg(stats.dailyDate.toString(Qt::ISODate), points, how);
}

} // namespace

QString dailySummary(const PlayerStats &stats)
{
    // The day's code names no more than its date does, and lets a friend play
    // the same board on any other day.
    const QDate day = stats.dailyDate;
    if (!solver::validDate(day.year(), day.month(), day.day()))
        return resultLine(stats);
    const solver::DailyBoard board = solver::dailyBoard(day.year(), day.month(), day.day());
    //: A day's result line, then %2 the code of that day's board (TF-98X-KKC).
    return QCoreApplication::translate("PlayerStats", "%1 (board %2)")
        .arg(resultLine(stats),
             QString::fromStdString(solver::boardCode(board.numbers, board.target)));
}

} // namespace GLOBALbas

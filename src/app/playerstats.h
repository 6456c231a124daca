#pragma once

#include <QDate>
#include <QString>

#include <array>
#include <optional>

// One scored game: what the player declared, against the best the six
// numbers could do.
struct ScoredRound
{
    bool declared = false; // false: "No answer"
    qint64 distance = 0;   // of the declared value from the target
    qint64 bestDistance = 0;
    int points = 0;
    // How much further from the target the answer fell than the best possible.
    qint64 shortfall() const { return distance - bestDistance; }
};

// The player's statistics of scored games, and the board of the day's first
// result, as the record of games works them out.
struct PlayerStats
{
    // How far answers fell short of the best possible, for the bar chart.
    enum Band { BestBand, UpTo5Band, UpTo10Band, Over10Band, NoAnswerBand };
    static constexpr int BandCount = 5;
    static Band bandOf(const ScoredRound &round);

    qint32 gamesScored = 0;
    qint32 answersDeclared = 0;
    qint32 bestReached = 0;
    qint32 pointsTotal = 0;
    qint32 currentRun = 0; // best-possible answers in a row, up to the last game
    qint32 longestRun = 0;
    std::array<qint32, BandCount> bands{};
    // Games on the clock and without it, and the hints taken in them.
    qint32 timedGames = 0;
    qint32 untimedGames = 0;
    qint32 hintsTaken = 0;
    // The times to solve of the best-possible answers of timed games, in
    // milliseconds; none before the first.
    std::optional<qint64> medianSolveMs;
    std::optional<qint64> bestSolveMs;

    // The days whose board has a result, and how many of them in a row end
    // today or yesterday (a day not yet played today does not break the run).
    qint32 daysPlayed = 0;
    qint32 dayStreak = 0;

    // Two-player matches played to their last round since the last reset;
    // their rounds count in none of the figures above.
    qint32 matchesPlayed = 0;

    // The board of the day's result, recorded the first time that day's
    // board is scored (an invalid date: none yet).
    QDate dailyDate;
    ScoredRound daily;
    qint32 dailyTimeLeft = 0; // clock ticks
    bool dailyTimed = true;   // played on the clock

    double averagePoints() const { return gamesScored ? double(pointsTotal) / gamesScored : 0.0; }
    void record(const ScoredRound &round);
    // Records the board of the day's result unless that day already has one;
    // true when it was recorded (and counted in the statistics).
    bool recordDaily(QDate date, const ScoredRound &round, qint32 timeLeft);
    // Every count back to 0; the board of the day's result stays, so that a
    // reset does not open that day's board to a second try.
    void resetCounts();
};

namespace GLOBALbas {

// Reads the statistics versions before the record of games kept in the
// store (they are carried into the record once, and no longer written); a
// missing, negative or unreadable value counts as 0.
PlayerStats LoadStats();

// The line "Copy result" puts on the clipboard: the date, the points, how far
// and the time left, and the code of the day's board (which the date names
// anyway), but nothing of the answer.
QString dailySummary(const PlayerStats &stats);

} // namespace GLOBALbas

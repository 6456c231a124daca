#include "scorekeeper.h"

#include "answerscore.h"
#include "dailyboard.h"
#include "twoplayermatch.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

PlayedGame scoreAnswer(std::span<const std::int32_t> numbers, std::int32_t target,
                       const solver::BestPossible &best, std::optional<std::int64_t> declaredValue,
                       const QString &answer, int hints)
{
    PlayedGame game;
    std::copy_n(numbers.begin(), std::min(numbers.size(), game.numbers.size()),
                game.numbers.begin());
    game.target = target;
    game.bestValue = best.value;
    game.round.bestDistance = best.distance;
    game.hints = std::max(hints, 0);
    if (declaredValue) {
        game.answer = answer;
        game.value = *declaredValue;
        game.round.declared = true;
        game.round.distance = std::abs(*declaredValue - target);
        game.round.points =
            std::max(solver::pointsFor(game.round.distance, best.distance) - game.hints, 0);
    }
    return game;
}

ScoreKeeper::ScoreKeeper(QString path)
    : m_path(std::move(path))
{}

ScoreKeeper::~ScoreKeeper() = default;

GameHistory &ScoreKeeper::history()
{
    if (!m_history) {
        if (m_path.isEmpty())
            m_path = GameHistory::defaultPath();
        m_history = std::make_unique<GameHistory>(m_path);
        if (m_history->failure() == GameHistory::Failure::MovedAside)
            m_movedAside = m_history->failureDetail();
        // What versions before the history counted, in the settings store:
        // carried over once, so that no player's statistics change.
        const PlayerStats old = GLOBALbas::LoadStats();
        const bool anything =
            old.gamesScored || old.answersDeclared || old.bestReached || old.pointsTotal ||
            old.longestRun || old.dailyDate.isValid() ||
            std::any_of(old.bands.begin(), old.bands.end(), [](qint32 n) { return n != 0; });
        if (anything && m_history->failure() != GameHistory::Failure::CannotOpen)
            m_history->carryOver(old);
    }
    return *m_history;
}

void ScoreKeeper::noteFailure()
{
    m_failure = m_history->failure();
    m_cause = m_history->cause();
    m_detail = m_history->failureDetail();
    if (m_failure == GameHistory::Failure::None && !m_movedAside.isEmpty()) {
        // The history in use is a new one: the player hears of the old one
        // once, with the first thing that worked in the new one.
        m_failure = GameHistory::Failure::MovedAside;
        m_detail = std::exchange(m_movedAside, QString());
    }
}

bool ScoreKeeper::failureIsNew()
{
    return m_failure != GameHistory::Failure::None && m_told.insert(m_failure).second;
}

ScoreKeeper::Outcome ScoreKeeper::record(PlayedGame game)
{
    const QDate day = std::exchange(m_day, QDate());
    if (std::exchange(m_code, false))
        game.board = PlayedGame::Board::Code;
    if (day.isValid()) {
        game.board = PlayedGame::Board::Daily;
        game.dailyDate = day;
    }
    GameHistory &h = history();
    Outcome outcome;
    bool dayResult = false;
    outcome.kept = h.record(game, &dayResult);
    if (day.isValid()) {
        outcome.secondTry = outcome.kept && !dayResult;
        // The day's recorded result, whichever day it is (a past one played
        // from the archive too); not written, the game's own result is still
        // what the player shares.
        const QMap<QDate, DayResult> kept =
            outcome.kept ? h.dayResults(day, day) : QMap<QDate, DayResult>();
        const DayResult result =
            kept.value(day, DayResult{game.round, game.secondsLeft.value_or(0), game.timed});
        PlayerStats shared;
        shared.dailyDate = day;
        shared.daily = result.round;
        shared.dailyTimeLeft = result.timeLeft;
        shared.dailyTimed = result.timed;
        outcome.day = shared;
    }
    noteFailure();
    return outcome;
}

void ScoreKeeper::abandonDaily()
{
    if (!m_day.isValid())
        return;
    const solver::DailyBoard board = solver::dailyBoard(m_day.year(), m_day.month(), m_day.day());
    record(scoreAnswer(board.numbers, board.target,
                       solver::bestPossible(board.numbers, board.target), std::nullopt, QString()));
}

void ScoreKeeper::keepMatch(const TwoPlayerMatch &match)
{
    const MatchRecord &record = match.record();
    GameHistory &h = history();
    if (record.startedAt != m_matchStarted) {
        m_matchStarted = record.startedAt;
        m_matchId = h.startMatch(record);
        m_matchRounds = 0;
        m_matchEnded = false;
        noteFailure();
    }
    // A match the history could not take is played on unrecorded; the
    // player has been told once.
    if (m_matchId == 0)
        return;
    for (; m_matchRounds < record.played.size(); ++m_matchRounds) {
        std::array<int, 2> score{};
        for (int r = 0; r <= m_matchRounds; ++r) {
            if (const int winner = record.played[r].winner; winner >= 0)
                ++score[std::size_t(winner)];
        }
        const bool kept =
            h.recordMatchRound(m_matchId, m_matchRounds + 1, record.played[m_matchRounds], score);
        noteFailure();
        if (!kept)
            return;
    }
    if (match.isOver() && !m_matchEnded) {
        m_matchEnded = h.endMatch(m_matchId, record);
        noteFailure();
    }
}

std::array<QString, 2> ScoreKeeper::lastPlayers()
{
    const QList<MatchRecord> last = history().lastMatches(1);
    noteFailure();
    return last.isEmpty() ? std::array<QString, 2>{} : last.constFirst().players;
}

PlayerStats ScoreKeeper::statistics(QDate today)
{
    const PlayerStats stats = history().statistics(today);
    noteFailure();
    return stats;
}

QMap<QDate, DayResult> ScoreKeeper::dayResults(QDate first, QDate last)
{
    const QMap<QDate, DayResult> results = history().dayResults(first, last);
    noteFailure();
    return results;
}

bool ScoreKeeper::resetCounts()
{
    const bool done = history().resetCounts();
    noteFailure();
    return done;
}

#pragma once

#include "boardcode.h"
#include "gamesettings.h"
#include "numberboard.h"
#include "searchrun.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <algorithm>
#include <array>
#include <memory>

namespace solver {
struct CompleteResult;
struct Hint;
} // namespace solver

// One game, from the picks to the search, with no window. It owns the game's
// state, the picked numbers, the target, the clock's ticks and the last
// search's outcome; the window shows them and forwards the player's clicks
// and the clock's ticks. The target rolls on a timer and the search runs on
// a thread of its own, so nothing here ever waits on the window's thread.
class GameFlow : public QObject
{
    Q_OBJECT

public:
    enum class State {
        Picking,   // fewer than six numbers picked
        Ready,     // six picked: the game can start
        Rolling,   // the target rolls; the clock starts when it stands
        Running,   // the clock runs
        Over,      // the clock has stopped: the answers can be searched
        Searching, // a search runs
        Searched   // the search has ended and cannot be run again
    };
    Q_ENUM(State)

    enum class ClockStop { ByPlayer, TimeUp };

    // What the last search came to; `ran` is false until a search has ended
    // since the answers were last cleared.
    struct Outcome
    {
        bool ran = false;
        bool finished = false; // false: stopped
        std::int32_t combinations = 0;
        std::shared_ptr<const solver::CompleteResult> complete;
    };

    // The target rolls through this many values, one every RollStepMs.
    static constexpr int RollSteps = 50;
    static constexpr int RollStepMs = 10;

    explicit GameFlow(const GameSettings &settings = {}, QObject *parent = nullptr);
    ~GameFlow() override;
    // The tests take the roll's steps without waiting between them (0 ms);
    // the order of events stays the same.
    void setRollStepMsForTesting(int ms) { m_roll.setInterval(ms); }

    // The settings the game plays by. A change reaches a running clock at its
    // next tick, and the roll and the search when they next start.
    const GameSettings &settings() const { return m_settings; }
    void setSettings(const GameSettings &settings);

    // The clock's timer: it runs while the game is Running. Its period is the
    // settings' tick at the start, then what the player applies on the
    // settings window's Timing page, which a running clock takes at once.
    // The main window lists it among its controls (Timer1); the tests watch it.
    QTimer *clockTimer() { return &m_clock; }
    void setClockInterval(int ms) { m_clock.setInterval(ms); }

    // A new deal: nothing picked and every tile gets a new hidden value.
    void ScrambleNos();

    // The player's moves. Each does nothing in a state where it means nothing
    // (the game button during the roll and the search among them).
    void btnPick_Click(qint16 index);
    void Command1_Click();
    void Timer1_Timer();
    void cmdAnswer_Click();

    // A board set up by hand (six numbers the board can give, and a target):
    // whatever was on the clock stops and the numbers are searched at once.
    // Ignored while the target rolls or a search runs.
    void setUpBoard(const QList<qint32> &numbers, qint32 target);

    // A board dealt from outside (the board of the day): the six numbers
    // stand as if picked, whatever was on the clock stops, and START rolls
    // onto the given target. Ignored while the target rolls or a search runs.
    void dealBoard(const QList<qint32> &numbers, qint32 target);
    // A new deal to pick from, as PLAY AGAIN gives, from any state but the
    // roll and the search: whatever was on the clock stops, unscored.
    void newBoard();
    // The game on the clock, or over, was dealt by dealBoard.
    bool isDealtBoard() const { return m_dealtTarget != 0; }
    // A board named by its code (see boardcode.h), dealt as dealBoard deals
    // one when the text reads as a code; what reading found either way.
    solver::ReadCode dealCode(const QString &code);

    // The code of the board played and its target, once the target stands;
    // empty before, and for a board set up by hand with a target no code names.
    QString boardCode() const;
    // The player has copied that code: the round says so until the next one.
    void markCodeCopied();
    bool isCodeCopied() const { return m_codeCopied; }

    // The window is closing: the roll, the clock and the music stop, a running
    // search is stopped and waited for, and nothing new starts from here on.
    void Form_Unload();

    State state() const { return m_state; }
    bool isClosed() const { return m_closed; }
    bool isBusy() const { return m_state == State::Rolling || m_state == State::Searching; }
    bool isRolling() const { return m_state == State::Rolling; }
    bool isSearching() const { return m_state == State::Searching; }

    // The picked numbers in the order picked; largest first once all six are.
    const QList<qint32> &picks() const { return m_picks; }
    // What each of the six number places shows; 0 for a free one.
    const std::array<qint32, NumberBoard::LabelCount> &places() const { return m_places; }
    bool isTilePicked(int tile) const { return m_tilePicked.at(tile); }

    // The target once it stands (0 before), and the value the roll shows now.
    qint32 target() const { return m_target; }
    qint32 targetShown() const { return m_state == State::Rolling ? m_rollValue : m_target; }

    qint16 ElapsedSeconds() const { return m_elapsedSeconds; }
    int dialValue() const { return m_dial; }
    // The clock's ticks left when it stopped (or now): what a scored game records.
    int ticksLeft() const { return std::max(0, m_settings.timeAllowed - m_dial); }

    // Whether the round on (or last played) runs on the clock: a round started
    // without it stays so when the setting changes under it.
    bool isRoundTimed() const { return m_roundTimed; }
    // How long ago the target stood still, from which a declared answer's
    // time to solve is taken; invalid before a target has stood.
    const QElapsedTimer &targetStood() const { return m_stood; }

    // Hints, while a round is on: up to three, each taken a level further.
    // The round's hint is worked out when the first is taken.
    static constexpr int MostHints = 3;
    bool canTakeHint() const;
    bool takeHint();
    int hintsTaken() const { return m_hintsTaken; }
    const solver::Hint *hint() const { return m_hint.get(); }

    // The rating the roll stopped on a target of (1 Easy to 4 Very hard), when
    // one was asked for; 0 otherwise. ratingIsNearest: the board had no
    // target of the rating asked for, and this is the nearest it had.
    int ratingPlayed() const { return m_ratingPlayed; }
    bool ratingIsNearest() const { return m_ratingIsNearest; }

    // The answers listed since they were last cleared (the roll of a new
    // target or a board set up by hand), in the order found.
    const QStringList &answers() const { return m_answers; }
    // Combinations tried so far by the running search, as last reported.
    std::int32_t combinations() const { return m_combinations; }
    const Outcome &outcome() const { return m_outcome; }
    // The search came from a board set up by hand.
    bool isManualBoard() const { return m_manual; }

    NumberBoard &board() { return m_board; }
    const NumberBoard &board() const { return m_board; }

    // One roll: Int(r * (highest - lowest + 1) + lowest) for 0 <= r < 1. The
    // span is worked out in 32 bits, so stored bounds far apart cannot
    // overflow it.
    static qint16 TargetFromRandom(double r, qint16 highest, qint16 lowest);

signals:
    // Anything the window shows of the game has changed.
    void changed();
    void clockStopped(GameFlow::ClockStop how);
    void musicStarted();
    void musicStopped();
    void answersCleared();
    void answersAdded(const QStringList &answers);
    void searchEnded();

private:
    void setState(State state);
    void lineUpPicks();
    void startGame();
    void rollStep();
    qint32 rollValue() const;
    void stopClock();
    // Starts the clock as the game starts running, and stops it otherwise;
    // a running clock is left alone, as starting it again would restart its period.
    void keepClock();
    void playAgain();
    // Back to a board with nothing picked, the clock at 0 and no target.
    void newDeal();
    // The targets the roll may stop on when only reachable ones are wanted;
    // empty for any target.
    QList<qint32> reachableTargets() const;
    // What the roll may stop on: the day's target, the targets of the rating
    // asked for (reachable ones among them when those are asked for too), or
    // the reachable ones; empty for any target.
    QList<qint32> rollTargets();
    // A new target: no hints taken, no rating chosen, the clock as usual.
    void forgetRound();
    void clearAnswers();
    void search();
    void searchProgressed(const QStringList &answers, std::int32_t combinations);
    void searchFinished(const SearchRun::End &end);

    GameSettings m_settings;
    NumberBoard m_board;
    State m_state = State::Picking;
    QList<qint32> m_picks;
    std::array<qint32, NumberBoard::LabelCount> m_places{};
    std::array<bool, NumberBoard::TileCount> m_tilePicked{};
    qint32 m_target = 0;
    qint32 m_rollValue = 0;
    qint32 m_dealtTarget = 0;
    QList<qint32> m_rollTargets; // what the roll may stop on; empty: anything
    int m_rollStep = 0;
    qint16 m_elapsedSeconds = 0;
    int m_dial = 0;
    QStringList m_answers;
    std::int32_t m_combinations = 0;
    Outcome m_outcome;
    bool m_manual = false;
    bool m_roundTimed = true;
    QElapsedTimer m_stood;
    int m_hintsTaken = 0;
    std::unique_ptr<solver::Hint> m_hint;
    int m_ratingPlayed = 0;
    bool m_ratingIsNearest = false;
    bool m_codeCopied = false;
    // Set once the window closes: ticks and clicks still queued for it are
    // ignored rather than starting anything.
    bool m_closed = false;
    QTimer m_roll;
    QTimer m_clock;
    SearchRun m_search;
};

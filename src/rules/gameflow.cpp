#include "gameflow.h"

#include "boardselection.h"
#include "bubblesort.h"
#include "coaching.h"
#include "completesearch.h"
#include "random.h"
#include "reach.h"

#include <QLoggingCategory>

#include <algorithm>
#include <cmath>
#include <span>

// A record of each game, for checking a build where nothing else can look
// inside the window (the Windows build under Wine): the board, the settings
// it was played by and the answers listed, in their order. Off unless asked
// for: QT_LOGGING_RULES="tallyfold.record.info=true".
Q_LOGGING_CATEGORY(lcRecord, "tallyfold.record", QtWarningMsg)

namespace {

QString numbersText(std::span<const qint32> numbers)
{
    QStringList texts;
    for (qint32 number : numbers)
        texts.append(QString::number(number));
    return texts.join(u' ');
}

} // namespace

GameFlow::GameFlow(const GameSettings &settings, QObject *parent)
    : QObject(parent)
    , m_settings(settings)
{
    m_roll.setTimerType(Qt::PreciseTimer);
    m_roll.setInterval(RollStepMs);
    connect(&m_roll, &QTimer::timeout, this, &GameFlow::rollStep);
    m_clock.setObjectName(QStringLiteral("Timer1"));
    m_clock.setInterval(m_settings.timerInterval);
    connect(&m_clock, &QTimer::timeout, this, &GameFlow::Timer1_Timer);
    connect(&m_search, &SearchRun::progressed, this, &GameFlow::searchProgressed);
    connect(&m_search, &SearchRun::ended, this, &GameFlow::searchFinished);
}

GameFlow::~GameFlow() = default;

void GameFlow::setState(State state)
{
    m_state = state;
    keepClock();
    emit changed();
}

void GameFlow::keepClock()
{
    const bool on = m_state == State::Running && !m_closed && m_roundTimed;
    if (on && !m_clock.isActive())
        m_clock.start();
    else if (!on)
        m_clock.stop();
}

void GameFlow::setSettings(const GameSettings &settings)
{
    m_settings = settings;
    emit changed(); // what may be done now can depend on them
}

void GameFlow::ScrambleNos()
{
    m_picks.clear();
    m_places.fill(0);
    m_tilePicked.fill(false);
    m_board.ScrambleNos();
}

qint16 GameFlow::TargetFromRandom(double r, qint16 highest, qint16 lowest)
{
    const int span = int(highest) - int(lowest) + 1;
    const auto t = static_cast<int>(std::floor(r * span + lowest));
    // r just below 1 plus a large bound can round up to the next whole
    // number: keep the result between the bounds it was drawn from.
    return static_cast<qint16>(
        std::clamp(t, std::min<int>(lowest, highest), std::max<int>(lowest, highest)));
}

void GameFlow::btnPick_Click(qint16 index)
{
    if (m_closed || m_state != State::Picking || index < 0 || index >= NumberBoard::TileCount ||
        m_tilePicked.at(index))
        return;
    const int place =
        NumberBoard::labelForPick(index, [this](int p) { return m_places.at(p) == 0; });
    if (place < 0)
        return;
    m_tilePicked.at(index) = true;
    m_picks.append(m_board.value(index));
    m_places.at(place) = m_board.value(index);
    if (m_picks.size() == NumberBoard::LabelCount) {
        lineUpPicks();
        setState(State::Ready);
        return;
    }
    emit changed();
}

void GameFlow::lineUpPicks()
{
    // The board goes away and the six numbers line up, largest first.
    solver::BubbleSort(std::span<qint32>(m_picks.data(), size_t(m_picks.size())));
    std::copy(m_picks.begin(), m_picks.end(), m_places.begin());
    m_tilePicked.fill(true);
}

void GameFlow::Command1_Click()
{
    if (m_closed)
        return;
    switch (m_state) {
    case State::Ready:
        startGame();
        return;
    case State::Running:
        stopClock();
        return;
    case State::Over:
    case State::Searched:
        playAgain();
        return;
    default:
        // Rolling and Searching among them: the button acts again once the
        // roll or the search has ended.
        return;
    }
}

void GameFlow::startGame()
{
    clearAnswers();
    platform::randomize();
    // The first value shows at once, the others one a step.
    m_rollStep = 1;
    forgetRound();
    m_roundTimed = !m_settings.withoutClock;
    m_rollTargets = m_dealtTarget ? QList<qint32>{m_dealtTarget} : rollTargets();
    m_rollValue = rollValue();
    m_roll.start();
    setState(State::Rolling);
}

qint32 GameFlow::rollValue() const
{
    return TargetFromRandom(platform::rnd(), m_settings.highestTarget, m_settings.lowestTarget);
}

void GameFlow::rollStep()
{
    if (m_closed)
        return;
    // Each value stands for one step; the clock starts one step after the last.
    if (m_rollStep == RollSteps) {
        m_roll.stop();
        // The roll looks the same either way; only where it stops changes.
        if (!m_rollTargets.isEmpty()) {
            const auto at = static_cast<qsizetype>(platform::rnd() * double(m_rollTargets.size()));
            m_rollValue = m_rollTargets.at(std::min(at, m_rollTargets.size() - 1));
        }
        m_target = m_rollValue;
        qCInfo(lcRecord).noquote()
            << QStringLiteral("board %1 target %2; %3 ticks of %4 ms, targets %5 to %6")
                   .arg(numbersText(m_places))
                   .arg(m_target)
                   .arg(m_settings.timeAllowed)
                   .arg(m_settings.timerInterval)
                   .arg(m_settings.lowestTarget)
                   .arg(m_settings.highestTarget);
        m_stood.start();
        setState(State::Running);
        return;
    }
    ++m_rollStep;
    m_rollValue = rollValue();
    emit changed();
}

QList<qint32> GameFlow::rollTargets()
{
    QList<qint32> reachable = reachableTargets();
    if (m_settings.difficulty <= 0 || m_settings.difficulty > GameSettings::HardestDifficulty)
        return reachable;
    const int lowest =
        std::clamp<int>(std::min(m_settings.lowestTarget, m_settings.highestTarget), 1, 32767);
    const int highest =
        std::clamp<int>(std::max(m_settings.lowestTarget, m_settings.highestTarget), 1, 32767);
    const auto wanted = solver::Rating(m_settings.difficulty - 1);
    // Every target of the range is rated at once: about 3 ms for all 899,
    // as the roll's first value shows.
    const solver::RatedTargets rated = solver::targetsRated(
        std::span<const qint32>(m_places.data(), m_places.size()), lowest, highest, wanted);
    m_ratingPlayed = int(rated.rating) + 1;
    m_ratingIsNearest = rated.rating != wanted;
    QList<qint32> targets(rated.targets.begin(), rated.targets.end());
    if (!reachable.isEmpty()) {
        QList<qint32> both;
        std::set_intersection(targets.begin(), targets.end(), reachable.begin(), reachable.end(),
                              std::back_inserter(both));
        // A rating whose targets the numbers all miss keeps its own.
        if (!both.isEmpty())
            targets = both;
    }
    return targets;
}

void GameFlow::forgetRound()
{
    m_roundTimed = true;
    m_hintsTaken = 0;
    m_hint.reset();
    m_ratingPlayed = 0;
    m_ratingIsNearest = false;
    m_codeCopied = false;
    m_stood.invalidate();
}

bool GameFlow::canTakeHint() const
{
    return !m_closed && m_state == State::Running && m_hintsTaken < MostHints;
}

bool GameFlow::takeHint()
{
    if (!canTakeHint())
        return false;
    // A few milliseconds, once a round.
    if (!m_hint) {
        m_hint = std::make_unique<solver::Hint>(
            solver::hintFor(std::span<const qint32>(m_places.data(), m_places.size()), m_target));
    }
    ++m_hintsTaken;
    emit changed();
    return true;
}

QList<qint32> GameFlow::reachableTargets() const
{
    if (!m_settings.reachableTargets)
        return {};
    const int lowest =
        std::clamp<int>(std::min(m_settings.lowestTarget, m_settings.highestTarget), 1, 32767);
    const int highest =
        std::clamp<int>(std::max(m_settings.lowestTarget, m_settings.highestTarget), 1, 32767);
    const std::vector<bool> reached = solver::reachableTargets(
        std::span<const qint32>(m_places.data(), m_places.size()), lowest, highest);
    QList<qint32> targets;
    for (std::size_t i = 0; i < reached.size(); ++i) {
        if (reached[i])
            targets.append(lowest + qint32(i));
    }
    return targets;
}

void GameFlow::stopClock()
{
    emit musicStopped();
    setState(State::Over);
    emit clockStopped(ClockStop::ByPlayer);
}

void GameFlow::playAgain()
{
    newDeal();
    setState(State::Picking);
}

void GameFlow::newDeal()
{
    m_elapsedSeconds = 0;
    m_dial = 0;
    m_target = 0;
    m_dealtTarget = 0;
    m_manual = false;
    forgetRound();
    // The answers stay (hidden) until the next target rolls.
    m_outcome = {};
    ScrambleNos();
}

void GameFlow::Timer1_Timer()
{
    if (m_closed || m_state != State::Running || !m_roundTimed)
        return;
    // Both settings are read at every tick, so a change in the settings
    // window takes effect on the running clock.
    const int timeAllowed = m_settings.timeAllowed;
    if (m_elapsedSeconds == timeAllowed - 30 && !m_settings.noSounds)
        emit musicStarted();
    m_elapsedSeconds = static_cast<qint16>((m_elapsedSeconds + 1) % std::max(1, timeAllowed + 1));
    m_dial = m_elapsedSeconds;
    if (m_elapsedSeconds != timeAllowed) {
        emit changed();
        return;
    }
    // The dial stays full; the count starts again for the next game.
    m_elapsedSeconds = 0;
    setState(State::Over);
    emit clockStopped(ClockStop::TimeUp);
}

void GameFlow::cmdAnswer_Click()
{
    if (m_closed)
        return;
    if (m_state == State::Over)
        search();
    else if (m_state == State::Searching)
        m_search.requestStop(); // it ends at its next check and reports that
}

void GameFlow::clearAnswers()
{
    m_answers.clear();
    m_outcome = {};
    emit answersCleared();
}

void GameFlow::search()
{
    SearchRun::Request request;
    std::copy_n(m_places.begin(), request.numbers.size(), request.numbers.begin());
    request.target = m_target;
    request.listed = m_answers;
    // A player who asked for targets the numbers can reach is always shown a
    // way there: the game's two families of expressions do not cover every
    // way the reachable targets were found by.
    request.completeWhenEmpty = m_settings.completeSearch || m_settings.reachableTargets;
    if (!m_search.start(request))
        return;
    m_combinations = 0;
    m_outcome = {};
    setState(State::Searching);
}

void GameFlow::searchProgressed(const QStringList &answers, std::int32_t combinations)
{
    m_combinations = combinations;
    if (!answers.isEmpty()) {
        m_answers += answers;
        emit answersAdded(answers);
    }
    emit changed();
}

void GameFlow::searchFinished(const SearchRun::End &end)
{
    m_combinations = end.combinations;
    if (!end.newAnswers.isEmpty()) {
        m_answers += end.newAnswers;
        emit answersAdded(end.newAnswers);
    }
    m_outcome = {true, end.finished, end.combinations, end.complete};
    if (lcRecord().isInfoEnabled()) {
        qCInfo(lcRecord).noquote()
            << QStringLiteral("search of %1 to %2 %3 after %4 combinations: %5 answers")
                   .arg(numbersText(m_places))
                   .arg(m_target)
                   .arg(end.finished ? "finished" : "stopped")
                   .arg(end.combinations)
                   .arg(m_answers.size());
        for (const QString &answer : std::as_const(m_answers))
            qCInfo(lcRecord).noquote() << "answer" << answer;
    }
    // A stopped game can be searched again; a finished one, or a board set
    // up by hand, cannot.
    setState(end.finished || m_manual ? State::Searched : State::Over);
    emit searchEnded();
}

void GameFlow::setUpBoard(const QList<qint32> &numbers, qint32 target)
{
    if (m_closed || isBusy() || numbers.size() != NumberBoard::LabelCount)
        return;
    if (!solver::isBoardSelection(std::span<const qint32>(numbers.data(), size_t(numbers.size()))))
        return;
    // A game set up by hand replaces whatever was on the clock: its music
    // and ticks would otherwise carry on over the search.
    emit musicStopped();
    // It is a new game, so its clock starts from nothing like a new deal's:
    // the dial must not go on showing the time the previous game took.
    m_elapsedSeconds = 0;
    m_dial = 0;
    m_picks = numbers;
    lineUpPicks();
    forgetRound();
    m_target = target;
    m_manual = true;
    clearAnswers();
    search();
}

void GameFlow::dealBoard(const QList<qint32> &numbers, qint32 target)
{
    if (m_closed || isBusy() || numbers.size() != NumberBoard::LabelCount || target < 1)
        return;
    if (!solver::isBoardSelection(std::span<const qint32>(numbers.data(), size_t(numbers.size()))))
        return;
    emit musicStopped();
    newDeal();
    m_picks = numbers;
    lineUpPicks();
    m_dealtTarget = target;
    setState(State::Ready);
}

void GameFlow::newBoard()
{
    if (m_closed || isBusy())
        return;
    emit musicStopped();
    playAgain();
}

solver::ReadCode GameFlow::dealCode(const QString &code)
{
    solver::ReadCode read = solver::readBoardCode(code.toStdString());
    if (read.fault == solver::CodeFault::None)
        dealBoard(QList<qint32>(read.numbers.begin(), read.numbers.end()), read.target);
    return read;
}

QString GameFlow::boardCode() const
{
    if (m_target == 0 || m_state == State::Rolling)
        return {};
    return QString::fromStdString(
        solver::boardCode(std::span<const qint32>(m_places.data(), m_places.size()), m_target));
}

void GameFlow::markCodeCopied()
{
    if (boardCode().isEmpty())
        return;
    m_codeCopied = true;
    emit changed();
}

void GameFlow::Form_Unload()
{
    m_closed = true;
    m_roll.stop();
    m_clock.stop();
    emit musicStopped();
    m_search.stopAndWait();
    emit changed();
}

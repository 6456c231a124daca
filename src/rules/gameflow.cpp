#include "gameflow.h"

#include "bubblesort.h"
#include "gameview.h"
#include "globalbas.h"

#include <span>

GameFlow::GameFlow(GameView &view, QList<qint32> &chosenNumbers)
    : m_view(view)
    , m_chosenNumbers(chosenNumbers)
{}

void GameFlow::ScrambleNos()
{
    m_chosenNumbers = {0};
    m_board.ScrambleNos();
}

void GameFlow::BubbleSort(QList<qint32> &values)
{
    solver::BubbleSort(std::span<qint32>(values.data(), static_cast<size_t>(values.size())));
}

void GameFlow::btnPick_Click(qint16 index)
{
    if (m_closed || index < 0 || index >= NumberBoard::TileCount)
        return;
    const int label = NumberBoard::labelForPick(
        index, [this](int l) { return m_view.labelCaption(l).isEmpty(); });
    m_chosenNumbers.append(m_board.value(index));
    const bool sixth = m_chosenNumbers.size() - 1 == NumberBoard::LabelCount;
    // The game button is ready before any tile goes, so that the keyboard
    // can move straight to it rather than through the tiles being hidden.
    if (sixth)
        m_view.setCommand1Enabled(true);
    if (label >= 0) {
        m_view.setLabelCaption(label, m_board.Tag(index));
        m_view.setTileVisible(index, false);
    }
    if (!sixth)
        return;
    // The sixth pick: the board goes away and the numbers line up, largest first.
    for (int tile = 0; tile < NumberBoard::TileCount; ++tile)
        m_view.setTileVisible(tile, false);
    m_view.setInstructionsVisible(false);
    BubbleSort(m_chosenNumbers);
    for (int l = 0; l < NumberBoard::LabelCount; ++l)
        m_view.setLabelCaption(l, QString::number(m_chosenNumbers.at(l)));
}

void GameFlow::Command1_Click()
{
    // Clicks while the target rolls or a search runs are ignored: the button
    // acts again once the long operation has returned.
    if (m_closed || isBusy())
        return;
    const QString caption = m_view.command1Caption();
    if (caption == Start)
        startGame();
    else if (caption == Stop)
        stopClock();
    else if (caption == PlayAgain)
        playAgain();
}

void GameFlow::startGame()
{
    m_view.setCommand1Caption(Stop);
    m_rolling = true;
    const qint16 target = m_view.drawTarget();
    m_rolling = false;
    if (m_closed)
        return;
    m_view.setTargetCaption(QString::number(target));
    m_view.setTimerEnabled(true);
}

void GameFlow::stopClock()
{
    m_view.purgeMusic();
    m_view.setTimerEnabled(false);
    m_view.setCommand1Caption(PlayAgain);
    m_view.setCmdAnswerVisible(true);
    m_view.setCmdAnswerEnabled(true);
    m_view.clockStopped(GameView::ClockStop::ByPlayer);
}

void GameFlow::playAgain()
{
    m_view.setTimerEnabled(false);
    m_elapsedSeconds = 0;
    m_view.setDialValue(0);
    m_view.setTargetCaption(QString());
    ScrambleNos();
    for (int l = 0; l < NumberBoard::LabelCount; ++l)
        m_view.setLabelCaption(l, QString());
    for (int tile = 0; tile < NumberBoard::TileCount; ++tile)
        m_view.setTileVisible(tile, true);
    m_view.setInstructionsVisible(true);
    m_view.setCommand1Caption(Start);
    m_view.setCommand1Enabled(false);
    m_view.setCmdAnswerVisible(false);
    m_view.setCmdAnswerEnabled(true);
    m_view.setCmdAnswerCaption(ShowAnswers);
    // The answers stay in the hidden list until the next target is drawn.
    m_view.setStatusVisible(false);
    m_view.setAnswersVisible(false);
}

void GameFlow::Timer1_Timer()
{
    if (m_closed)
        return;
    // Both settings are read afresh at every tick, so a change in the
    // settings window takes effect on the running clock.
    const int timeAllowed = GLOBALbas::TimeAllowed;
    if (m_elapsedSeconds == timeAllowed - 30 && !GLOBALbas::NoSounds)
        m_view.playMusic();
    m_elapsedSeconds = static_cast<qint16>((m_elapsedSeconds + 1) % std::max(1, timeAllowed + 1));
    m_view.setDialValue(m_elapsedSeconds);
    if (m_elapsedSeconds == timeAllowed) {
        m_view.setCommand1Caption(PlayAgain);
        m_view.setTimerEnabled(false);
        m_view.setCmdAnswerVisible(true);
        m_elapsedSeconds = 0;
        m_view.clockStopped(GameView::ClockStop::TimeUp);
    }
}

void GameFlow::cmdAnswer_Click()
{
    if (m_closed)
        return;
    const QString caption = m_view.cmdAnswerCaption();
    if (caption == ShowAnswers) {
        if (m_searching)
            return;
        showAnswers();
    } else if (caption == StopSearch) {
        // Only a search that has begun can be stopped; a click in the moment
        // before it begins is ignored rather than lost inside the search.
        if (!m_searchStarted)
            return;
        m_view.setSearchRunning(false);
    }
    if (!m_closed)
        afterAnswerClick();
}

void GameFlow::showAnswers()
{
    m_view.resetCombinationCount();
    m_view.setCmdAnswerCaption(StopSearch);
    m_view.setCommand1Enabled(false);
    m_view.setStatusCaption(Searching);
    m_view.setStatusVisible(true);
    m_view.setAnswersVisible(true);

    runSearch();
}

void GameFlow::runSearch()
{
    m_searching = true;
    m_view.yield();
    if (!m_closed) {
        const qint32 target = m_view.targetCaption().toInt();
        m_searchStarted = true;
        m_view.startSearch(m_chosenNumbers, target);
        m_searchStarted = false;
    }
    m_searching = false;
}

void GameFlow::afterAnswerClick()
{
    if (m_view.searchRunning())
        m_view.setCmdAnswerEnabled(false);
    m_view.setCommand1Enabled(true);
    m_view.setCommand1Caption(PlayAgain);
}

void GameFlow::ManualSetupClosed()
{
    if (!GLOBALbas::ManualSetupReady)
        return;
    GLOBALbas::ManualSetupReady = false;
    // The window only opens when no roll or search is under way; should it
    // ever close inside one, its numbers are not searched inside another.
    if (m_closed || isBusy())
        return;
    // A game set up by hand replaces whatever was on the clock: its music
    // and ticks would otherwise carry on over the search.
    m_view.purgeMusic();
    m_view.setTimerEnabled(false);

    BubbleSort(m_chosenNumbers);
    for (int l = 0; l < NumberBoard::LabelCount; ++l)
        m_view.setLabelCaption(l, QString::number(m_chosenNumbers.value(l)));
    m_view.resetCombinationCount();
    m_view.setInstructionsVisible(false);
    for (int tile = 0; tile < NumberBoard::TileCount; ++tile)
        m_view.setTileVisible(tile, false);
    m_view.setCmdAnswerEnabled(true);
    m_view.setCmdAnswerCaption(StopSearch);
    m_view.setCmdAnswerVisible(true);
    m_view.setStatusCaption(Searching);
    m_view.setStatusVisible(true);
    m_view.clearAnswers();
    m_view.setAnswersVisible(true);
    m_view.setCommand1Enabled(false);
    m_view.setCommand1Caption(PlayAgain);

    runSearch();
    if (m_closed)
        return;
    m_view.setCommand1Enabled(true);
    m_view.setCmdAnswerEnabled(false);
}

void GameFlow::Form_Unload()
{
    m_closed = true;
    m_view.purgeMusic();
    m_view.setTimerEnabled(false);
    if (m_searchStarted)
        m_view.setSearchRunning(false);
}

// The main window's menu commands that open the other windows.

#include "aboutfrm.h"
#include "answerfrm.h"
#include "answerscore.h"
#include "codefrm.h"
#include "dailyboard.h"
#include "daysfrm.h"
#include "gamefrm.h"
#include "manualfrm.h"
#include "modality.h"
#include "playerstats.h"
#include "recordmessage.h"
#include "settingfrm.h"
#include "statsfrm.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

#include <optional>
#include <utility>

void GameFrm::mnuSettings_Click()
{
    if (platform::isBehindModal(*this))
        return;
    SettingFrm window(m_flow.settings(), this);
    // The game plays by the time allowed and the tick as the window read them
    // from the store; the running clock keeps its speed until the Timing page
    // is applied.
    settingsChanged(window.settings());
    connect(&window, &SettingFrm::applied, this, [this](const GameSettings &settings, bool clock) {
        settingsChanged(settings);
        if (clock)
            m_flow.setClockInterval(settings.timerInterval);
        GetSettings();
    });
    execOver(window);
    takeBackFocus();
}

void GameFrm::mnuSetup_Click()
{
    // Its search would replace the one running, or the target being rolled;
    // a game played for points is not thrown away while its clock runs.
    if (!m_shown.manualSetupEnabled || matchOn() || platform::isBehindModal(*this))
        return;
    QList<qint32> numbers;
    qint32 target = 0;
    {
        ManualFrm window(this);
        if (execOver(window) == QDialog::Accepted) {
            numbers = window.chosenNumbers();
            target = window.target();
        }
    }
    takeBackFocus();
    if (!numbers.isEmpty()) {
        abandonDailyBoard();
        m_flow.setUpBoard(numbers, target);
    }
}

void GameFrm::mnuAbout_Click()
{
    if (platform::isBehindModal(*this))
        return;
    AboutFrm window(this);
    execOver(window);
    takeBackFocus();
}

void GameFrm::settingsChanged(const GameSettings &settings)
{
    m_flow.setSettings(settings); // the points commands follow it
    nameClock();
}

void GameFrm::showPointsMenu()
{
    QMenuBar *bar = menuBar();
    const bool on = m_flow.settings().playForPoints;
    for (QAction *action :
         {mnuDaily, mnuDays, mnuCodes, mnuStats, mnuHint, mnuMatch, mnuEndMatch}) {
        if (on && !bar->actions().contains(action))
            bar->insertAction(mnuAbout, action);
        else if (!on)
            bar->removeAction(action);
    }
}

void GameFrm::mnuDaily_Click()
{
    // It would replace the target being rolled, the search running, a game
    // on the clock or a match's board.
    if (!m_shown.manualSetupEnabled || matchOn() || platform::isBehindModal(*this))
        return;
    dealDay(QDate::currentDate());
}

void GameFrm::mnuDays_Click()
{
    if (!m_shown.manualSetupEnabled || matchOn() || platform::isBehindModal(*this))
        return;
    QDate day;
    {
        DaysFrm window(m_record, QDate::currentDate(), this);
        if (execOver(window) == QDialog::Accepted)
            day = window.chosenDay();
    }
    takeBackFocus();
    if (day.isValid() && m_shown.manualSetupEnabled && !matchOn())
        dealDay(day);
}

void GameFrm::dealDay(QDate day)
{
    if (m_record.dailyDay() == day && m_flow.isDealtBoard() &&
        m_flow.state() == GameFlow::State::Ready)
        return; // already dealt, waiting for START
    abandonDailyBoard();
    const solver::DailyBoard board = solver::dailyBoard(day.year(), day.month(), day.day());
    m_flow.dealBoard(QList<qint32>(board.numbers.begin(), board.numbers.end()), board.target);
    if (m_flow.isDealtBoard()) {
        m_record.dealtDaily(day);
        Command1->setFocus(Qt::OtherFocusReason);
    }
}

void GameFrm::mnuStats_Click()
{
    if (platform::isBehindModal(*this))
        return;
    StatsFrm window(m_record, this);
    tellRecord(this);
    execOver(window);
    takeBackFocus();
}

void GameFrm::mnuHint_Click()
{
    // A hint in a match would be one player's alone.
    if (matchOn() || platform::isBehindModal(*this))
        return;
    m_flow.takeHint();
}

void GameFrm::mnuCopyCode_Click()
{
    if (platform::isBehindModal(*this))
        return;
    const QString code = m_flow.boardCode();
    if (code.isEmpty())
        return;
    QGuiApplication::clipboard()->setText(code);
    m_flow.markCodeCopied();
}

void GameFrm::mnuPlayCode_Click()
{
    // As the day's board: not over a roll, a search, a game on the clock or a match.
    if (!m_shown.manualSetupEnabled || matchOn() || platform::isBehindModal(*this))
        return;
    std::optional<solver::ReadCode> read;
    {
        CodeFrm window(this);
        if (execOver(window) == QDialog::Accepted)
            read = window.board();
    }
    takeBackFocus();
    if (!read || !m_shown.manualSetupEnabled || matchOn())
        return;
    abandonDailyBoard();
    m_flow.dealBoard(QList<qint32>(read->numbers.begin(), read->numbers.end()), read->target);
    if (m_flow.isDealtBoard()) {
        m_record.dealtCode();
        Command1->setFocus(Qt::OtherFocusReason);
    }
}

AnswerFrm *GameFrm::answerWindow() const
{
    return static_cast<AnswerFrm *>(m_answer.data());
}

void GameFrm::askForAnswer()
{
    const auto &places = m_flow.places();
    // Not modal to the application: the game's own timers and the search
    // go on, and nothing waits in a nested event loop.
    auto *answer =
        new AnswerFrm(std::span<const qint32>(places.data(), places.size()), m_flow.target(), this);
    m_answer = answer;
    answer->setAttribute(Qt::WA_DeleteOnClose);
    if (matchOn()) {
        // Each player in turn, the keyboard passed between them.
        answer->setMatchTurn(m_match->handOver(m_match->answering()));
        connect(answer, &AnswerFrm::scored, this, [this, answer] { matchAnswered(*answer); });
    } else {
        answer->setRound({m_flow.hintsTaken(), m_flow.isRoundTimed(), m_flow.targetStood()});
        connect(answer, &AnswerFrm::scored, this, [this, answer] { recordScore(*answer); });
    }
    connect(answer, &QDialog::finished, this, &GameFrm::takeBackFocus);
    // Modal over this window, which still hears its close box: closing the
    // game gives the answer up.
    platform::showModalOver(*answer, *this);
    // The player answers at once: the window takes the keyboard, also where
    // no window manager hands it over. Asked for once the window is up: asked
    // for at once, the request can reach the window system before the window
    // does and be lost (seen on the offscreen platform).
    QTimer::singleShot(0, answer, [answer] { answer->activateWindow(); });
}

void GameFrm::recordScore(AnswerFrm &answer)
{
    PlayedGame game = answer.game();
    // Without the clock there is no time left to keep.
    if (m_flow.isRoundTimed())
        game.secondsLeft = m_flow.ticksLeft();
    if (!m_flow.isDealtBoard())
        m_record.dealtDaily({}); // the day's board is no longer the one played
    const ScoreKeeper::Outcome outcome = m_record.record(game);
    if (outcome.day) {
        // The day's board counts once: a second try is scored but not kept.
        const PlayerStats day = *outcome.day;
        if (outcome.secondTry)
            answer.addNote(tr("This try is not recorded; the day's first result is: %1")
                               .arg(GLOBALbas::dailySummary(day)));
        answer.offerCopy([day] { return GLOBALbas::dailySummary(day); });
    }
    tellRecord(&answer);
}

void GameFrm::abandonDailyBoard()
{
    // The day's board, once dealt, is the day's one try: left without an
    // answer (a new board over it, the game closed) it counts as No answer,
    // or a player could look at it and come back to it.
    if (!m_record.dailyDay().isValid())
        return;
    if (!m_flow.isDealtBoard()) {
        m_record.dealtDaily({});
        return;
    }
    m_record.abandonDaily();
    tellRecord(this);
}

void GameFrm::tellRecord(QWidget *over)
{
    // The box's loop is one of this window's modal loops: a close arriving
    // in it deletes the window only once it has returned. While the game
    // closes, the log alone hears of it.
    ++m_modalDepth;
    tellRecordFailure(over, m_record, !m_closing);
    if (--m_modalDepth == 0 && m_deleteWhenUnwound)
        deleteLater();
}

void GameFrm::takeBackFocus()
{
    // A window manager would hand the keyboard back to the main window when
    // a dialog closes; without one, nothing does.
    if (isVisible())
        activateWindow();
}

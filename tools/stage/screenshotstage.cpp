#include "screenshotstage.h"

#include "aboutfrm.h"
#include "answerfrm.h"
#include "codefrm.h"
#include "daysfrm.h"
#include "gameflow.h"
#include "gamefrm.h"
#include "lighttab.h"
#include "manualfrm.h"
#include "matchfrm.h"
#include "playerstats.h"
#include "settingfrm.h"
#include "statsfrm.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTimer>

namespace {

// 100 75 8 5 3 2 reach 523 in 32 ways: enough to fill the answers list.
constexpr int Tiles[] = {20, 21, 2, 3, 12, 13};
constexpr int Values[] = {100, 75, 8, 5, 3, 2};

void pick(GameFrm &window, int count)
{
    for (int i = 0; i < count; ++i) {
        window.flow().board().setTag(Tiles[i], QString::number(Values[i]));
        window.btnPick_Click(qint16(Tiles[i]));
    }
}

// The roll and the search run on their own: waits (at most 30 s) until the
// game has reached `state`, for a picture of it.
void waitFor(GameFrm &window, GameFlow::State state)
{
    GameFlow &flow = window.flow();
    if (flow.state() == state)
        return;
    QEventLoop loop;
    QObject::connect(&flow, &GameFlow::changed, &loop, [&] {
        if (flow.state() == state)
            loop.quit();
    });
    QTimer::singleShot(30000, &loop, &QEventLoop::quit);
    loop.exec();
}

// The other windows are shown without waiting on them, so the picture can
// be taken while they are open; they go when the main window closes.
template <typename Window> Window *openBeside(Window *dialog)
{
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
    return dialog;
}

// A message box the game puts up is read out and closed, so that the game
// goes on and a script sees what the player was told.
QTimer *reportMessageBoxes(GameFrm &window)
{
    auto *boxes = new QTimer(&window);
    QObject::connect(boxes, &QTimer::timeout, &window, [] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            qInfo("message: %s: %s", qPrintable(box->windowTitle()), qPrintable(box->text()));
            box->accept();
        }
    });
    boxes->start(20);
    return boxes;
}

// A manual setup confirmed with the labels given and the target, then
// searched as the menu command does once the window has closed.
void manualSearch(GameFrm &window, std::initializer_list<int> labels, const QString &target)
{
    ManualFrm manual(&window);
    for (int label : labels)
        manual.l1_Click(qint16(label));
    manual.Text1->setText(target);
    manual.Command1_Click();
    window.flow().setUpBoard(manual.chosenNumbers(), manual.target());
    waitFor(window, GameFlow::State::Searched);
}

// A game on the 523 board played for points and stopped: the answer
// window the game opens.
AnswerFrm *answerWindow(GameFrm &window)
{
    GameSettings settings = window.flow().settings();
    settings.lowestTarget = settings.highestTarget = 523;
    settings.playForPoints = true;
    window.flow().setSettings(settings);
    pick(window, 6);
    window.Command1_Click(); // START
    waitFor(window, GameFlow::State::Running);
    for (int tick = 0; tick < 12; ++tick)
        window.Timer1_Timer();
    window.Command1_Click(); // STOP
    return window.answerWindow();
}

// A round of practice on the 523 board: without the clock, with hints.
void practiceRound(GameFrm &window, int hints)
{
    GameSettings settings = window.flow().settings();
    settings.lowestTarget = settings.highestTarget = 523;
    settings.playForPoints = true;
    settings.withoutClock = true;
    window.flow().setSettings(settings);
    pick(window, 6);
    window.Command1_Click(); // START
    waitFor(window, GameFlow::State::Running);
    for (int hint = 0; hint < hints; ++hint)
        window.mnuHint_Click();
}

// A match's next answer window, once it has opened: it asks for the
// keyboard to be passed, where the one before has been answered.
AnswerFrm *nextAnswerWindow(GameFrm &window)
{
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (window.answerWindow() && window.answerWindow()->pages->currentIndex() == 2)
            loop.quit();
    });
    poll.start(10);
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    loop.exec();
    return window.answerWindow();
}

// A match of three rounds on the 523 board, the tiles picked in turns: each
// round's starter answers exactly, the other a little short (or not at all
// in the second round); the last round's result over the main window.
AnswerFrm *matchPlayed(GameFrm &window)
{
    GameSettings settings = window.flow().settings();
    settings.lowestTarget = settings.highestTarget = 523;
    settings.playForPoints = true;
    window.flow().setSettings(settings);
    window.startMatch({QStringLiteral("Ann"), QStringLiteral("Ben")}, 3,
                      TwoPlayerMatch::Boards::Picked);
    AnswerFrm *answer = nullptr;
    for (int round = 1; round <= 3; ++round) {
        if (round > 1) {
            // Closed from this loop inside the stage's own, the window would
            // stay until that returns, and the game would wait for it to go.
            answer->cmdClose->click();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            window.Command1_Click(); // PLAY AGAIN
        }
        pick(window, 6);
        window.Command1_Click(); // START
        waitFor(window, GameFlow::State::Running);
        for (int tick = 0; tick < 9; ++tick)
            window.Timer1_Timer();
        window.Command1_Click(); // STOP
        const QString answers[2] = {QStringLiteral("(100+75)x3-2"),
                                    round == 2 ? QString() : QStringLiteral("100x5+8x3")};
        for (const QString &given : answers) {
            answer = nextAnswerWindow(window);
            answer->cmdReady->click();
            answer->tabWays->setCurrentIndex(1);
            answer->txtAnswer->setText(given);
            if (given.isEmpty())
                answer->NoAnswer_Click();
            else
                answer->Declare_Click();
        }
    }
    return answer;
}

QWidget *stagePoints(GameFrm &window, const QString &state)
{
    // The whole screen: the result over the main window, the match's line beside the target.
    if (state == QLatin1String("match-setup"))
        return openBeside(new MatchFrm(window.record().lastPlayers(), &window));
    if (state == QLatin1String("match-result")) {
        matchPlayed(window);
        return &window;
    }
    if (state == QLatin1String("practice-hint")) {
        practiceRound(window, 3);
        return &window;
    }
    if (state == QLatin1String("practice-near-miss")) {
        practiceRound(window, 1);
        window.Command1_Click(); // STOP
        AnswerFrm *answer = window.answerWindow();
        answer->tabWays->setCurrentIndex(1);
        answer->txtAnswer->setText(QStringLiteral("(100+5)x3+8x2"));
        answer->Declare_Click();
        return answer;
    }
    if (state == QLatin1String("answer-refused")) {
        AnswerFrm *answer = answerWindow(window);
        for (QPushButton *button :
             {answer->cmdNumber[0], answer->cmdOperation[0], answer->cmdNumber[3],
              answer->cmdNumber[2], answer->cmdOperation[3], answer->cmdNumber[4]})
            button->click(); // 100 + 5, then 8 / 3: refused
        return answer;
    }
    if (state == QLatin1String("answer-result")) {
        AnswerFrm *answer = answerWindow(window);
        answer->tabWays->setCurrentIndex(1);
        answer->txtAnswer->setText(QStringLiteral("100x5+8x3"));
        answer->Declare_Click();
        return answer;
    }
    if (state == QLatin1String("statistics")) {
        // A few games' worth, as a player would have after an evening.
        for (const ScoredRound &round : std::initializer_list<ScoredRound>{{true, 0, 0, 10},
                                                                           {true, 3, 0, 7},
                                                                           {true, 0, 0, 10},
                                                                           {true, 2, 2, 10},
                                                                           {false, 0, 0, 0},
                                                                           {true, 12, 0, 0},
                                                                           {true, 0, 0, 10},
                                                                           {true, 0, 0, 10}}) {
            PlayedGame game;
            game.round = round;
            window.record().record(game);
        }
        return openBeside(new StatsFrm(window.record(), &window));
    }
    if (state == QLatin1String("board-code") || state == QLatin1String("past-days")) {
        GameSettings settings = window.flow().settings();
        settings.playForPoints = true;
        window.flow().setSettings(settings);
    }
    if (state == QLatin1String("board-code")) {
        auto *code = openBeside(new CodeFrm(&window));
        code->txtCode->setText(QStringLiteral("tf-98x-k"));
        return code;
    }
    if (state == QLatin1String("past-days")) {
        // A few days of this month played: exact, short of the target, given up.
        const QDate today = QDate::currentDate();
        const std::pair<int, ScoredRound> days[]{
            {1, {true, 0, 0, 10}}, {2, {true, 3, 0, 7}}, {4, {false, 0, 0, 0}}};
        for (const auto &[back, round] : days) {
            PlayedGame game;
            game.round = round;
            window.record().dealtDaily(today.addDays(-back));
            window.record().record(game);
        }
        return openBeside(new DaysFrm(window.record(), today, &window));
    }
    return nullptr;
}

QWidget *stageOtherWindow(GameFrm &window, const QString &state)
{
    if (QWidget *points = stagePoints(window, state))
        return points;
    if (state == QLatin1String("manual")) {
        auto *manual = openBeside(new ManualFrm(&window));
        for (int label : {4, 9, 13, 20, 22, 23}) // 5 10 4 25 75 100
            manual->l1_Click(qint16(label));
        manual->Text1->setText(QStringLiteral("813"));
        return manual;
    }
    if (state.startsWith(QLatin1String("settings-"))) {
        auto *settings = openBeside(new SettingFrm(window.flow().settings(), &window));
        // A target rating chosen, for its picture.
        if (state == QLatin1String("settings-rating"))
            settings->Combo2->setCurrentIndex(3);
        window.flow().setSettings(settings->settings());
        const qint16 tab = state == QLatin1String("settings-timing")    ? 1
                           : state == QLatin1String("settings-general") ? 2
                                                                        : 0;
        settings->LightTab1->setActiveTab(tab);
        settings->LightTab1_AfterTabChange(tab);
        return settings;
    }
    if (state == QLatin1String("about"))
        return openBeside(new AboutFrm(&window));
    return nullptr;
}

// A menu command run as the player runs it, its window living on the
// command's stack and its modal loop inside the command; once the window is
// open, what players did there to get a message box over it: OK on a range
// upside down, OK with no numbers chosen, Reset. The box's loop then runs
// inside the window's, which is where a close from outside must still end
// the game cleanly.
QWidget *stageBoxOverDialog(GameFrm &window, const QString &state)
{
    const bool applying = state == QLatin1String("settings-ok");
    if (applying)
        reportMessageBoxes(window); // what the player is told when OK saves
    QAction *menu = state == QLatin1String("settings-box") || state == QLatin1String("settings-ok")
                        ? window.controls().mnuSettings
                    : state == QLatin1String("manual-box") ? window.controls().mnuSetup
                    : state == QLatin1String("stats-box")  ? window.controls().mnuStats
                                                           : nullptr;
    if (!menu)
        return nullptr;
    auto *poll = new QTimer(&window);
    QObject::connect(poll, &QTimer::timeout, &window, [poll, applying] {
        QWidget *open = QApplication::activeModalWidget();
        if (!open || !open->isVisible())
            return;
        poll->deleteLater();
        poll->stop();
        auto *settings = qobject_cast<SettingFrm *>(open);
        if (settings && applying) {
            settings->ButtonEx1_Click(SettingFrm::OkButton);
            return;
        }
        qInfo("opening a message box over %s", open->metaObject()->className());
        if (settings) {
            settings->Text1[0]->setText(QStringLiteral("900"));
            settings->Text1[1]->setText(QStringLiteral("200"));
            bool cancel = false;
            settings->Text1_Validate(1, cancel); // as on OK
        } else if (auto *manual = qobject_cast<ManualFrm *>(open)) {
            manual->Command1_Click(); // OK
        } else if (auto *stats = qobject_cast<StatsFrm *>(open)) {
            stats->cmdReset->click();
        }
    });
    poll->start(20);
    // After this returns: the command's modal loop must not run inside the
    // caller's timer.
    QTimer::singleShot(0, menu, &QAction::trigger);
    return &window;
}

} // namespace

void playScoredGames(GameFrm &window, int count)
{
    QTimer *boxes = reportMessageBoxes(window);
    const QPointer<GameFrm> alive = &window;
    for (int game = 1; game <= count && alive; ++game) {
        AnswerFrm *answer = answerWindow(window);
        if (!answer)
            qFatal("game %d: no answer window", game);
        answer->tabWays->setCurrentIndex(1);
        answer->txtAnswer->setText(QStringLiteral("100x5+8x3"));
        answer->Declare_Click(); // records the game
        if (!answer->isScored())
            qFatal("game %d: the answer was refused: %s", game,
                   qPrintable(answer->lbCheck->text()));
        qInfo("recorded game %d", game);
        answer->accept();
        window.Command1_Click(); // PLAY AGAIN
        QApplication::processEvents();
    }
    delete boxes;
    if (alive) {
        const PlayerStats stats = window.record().statistics();
        qInfo("statistics: %d games, %d points", stats.gamesScored, stats.pointsTotal);
    }
}

QWidget *stageWindow(GameFrm &window, const QString &state)
{
    if (state == QLatin1String("picking")) {
        pick(window, 3);
        return &window;
    }
    if (state == QLatin1String("running")) {
        pick(window, 6);
        window.Command1_Click(); // START: the target rolls
        waitFor(window, GameFlow::State::Running);
        for (int tick = 0; tick < window.flow().settings().timeAllowed / 2; ++tick)
            window.Timer1_Timer();
        return &window;
    }
    // These two return as the roll or the search has just begun.
    if (state == QLatin1String("rolling")) {
        pick(window, 6);
        window.Command1_Click(); // START
        return &window;
    }
    if (state == QLatin1String("searching")) {
        pick(window, 6);
        window.Command1_Click(); // START: the target rolls
        waitFor(window, GameFlow::State::Running);
        window.Command1_Click(); // STOP
        window.cmdAnswer_Click();
        return &window;
    }
    if (state == QLatin1String("answers")) {
        GameSettings settings = window.flow().settings();
        settings.lowestTarget = settings.highestTarget = 523;
        window.flow().setSettings(settings);
        pick(window, 6);
        window.Command1_Click(); // START
        waitFor(window, GameFlow::State::Running);
        for (int tick = 0; tick < 21; ++tick)
            window.Timer1_Timer();
        window.Command1_Click(); // STOP
        window.cmdAnswer_Click();
        waitFor(window, GameFlow::State::Searched);
        return &window;
    }
    // The complete search where the game's finds nothing (with the switch
    // on in the settings): the nearest one can get to an unreachable target.
    if (state == QLatin1String("complete-nearest")) {
        manualSearch(window, {0, 10, 1, 11, 2, 12}, QStringLiteral("999")); // 1 1 2 2 3 3
        return &window;
    }
    if (QWidget *boxed = stageBoxOverDialog(window, state))
        return boxed;
    return stageOtherWindow(window, state);
}

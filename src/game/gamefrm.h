#pragma once

#include "gameflow.h"
#include "gamelayout.h"
#include "gamepresentation.h"
#include "scorekeeper.h"
#include "twoplayermatch.h"

#include <QByteArray>
#include <QDate>
#include <QDialog>
#include <QMainWindow>
#include <QPointer>
#include <QSize>

#include <array>
#include <memory>

class AnswerFrm;
class ButtonEx;

class GradientPanel;
class QAction;
class QLabel;
class QListWidget;
class QPushButton;
class QTimer;
class VelCProg;

namespace platform {
class SoundPlayer;
}

// The main window's controls by their names, and what it loaded at start.
// The window owns them; the tests and the tools that play the window reach
// them read-only through GameFrm::controls().
struct GameFrmControls
{
    VelCProg *cp1 = nullptr;
    GradientPanel *Picture3 = nullptr;
    QWidget *Picture2 = nullptr;
    QLabel *lbTarget = nullptr;
    GradientPanel *Picture4 = nullptr;
    std::array<QLabel *, NumberBoard::LabelCount> Label2{};
    std::array<ButtonEx *, NumberBoard::TileCount> btnPick{};
    QLabel *lbinst = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *cmdAnswer = nullptr;
    QLabel *LBa = nullptr;
    QListWidget *List1 = nullptr;
    QTimer *Timer1 = nullptr;
    QAction *mnuExit = nullptr;
    QAction *mnuSettings = nullptr;
    QAction *mnuSetup = nullptr;
    QAction *mnuAbout = nullptr;
    // On the menu bar, before About, only in games played for points.
    QAction *mnuDaily = nullptr;
    QAction *mnuDays = nullptr; // the archive of past days' boards
    QAction *mnuStats = nullptr;
    QAction *mnuHint = nullptr; // while a round is on
    // "Board codes", a menu of two: the code of the board played (once its
    // target stands), and a board dealt from a code.
    QAction *mnuCodes = nullptr;
    QAction *mnuCopyCode = nullptr;
    QAction *mnuPlayCode = nullptr;
    // A match of two players at this screen: started from the bar (with the
    // points commands), and ended there while it is on.
    QAction *mnuMatch = nullptr;
    QAction *mnuEndMatch = nullptr;
    // The hints taken this round, where the answers show later.
    QLabel *lbHint = nullptr;
    // The match's running score (and whose pick it is), beside the target.
    QLabel *lbMatch = nullptr;
    QByteArray SoundData;
    int ScreenWidthPx = 0;
    int ScreenHeightPx = 0;
};

// The main window: the board, the clock and everything the player does. The
// game itself lives in GameFlow; the window holds the controls, lays them
// out, forwards their events and shows the game after every change. The
// other windows get what they need from it as arguments; they never reach
// into it.
class GameFrm : public QMainWindow, private GameFrmControls
{
    Q_OBJECT

public:
    explicit GameFrm(const GameSettings &settings, QWidget *parent = nullptr);
    ~GameFrm() override;

    // Re-reads the "ShowSeconds" switch and shows or hides the dial's count.
    void GetSettings();
    bool showSeconds() const;

    // A new deal (the tiles and labels are left as they are).
    void ScrambleNos();

    // Places every control for the screen; the first step of loading.
    void ResizeControls();
    const GameLayout &layout() const { return m_layout; }

    // The controls' events.
    void btnPick_Click(qint16 index);
    void Command1_Click();
    void Timer1_Timer();
    void cmdAnswer_Click();
    // A key on a tile: Space or Enter picks it, the arrows move the focus.
    void btnPick_KeyDown(qint16 index, short keyCode);

    // The menu commands that open the other windows modally; each returns
    // when its window has closed.
    void mnuSettings_Click();
    void mnuSetup_Click();
    void mnuAbout_Click();
    void mnuDaily_Click();
    void mnuDays_Click();
    void mnuStats_Click();
    void mnuHint_Click();
    void mnuCopyCode_Click();
    void mnuPlayCode_Click();
    void mnuMatch_Click();
    void mnuEndMatch_Click();
    // A match between two players, as its set-up window starts it.
    void startMatch(const std::array<QString, 2> &players, int rounds,
                    TwoPlayerMatch::Boards boards);
    // The match on, or the one that ended last until the next round starts;
    // null when there is none.
    const TwoPlayerMatch *match() const { return m_match.get(); }
    // "Your answer", while it is open over the game.
    AnswerFrm *answerWindow() const;

    qint16 ElapsedSeconds() const { return m_flow.ElapsedSeconds(); }
    GameFlow &flow() { return m_flow; }
    ScoreKeeper &record() { return m_record; }
    platform::SoundPlayer &sound() { return *m_sound; }
    // For the tests and the tools that play the window as a player would.
    const GameFrmControls &controls() const { return *this; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Lays the controls out for an inside of `insidePx`, creating the tiles
    // the first time.
    void layOutFor(QSize insidePx);
    // Once the window manager has placed the window: lays out for the room
    // the window really got and keeps the window at that size.
    void fitToScreen();
    // How long a window manager takes, after a change of state, to give the
    // window its new frame.
    static constexpr int FrameSettleMs = 250;

    void setUpKeyboard();
    void takeBackFocus();
    // The clock's accessible name: the seconds left, which the dial does not show.
    void nameClock();
    void moveTileFocus(int column, int row, int dx, int dy);
    void focusFaceDownTile(int from, int step);
    bool pressedWithEnter(QObject *watched, QEvent *event);
    void createControls();
    void createMenus();
    void createPanels();
    void createGameControls();
    ButtonEx *createTile(int index);
    void Form_Load();
    void mnuExit_Click();
    void placeControls();
    void fitDial();
    void placeStatus();

    // Shows the game as it now stands.
    void present();
    void showClockStopped(GameFlow::ClockStop how);
    void addAnswers(const QStringList &answers);
    void showSearchEnd();
    // The settings the game plays by have changed.
    void settingsChanged(const GameSettings &settings);
    // The points commands on the menu bar only in games played for points.
    void showPointsMenu();
    // Opens "Your answer" over the stopped game, and records its score.
    void askForAnswer();
    void recordScore(AnswerFrm &answer);
    // Records the day's board as No answer if it was dealt and is being left
    // unplayed; forgets it either way.
    void abandonDailyBoard();
    // Deals the board of a day, today's or a past one, as that day's try.
    void dealDay(QDate day);
    // A match is on: the board is the match's, so nothing else may replace it.
    bool matchOn() const { return m_match && !m_match->isOver(); }
    // The board of the match's next round: dealt, or to be picked in turns.
    void startMatchRound();
    // A player's answer in a match: the first one's window goes before the
    // second's opens; the second's shows the round.
    void matchAnswered(AnswerFrm &answer);
    // The match is left (the command, or the game closing): kept unfinished.
    void leaveMatch();
    // The match's line beside the target.
    void showMatch();
    void placeMatchLine();
    // Tells the player, over `over`, of a failure to keep their record.
    void tellRecord(QWidget *over);
    // Runs a window's modal loop over this one. The dialogs live on the
    // stacks of the commands that open them, so a close that arrives inside
    // such a loop (from outside, or through a box the dialog shows) ends the
    // loops and deletes this window only once the last of them has returned.
    int execOver(QDialog &dialog);
    // Cancels every dialog and message box open over this window, innermost
    // first, so that each modal loop returns.
    void closeWindowsOver();

    GameFlow m_flow;
    GameLayout m_layout;
    QSize m_laidOutFor;     // the inside the layout was made for
    bool m_exposed = false; // the window manager has shown the window
    bool m_watchingWindow = false;
    QMetaObject::Connection m_screenWatch;
    QWidget *m_client = nullptr;
    // What present() last showed; the controls start out as their design has them.
    GamePresentation m_shown;
    platform::SoundPlayer *m_sound = nullptr;
    QPointer<QDialog> m_answer; // an AnswerFrm
    // The points rules and the player's record of games.
    ScoreKeeper m_record;
    std::unique_ptr<TwoPlayerMatch> m_match;
    bool m_closing = false;           // failures to record are only logged from here on
    int m_modalDepth = 0;             // modal loops run over this window
    bool m_deleteWhenUnwound = false; // closed while one of them ran
};

#pragma once

#include "numberboard.h"

#include <QList>
#include <QString>

class GameView;

// The rules of one game, from the picks to the search, with no window: what a
// tile click, the game button, the answer button and a clock tick do. The
// captions of the two buttons are the game's state, read back from the view
// each time, so whatever the window shows is what the next click acts on.
class GameFlow
{
public:
    static inline const QString Start = QStringLiteral("START");
    static inline const QString Stop = QStringLiteral("STOP");
    static inline const QString PlayAgain = QStringLiteral("PLAY AGAIN");
    static inline const QString ShowAnswers = QStringLiteral("Show Answer(s)");
    static inline const QString StopSearch = QStringLiteral("Stop Search");
    static inline const QString Searching = QStringLiteral("Searching...");

    // `chosenNumbers` is the process-wide list the search reads.
    GameFlow(GameView &view, QList<qint32> &chosenNumbers);

    // A new deal: the chosen numbers go back to the single 0 and every tile
    // gets a new hidden value. Tiles and labels are left as they are.
    void ScrambleNos();

    void btnPick_Click(qint16 index);
    void Command1_Click();
    void Timer1_Timer();
    void cmdAnswer_Click();

    // The manual setup window has closed. If it placed six numbers (in
    // chosenNumbers and the labels) and a target, they are searched at once;
    // returns when that search has finished or been stopped.
    void ManualSetupClosed();

    // The window is closing: the music and the clock stop, a running search
    // is told to stop, and nothing new starts from here on.
    void Form_Unload();

    qint16 ElapsedSeconds() const { return m_elapsedSeconds; }
    NumberBoard &board() { return m_board; }
    const NumberBoard &board() const { return m_board; }

    // True while the target rolls or a search runs: the window keeps the
    // commands that could start another search disabled meanwhile.
    bool isBusy() const { return m_rolling || m_searching; }
    bool isRolling() const { return m_rolling; }
    bool isSearching() const { return m_searching; }

    static void BubbleSort(QList<qint32> &values);

private:
    void startGame();
    void stopClock();
    void playAgain();
    void showAnswers();
    void afterAnswerClick();
    void runSearch();

    GameView &m_view;
    QList<qint32> &m_chosenNumbers;
    NumberBoard m_board;
    qint16 m_elapsedSeconds = 0;
    bool m_rolling = false;   // the target is rolling
    bool m_searching = false; // from "Show Answer(s)" until its search returns
    bool m_searchStarted = false;
    bool m_closed = false;
};

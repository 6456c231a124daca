#pragma once

#include <QList>
#include <QString>

// What the game flow needs from the main window: its controls, read and
// written the way the player sees them (the captions are the game's state),
// and the long operations that yield to the window while they run. The main
// window implements it over its widgets; tests implement it over plain fields.
class GameView
{
public:
    virtual ~GameView() = default;

    // The game button: "START", "STOP" or "PLAY AGAIN".
    virtual QString command1Caption() const = 0;
    virtual void setCommand1Caption(const QString &caption) = 0;
    virtual void setCommand1Enabled(bool enabled) = 0;

    // The answer button: "Show Answer(s)", "Stop Search" or "Search Finished".
    virtual QString cmdAnswerCaption() const = 0;
    virtual void setCmdAnswerCaption(const QString &caption) = 0;
    virtual void setCmdAnswerEnabled(bool enabled) = 0;
    virtual void setCmdAnswerVisible(bool visible) = 0;

    // The clock has stopped and the answers can be shown: the player stopped
    // it, or the time ran out. The window puts the keyboard on "Show
    // Answer(s)", so that Enter shows the answers rather than dealing anew.
    enum class ClockStop { ByPlayer, TimeUp };
    virtual void clockStopped(ClockStop how) = 0;

    virtual void setTimerEnabled(bool enabled) = 0;
    virtual void setDialValue(int value) = 0;

    virtual QString targetCaption() const = 0;
    virtual void setTargetCaption(const QString &caption) = 0;

    // The six number labels; an empty caption is a free slot.
    virtual QString labelCaption(int label) const = 0;
    virtual void setLabelCaption(int label, const QString &caption) = 0;

    virtual void setTileVisible(int tile, bool visible) = 0;
    virtual void setInstructionsVisible(bool visible) = 0;

    // The status label and the answers list of a search.
    virtual void setStatusCaption(const QString &caption) = 0;
    virtual void setStatusVisible(bool visible) = 0;
    virtual void setAnswersVisible(bool visible) = 0;
    virtual void clearAnswers() = 0;

    // The clock music, played from memory; purge stops it.
    virtual void playMusic() = 0;
    virtual void purgeMusic() = 0;

    // Rolls the target display and returns the target; handles window events
    // while it rolls.
    virtual qint16 drawTarget() = 0;

    // Runs a search over the chosen numbers, handling window events while it
    // runs, and returns when it has finished or been stopped. The search sets
    // the answer button's caption and the status text itself.
    virtual void startSearch(const QList<qint32> &numbers, qint32 target) = 0;
    // The search's stop switch: true after a finished search, false after a
    // stopped one; clearing it while a search runs stops the search.
    virtual bool searchRunning() const = 0;
    virtual void setSearchRunning(bool running) = 0;
    virtual void resetCombinationCount() = 0;

    // Lets the window handle what is waiting (so changes are drawn).
    virtual void yield() = 0;
};

#pragma once

#include "gameview.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <functional>

// The main window's controls as plain fields, for driving the game's rules
// without a window. The long operations run whatever the test hands them, so
// a test can click "inside" a roll or a search the way a yield would.
struct FakeGameView : GameView
{
    QString command1 = QStringLiteral("START");
    bool command1Enabled = false;
    QString cmdAnswer = QStringLiteral("Show Answer(s)");
    bool cmdAnswerEnabled = true;
    bool cmdAnswerVisible = false;
    bool timerEnabled = false;
    int dial = 0;
    QString target;
    std::array<QString, 6> labels;
    std::array<bool, 24> tiles;
    bool instructions = true;
    QString status;
    bool statusVisible = false;
    bool answersVisible = false;
    int answerClears = 0;
    QList<ClockStop> clockStops;

    int musicStarts = 0;
    int purges = 0;
    int draws = 0;
    int searches = 0;
    qint16 nextTarget = 523;
    QList<qint32> searchedNumbers;
    qint32 searchedTarget = -1;
    bool running = false;
    bool searchActive = false;
    bool nestedSearch = false; // a search was started inside another
    std::function<void()> duringDraw;
    std::function<void()> duringSearch;
    std::function<void()> duringYield;

    FakeGameView() { tiles.fill(true); }

    QString command1Caption() const override { return command1; }
    void setCommand1Caption(const QString &c) override { command1 = c; }
    void setCommand1Enabled(bool e) override { command1Enabled = e; }
    QString cmdAnswerCaption() const override { return cmdAnswer; }
    void setCmdAnswerCaption(const QString &c) override { cmdAnswer = c; }
    void setCmdAnswerEnabled(bool e) override { cmdAnswerEnabled = e; }
    void setCmdAnswerVisible(bool v) override { cmdAnswerVisible = v; }
    void clockStopped(ClockStop how) override { clockStops.append(how); }
    void setTimerEnabled(bool e) override { timerEnabled = e; }
    void setDialValue(int v) override { dial = v; }
    QString targetCaption() const override { return target; }
    void setTargetCaption(const QString &c) override { target = c; }
    QString labelCaption(int l) const override { return labels.at(l); }
    void setLabelCaption(int l, const QString &c) override { labels.at(l) = c; }
    void setTileVisible(int t, bool v) override { tiles.at(t) = v; }
    void setInstructionsVisible(bool v) override { instructions = v; }
    void setStatusCaption(const QString &c) override { status = c; }
    void setStatusVisible(bool v) override { statusVisible = v; }
    void setAnswersVisible(bool v) override { answersVisible = v; }
    void clearAnswers() override { ++answerClears; }
    void playMusic() override { ++musicStarts; }
    void purgeMusic() override { ++purges; }

    qint16 drawTarget() override
    {
        ++draws;
        if (duringDraw)
            duringDraw();
        return nextTarget;
    }

    // Behaves like the solver: sets the stop switch, runs, and leaves the
    // answer button's caption according to how it ended.
    void startSearch(const QList<qint32> &numbers, qint32 t) override
    {
        if (searchActive)
            nestedSearch = true;
        ++searches;
        searchActive = true;
        searchedNumbers = numbers;
        searchedTarget = t;
        running = true;
        if (duringSearch)
            duringSearch();
        cmdAnswer = running ? QStringLiteral("Search Finished") : QStringLiteral("Show Answer(s)");
        searchActive = false;
    }
    bool searchRunning() const override { return running; }
    void setSearchRunning(bool r) override { running = r; }
    void resetCombinationCount() override {}
    void yield() override
    {
        if (duringYield)
            duringYield();
    }

    int visibleTiles() const { return int(std::count(tiles.begin(), tiles.end(), true)); }
};

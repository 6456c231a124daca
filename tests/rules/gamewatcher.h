#pragma once

#include "gameflow.h"
#include "gamepresentation.h"

#include <QEventLoop>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>

// Watches one game as its window would: what the window shows after every
// change, and the music, clock stops, rolls and searches the game asked for.
struct GameWatcher
{
    explicit GameWatcher(GameFlow &flow)
        : flow(flow)
    {
        QObject::connect(&flow, &GameFlow::changed, [this] { update(); });
        QObject::connect(&flow, &GameFlow::musicStarted, [this] { ++musicStarts; });
        QObject::connect(&flow, &GameFlow::musicStopped, [this] { ++purges; });
        QObject::connect(&flow, &GameFlow::answersCleared, [this] { ++answerClears; });
        QObject::connect(&flow, &GameFlow::clockStopped,
                         [this](GameFlow::ClockStop how) { clockStops.append(how); });
        shown = presentGame(flow);
    }

    void update()
    {
        const GameFlow::State before = state;
        state = flow.state();
        shown = presentGame(flow);
        if (state == before)
            return;
        if (state == GameFlow::State::Rolling) {
            ++rolls;
            if (duringRoll)
                duringRoll();
        } else if (state == GameFlow::State::Searching) {
            ++searches;
            searchedNumbers = QList<qint32>(flow.places().begin(), flow.places().end());
            searchedTarget = flow.target();
            if (duringSearch)
                duringSearch();
        }
    }

    // Waits (at most 30 s) until the game leaves a roll or a search, in an
    // event loop of its own: a roll taken at full speed then takes no time,
    // where polling would sleep between its steps.
    bool settle() const
    {
        if (!flow.isBusy())
            return true;
        QEventLoop loop;
        QObject::connect(&flow, &GameFlow::changed, &loop, [this, &loop] {
            if (!flow.isBusy())
                loop.quit();
        });
        QTimer::singleShot(30000, &loop, &QEventLoop::quit);
        loop.exec();
        return !flow.isBusy();
    }

    int visibleTiles() const
    {
        return int(std::count(shown.tiles.begin(), shown.tiles.end(), true));
    }

    GameFlow &flow;
    GameFlow::State state = GameFlow::State::Picking;
    GamePresentation shown;
    int musicStarts = 0;
    int purges = 0;
    int answerClears = 0;
    int rolls = 0;
    int searches = 0;
    QList<GameFlow::ClockStop> clockStops;
    QList<qint32> searchedNumbers;
    qint32 searchedTarget = -1;
    std::function<void()> duringRoll;   // as the roll begins
    std::function<void()> duringSearch; // as a search begins
};

#pragma once

#include <QtGlobal>

// The settings the game plays by, as one value: read from the store at
// start-up, handed to the game and to the windows that show or change them.
// A first run (nothing stored) plays by these defaults.
struct GameSettings
{
    qint16 timeAllowed = 30;     // clock ticks in one game
    bool noSounds = false;       // the clock music is muted
    qint16 lowestTarget = 101;   // smallest target the roll may give
    qint16 highestTarget = 999;  // largest target the roll may give
    qint16 timerInterval = 1000; // one clock tick, in milliseconds
    // With no answer from a finished search, the complete search lists every
    // way there is, or the nearest one can get ("CompleteSearch", off by default).
    bool completeSearch = false;
    // When the clock stops the player declares an answer, which is scored
    // against the best the numbers could do ("PlayForPoints", off by default).
    bool playForPoints = false;
    // The roll stops only on a target the six numbers reach exactly, when the
    // range holds one ("ReachableTargets", off by default).
    bool reachableTargets = false;
    // The clock stays still: START rolls the target and STOP ends the round
    // when the player is ready ("PlayWithoutClock", off by default).
    bool withoutClock = false;
    // The roll stops on a target of one rating: 0 for any, else the rating's
    // place from Easy (1) to Very hard (4) ("Difficulty", 0 by default).
    qint16 difficulty = 0;
    static constexpr qint16 HardestDifficulty = 4;
};

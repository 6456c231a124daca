#pragma once

#include <QString>

class GameFrm;
class QWidget;

// For looking at the program from scripts (tools/screenshot): plays the main
// window into a named state the way a player would, with a fixed board where
// the state needs known answers, or opens one of its other windows. Returns
// the window to picture, or null for a state it does not know.
//   "picking"  three tiles picked
//   "running"  a game under way, the clock half-way round
//   "answers"  a game over and its search finished, answers listed
//   "rolling"  six tiles picked, START pressed: the target rolls
//   "searching"  a game stopped, Show Answer(s) pressed: the search runs
//   "manual"   the manual setup window with six numbers and a target chosen
//   "settings-difficulty", "settings-timing", "settings-general"   the settings
//              window on that tab
//   "about"    the about window
//   "answer-refused", "answer-result"   a game played for points, stopped:
//              the answer window with a step refused, or a near answer scored
//   "settings-box", "manual-box", "stats-box"   the settings, manual setup or
//              statistics window opened by its menu command, with a message
//              box of its own open over it
//   "settings-ok"  the settings window opened by its menu command and OK
//              pressed on its first page, printing any message box it shows
//              ("message: title: text")
//   "statistics"  the statistics window over a few games' worth, recorded into
//              the history it runs with (tools/screenshot gives it a throw-away one)
//   "board-code"  the window where a board code is typed, a code half typed
//   "past-days"  the month of past days, three of them played (recorded as
//              "statistics" records its games)
QWidget *stageWindow(GameFrm &window, const QString &state);

// Plays `count` games for points on the 523 board through the window, each
// declared (1 away from the target it can reach: 9 points) and recorded as the
// game records it, saying "recorded game N" after each; any message box the
// game shows is printed ("message: title: text") and closed. Ends with the
// statistics the record then holds.
void playScoredGames(GameFrm &window, int count);

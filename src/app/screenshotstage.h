#pragma once

#include <QString>

class GameFrm;

// For looking at the program from scripts (tools/screenshot): plays the main
// window into a named state the way a player would, with a fixed board where
// the state needs known answers. Returns false for a state it does not know.
//   "picking"  three tiles picked
//   "running"  a game under way, the clock half-way round
//   "answers"  a game over and its search finished, answers listed
bool stageWindow(GameFrm &window, const QString &state);

#pragma once

#include <QString>

class GameFrm;

// The game's state table as checks on the real main window: what must hold
// between any two events, whatever the player did. Each returns an empty
// string when everything holds, else what broke.
namespace monkey {

// The two buttons' captions, the board, the clock, the answers and the menu
// agree with one of the game's states.
QString checkMainWindow(GameFrm &window);

// The state the window shows ("Picking", "Ready", "Rolling", "Running",
// "Over", "Searching", "Searched"), for counting where play went.
QString stateName(GameFrm &window);

// At most one of the other windows exists, and one that exists is modal.
QString checkSecondaryWindows();

// The answers listed so far hold no text twice.
QString checkAnswersUnique(const GameFrm &window);

} // namespace monkey

#pragma once

#include "gamesettings.h"

class GameFrm;

// The main window as the program makes and shows it, playing by the given
// settings (the start-up's are read from the store). The start-up routine,
// the tests and the tools all go through these two, so the window they work
// is the one a player gets: deleted once it has closed, shown maximized.
GameFrm *createGameWindow(const GameSettings &settings = {});
void showGameWindow(GameFrm &window);

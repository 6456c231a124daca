#pragma once

class GameFrm;

// The main window as the program makes and shows it. The start-up routine,
// the tests and the tools all go through these two, so the window they work
// is the one a player gets: deleted once it has closed, shown maximized.
GameFrm *createGameWindow();
void showGameWindow(GameFrm &window);

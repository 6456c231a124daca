#include "gamewindow.h"

#include "focusring.h"
#include "gamefrm.h"
#include "outsideclose.h"

GameFrm *createGameWindow()
{
    // Every window of the game shows where the keyboard is, plainly.
    platform::showKeyboardFocus();
    platform::closeWindowsDestroyedOutside();
    auto *window = new GameFrm;
    // Deleted when it closes; GameFrm holds the deletion back while any of
    // the game is still running on it (a roll, a search, a dialog).
    window->setAttribute(Qt::WA_DeleteOnClose);
    return window;
}

void showGameWindow(GameFrm &window)
{
    // Maximized, the window manager or compositor gives the window the room
    // it may take, panels and title bar left out; the window then lays itself
    // out for that room and keeps it.
    window.showMaximized();
    // Without a window manager nothing else gives the window the keyboard.
    window.activateWindow();
}

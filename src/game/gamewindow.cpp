#include "gamewindow.h"

#include "focusring.h"
#include "gamefrm.h"
#include "modality.h"
#include "outsideclose.h"

GameFrm *createGameWindow(const GameSettings &settings)
{
    // Every window of the game shows where the keyboard is, plainly.
    platform::showKeyboardFocus();
    platform::closeWindowsDestroyedOutside();
    // What a screen reader presses behind a modal window is refused there,
    // as a click would be.
    platform::refuseAccessibleActionsBehindModals();
    auto *window = new GameFrm(settings);
    // It deletes itself when it closes, once every dialog open over it has
    // returned (GameFrm::closeEvent).
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

#pragma once

#include <functional>

class GameFrm;
class QCommandLineParser;
class QIcon;

// What a development tool adds to the start-up: options of its own on the
// command line, and a step once the main window is shown. The game itself
// runs with none.
struct StartupExtras
{
    std::function<void(QCommandLineParser &)> addOptions;
    std::function<void(GameFrm &, const QCommandLineParser &)> whenShown;
};

// The program's icon, for every window's frame and the task bar.
QIcon gameWindowIcon();

// The start-up routine: the application's names and icon, the fonts and the
// settings, then the main window, shown. Returns the event loop's status
// once the window has closed; the process lives as long as the window.
int runGame(int &argc, char **argv, const StartupExtras &extras = {});

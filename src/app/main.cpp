// The game's entry point; the start-up routine lives with the main window.

#include "gamestartup.h"

int main(int argc, char *argv[])
{
    return runGame(argc, argv);
}

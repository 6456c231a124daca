#include "game/gamelayout.h"

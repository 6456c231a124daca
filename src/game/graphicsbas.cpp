#include "game/graphicsbas.h"

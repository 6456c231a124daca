#include "gamelog.h"

Q_LOGGING_CATEGORY(lcGame, "tallyfold.game")

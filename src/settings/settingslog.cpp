#include "settingslog.h"

Q_LOGGING_CATEGORY(lcSettings, "tallyfold.settings")

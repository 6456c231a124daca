#pragma once

#include <QLoggingCategory>

// Warnings of the main window go to "tallyfold.game", so that they can be told apart
// and switched off (QT_LOGGING_RULES="tallyfold.game.warning=false").
Q_DECLARE_LOGGING_CATEGORY(lcGame)

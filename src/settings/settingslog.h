#pragma once

#include <QLoggingCategory>

// Warnings of the settings window go to "tallyfold.settings", so that they can be told apart
// and switched off (QT_LOGGING_RULES="tallyfold.settings.warning=false").
Q_DECLARE_LOGGING_CATEGORY(lcSettings)

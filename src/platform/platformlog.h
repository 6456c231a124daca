#pragma once

#include <QLoggingCategory>

// Warnings of the platform layer go to "tallyfold.platform", so that they can be told apart
// and switched off (QT_LOGGING_RULES="tallyfold.platform.warning=false").
Q_DECLARE_LOGGING_CATEGORY(lcPlatform)

#pragma once

#include <QString>

namespace platform {

// Hands a URL (for example a "mailto:" link) to the user's own program for it.
// Returns whether the desktop accepted it; a failure is the caller's to ignore.
bool openUrl(const QString &url);

} // namespace platform

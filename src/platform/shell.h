#pragma once

#include <QString>

#include <functional>

namespace platform {

// Hands a URL (for example a "mailto:" link) to the user's own program for it.
// Returns whether the desktop accepted it; a failure is the caller's to ignore.
bool openUrl(const QString &url);

// Tests take the URL text here instead of starting a real program; pass an
// empty function to hand URLs to the desktop again.
using UrlOpener = std::function<bool(const QString &url)>;
void setUrlOpenerForTesting(UrlOpener opener);

} // namespace platform

#pragma once

#include <QStringList>

namespace platform {

// The languages the player wants programs to speak, most wanted first, as
// language tags ("de-DE", "pt-BR"). On Windows that is the display language
// and the fallbacks the player chose for it, not the regional format: an
// English Windows set to write dates the German way still wants an English
// game (Qt's own list puts the format's language first). Elsewhere it is the
// system locale's list (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).
QStringList uiLanguages();

} // namespace platform

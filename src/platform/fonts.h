#pragma once

#include <QString>

namespace platform {

// The windows name the classic desktop faces "Arial" and "MS Sans Serif".
// Registers stand-ins once at start-up: Liberation Sans, which has Arial's
// metrics, and the platform's default sans-serif face.
void registerFontSubstitutions();

// The face to ask for in place of `family`: the family itself where it is
// installed, else its first installed stand-in (registerFontSubstitutions),
// else the family as it stands. Asking for a face that is not installed
// makes fontconfig look through its fallbacks on every size and weight, a
// sixth of the game's start-up, for the very stand-in named here.
QString installedFamily(const QString &family);

} // namespace platform

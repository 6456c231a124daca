#pragma once

namespace platform {

// The windows name the classic desktop faces "Arial" and "MS Sans Serif".
// Registers stand-ins once at start-up: Liberation Sans, which has Arial's
// metrics, and the platform's default sans-serif face.
void registerFontSubstitutions();

} // namespace platform

#pragma once

#include <QtGlobal>

namespace platform {

// The program's Booleans are 16-bit integers, True being -1 and False 0, both
// in memory and in the controls' stored properties.
using Bool16 = qint16;
inline constexpr Bool16 BoolTrue = -1;
inline constexpr Bool16 BoolFalse = 0;

constexpr Bool16 toBool16(bool value)
{
    return value ? BoolTrue : BoolFalse;
}

} // namespace platform

#pragma once

#include <QColor>
#include <QPalette>
#include <QtGlobal>

namespace platform {

// Colours travel through the program as 32-bit values: 0x00BBGGRR (red in the
// low byte), or, with the high bit set, the index of a system colour in the
// low byte. System colours are resolved through the widget palette so that the
// controls follow the desktop's theme.
using OleColour = quint32;

namespace SystemColour {
inline constexpr OleColour WindowFrame = 0x80000006;
inline constexpr OleColour WindowText = 0x80000008;
inline constexpr OleColour AppWorkspace = 0x8000000C;
inline constexpr OleColour ButtonFace = 0x8000000F;
inline constexpr OleColour ButtonShadow = 0x80000010;
inline constexpr OleColour GrayText = 0x80000011;
inline constexpr OleColour ButtonText = 0x80000012;
inline constexpr OleColour ButtonHighlight = 0x80000014;
inline constexpr OleColour DarkShadow3D = 0x80000015;
inline constexpr OleColour Light3D = 0x80000016;
} // namespace SystemColour

constexpr OleColour rgbColour(int red, int green, int blue)
{
    return (static_cast<OleColour>(red & 0xFF)) | (static_cast<OleColour>(green & 0xFF) << 8) |
           (static_cast<OleColour>(blue & 0xFF) << 16);
}

constexpr bool isSystemColour(OleColour colour)
{
    return (colour & 0x80000000u) != 0;
}

// The palette colour a system colour index stands for.
QColor systemColour(int index, const QPalette &palette);

// Resolves a system colour to its current 0x00BBGGRR value; a plain colour is
// returned with its unused high byte cleared.
OleColour TranslateColor(OleColour colour, const QPalette &palette);
OleColour TranslateColor(OleColour colour);

QColor toQColor(OleColour colour, const QPalette &palette);
QColor toQColor(OleColour colour);
OleColour fromQColor(const QColor &colour);

} // namespace platform

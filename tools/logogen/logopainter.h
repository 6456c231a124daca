#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QSize>
#include <QSizeF>

// The game's logo, drawn from shapes alone (no fonts), so that it comes out
// the same on every build host: the target board with its lit digits, the
// clock dial and a row of number tiles. Square shapes get a compact form fit
// for program icons.
namespace logo {

// Paints the logo into a transparent image of `pixels`. `shownAs` is the shape
// the picture will be shown in: a window that stretches the picture into a
// box of another shape gets a drawing squeezed the opposite way, so that it
// looks right where it is shown.
QImage render(QSize pixels, QSizeF shownAs);

// A square program icon of `size` pixels a side.
inline QImage renderIcon(int size)
{
    return render(QSize(size, size), QSizeF(size, size));
}

// A Windows icon file holding `icons` (square, 16 to 256 pixels a side): each
// below 256 as a 32-bit bitmap with its mask, which every Windows and every
// icon reader understands, and the 256 one as a PNG, as Windows keeps it.
// Empty when an icon is not square or out of that range.
QByteArray icoFile(const QList<QImage> &icons);

} // namespace logo

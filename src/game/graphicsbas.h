#pragma once

#include "colour.h"
#include "variant.h"

#include <QSize>

class QChar;
class QPainter;
class QWidget;

// Window routines the game's windows share: the banded colour gradients, the
// screen size and centring a window on the screen.
namespace GraphicsBas {

// Where the start colour sits; the end colour is reached at the opposite edge.
enum GradientDirection : qint16 {
    GradientBottomRight = 0, // L-shaped bands closing in on the top-left corner
    GradientRight = 1,       // bands moving in from the right edge
    GradientBottom = 2,      // bands rising from the bottom edge
};

// Paints the gradient with `painter` over a rectangle of `windowSize` pixels
// at (0, 0): 257 solid bands, then the end colour over whatever is left.
void PaintGradient(QPainter &painter, QSize windowSize, platform::OleColour endColour,
                   platform::OleColour startColour, qint16 direction);

// One hexadecimal digit ("0"-"9", "A"-"F") to its value; anything else is 0.
qint16 HexDigitValue(QChar digit);

// The screen's size in pixels (the screen `window` is on, or the primary one).
QSize GetScreenSize(const QWidget *window = nullptr);

// The room a window on `window`'s screen has inside its frame: the screen's
// free area (without panels and docks) less the frame, as far as the frame
// is known yet (before the window is first shown, it is not).
QSize GetInsideSize(const QWidget *window);

// Whether this platform lets a program place its own windows; Wayland
// compositors place them themselves.
bool CanPlaceWindows();

// Moves `window` (its frame) to the middle of its screen, where the platform
// lets programs place windows.
void CenterOnScreen(QWidget &window);

// Opens a new message in the user's mail program, addressed to `address` with
// the subject and body filled in. The link's message part (address,
// "?subject=", subject, "%20", "&body=", body, inserted unescaped) is left in
// `address`. Returns the launch's result as a 32-bit number: above 32 when the
// mail program was started. `ownerWindow` is the window asking, for the
// platform's sake; 0 will do.
Variant OpenMailTo(qint32 ownerWindow, QString &address, QString &subject, QString &body);

} // namespace GraphicsBas

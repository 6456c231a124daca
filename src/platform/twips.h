#pragma once

class QScreen;

namespace platform {

// Window layouts, stored control lengths and mouse positions in events are in
// twips (1/1440 inch); drawing and hit tests are in pixels. Every conversion
// goes through here so that the two axes keep their own factors.
struct TwipsPerPixel
{
    double x = 15.0;
    double y = 15.0;
};

// Twips per logical pixel of the given screen (the primary screen when null):
// 1440 / logical DPI, 15 on a 96-dpi screen. Without any screen (a console
// tool) the 96-dpi factors are used.
TwipsPerPixel twipsPerPixel(const QScreen *screen = nullptr);

double pixelsToTwipsX(double pixels, const QScreen *screen = nullptr);
double pixelsToTwipsY(double pixels, const QScreen *screen = nullptr);
double twipsToPixelsX(double twips, const QScreen *screen = nullptr);
double twipsToPixelsY(double twips, const QScreen *screen = nullptr);

// Whole-pixel forms for layout: rounded to the nearest pixel.
int twipsToPixelX(double twips, const QScreen *screen = nullptr);
int twipsToPixelY(double twips, const QScreen *screen = nullptr);

} // namespace platform

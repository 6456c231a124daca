#include "twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace platform {

namespace {
constexpr double TwipsPerInch = 1440.0;

const QScreen *resolve(const QScreen *screen)
{
    if (screen)
        return screen;
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return QGuiApplication::primaryScreen();
    return nullptr;
}
} // namespace

TwipsPerPixel twipsPerPixel(const QScreen *screen)
{
    TwipsPerPixel f;
    if (const QScreen *s = resolve(screen)) {
        if (s->logicalDotsPerInchX() > 0)
            f.x = TwipsPerInch / s->logicalDotsPerInchX();
        if (s->logicalDotsPerInchY() > 0)
            f.y = TwipsPerInch / s->logicalDotsPerInchY();
    }
    return f;
}

double pixelsToTwipsX(double pixels, const QScreen *screen)
{
    return pixels * twipsPerPixel(screen).x;
}

double pixelsToTwipsY(double pixels, const QScreen *screen)
{
    return pixels * twipsPerPixel(screen).y;
}

double twipsToPixelsX(double twips, const QScreen *screen)
{
    return twips / twipsPerPixel(screen).x;
}

double twipsToPixelsY(double twips, const QScreen *screen)
{
    return twips / twipsPerPixel(screen).y;
}

int twipsToPixelX(double twips, const QScreen *screen)
{
    return static_cast<int>(std::lround(twipsToPixelsX(twips, screen)));
}

int twipsToPixelY(double twips, const QScreen *screen)
{
    return static_cast<int>(std::lround(twipsToPixelsY(twips, screen)));
}

} // namespace platform

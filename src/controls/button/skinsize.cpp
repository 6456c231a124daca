#include "skinsize.h"

#include <cmath>

namespace button {

namespace {

constexpr double HimetricPerInch = 2540.0;
constexpr double DefaultDpi = 96.0;
constexpr double InchesPerMetre = 1.0 / 0.0254;
// The rounded factor the skin rule uses, not the exact 1.7639.
constexpr double HimetricPerTwip = 1.76;

int himetric(int pixels, int dotsPerMetre)
{
    const double dpi = dotsPerMetre > 0 ? dotsPerMetre / InchesPerMetre : DefaultDpi;
    return static_cast<int>(std::lround(pixels * HimetricPerInch / dpi));
}

} // namespace

QSize himetricSize(const QImage &picture)
{
    return {himetric(picture.width(), picture.dotsPerMeterX()),
            himetric(picture.height(), picture.dotsPerMeterY())};
}

QSize skinPixelSize(const QImage &picture, platform::TwipsPerPixel factors)
{
    const QSize units = himetricSize(picture);
    const double twipsWide = units.width() / HimetricPerTwip;
    const double twipsHigh = units.height() / HimetricPerTwip;
    return {static_cast<int>(std::lround(twipsWide / factors.x)),
            static_cast<int>(std::lround(twipsHigh / factors.y))};
}

} // namespace button

#include "graphicsbas.h"

#include "twips.h"

#include <QBrush>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QString>
#include <QWidget>
#include <QWindow>

#include <array>
#include <cmath>

namespace GraphicsBas {

namespace {

constexpr int BandCount = 257;

// Halves go to the even neighbour, as every rounding in the program does.
int roundHalfEven(double value)
{
    return static_cast<int>(std::nearbyint(value));
}

// Red, green and blue of a colour value, read from its six-digit hexadecimal
// text (blue, green, red from the left).
std::array<double, 3> colourParts(platform::OleColour colour)
{
    const QString hex = QString::number(colour, 16).toUpper().rightJustified(6, QLatin1Char('0'));
    const auto pair = [&hex](int at) {
        return double(HexDigitValue(hex.at(at)) * 16 + HexDigitValue(hex.at(at + 1)));
    };
    return {pair(4), pair(2), pair(0)};
}

void fillBand(QPainter &painter, int left, int top, int right, int bottom, const QBrush &brush)
{
    // Like a GDI fill, an empty or inverted rectangle paints nothing.
    if (right > left && bottom > top)
        painter.fillRect(QRect(left, top, right - left, bottom - top), brush);
}

const QScreen *screenOf(const QWidget *window)
{
    if (window) {
        if (const QScreen *screen = window->screen())
            return screen;
    }
    return QGuiApplication::primaryScreen();
}

} // namespace

void PaintGradient(QPainter &painter, QSize windowSize, platform::OleColour endColour,
                   platform::OleColour startColour, qint16 direction)
{
    const int width = windowSize.width();
    const int height = windowSize.height();
    const int bandX = roundHalfEven(width / 256.0);
    const int bandY = roundHalfEven(height / 256.0);

    const std::array<double, 3> end = colourParts(endColour);
    std::array<double, 3> current = colourParts(startColour);
    std::array<double, 3> step{};
    for (int c = 0; c < 3; ++c)
        step[c] = (end[c] - current[c]) / 256;

    int left = 0;
    int top = 0;
    int right = width;
    int bottom = height;
    for (int band = 0; band < BandCount; ++band) {
        const QBrush brush(QColor(roundHalfEven(current[0]), roundHalfEven(current[1]),
                                  roundHalfEven(current[2])));
        switch (direction) {
        case GradientBottom:
            top = bottom - bandY;
            fillBand(painter, left, top, right, bottom, brush);
            bottom -= bandY;
            break;
        case GradientRight:
            left = right - bandX;
            fillBand(painter, left, top, right, bottom, brush);
            right -= bandX;
            break;
        case GradientBottomRight:
            top = bottom - bandY;
            left = 0;
            fillBand(painter, left, top, right, bottom, brush);
            top = 0;
            left = right - bandX;
            fillBand(painter, left, top, right, bottom, brush);
            bottom -= bandY;
            right -= bandX;
            break;
        default:
            break;
        }
        // The steps are multiples of 1/256, so after 256 of them each part
        // lands exactly on the end colour and stays there.
        for (int c = 0; c < 3; ++c) {
            if (current[c] != end[c])
                current[c] += step[c];
        }
    }

    // Whatever the bands left at the top or left takes the end colour.
    fillBand(painter, 0, 0, right, bottom,
             QBrush(QColor(roundHalfEven(end[0]), roundHalfEven(end[1]), roundHalfEven(end[2]))));
}

qint16 HexDigitValue(QChar digit)
{
    const char16_t c = digit.unicode();
    if (c >= u'0' && c <= u'9')
        return static_cast<qint16>(c - u'0');
    if (c >= u'A' && c <= u'F')
        return static_cast<qint16>(c - 55);
    return 0;
}

QSize GetScreenSize(const QWidget *window)
{
    const QScreen *screen = screenOf(window);
    return screen ? screen->size() : QSize();
}

QSize GetInsideSize(const QWidget *window)
{
    const QScreen *screen = screenOf(window);
    if (!screen)
        return {};
    QMargins frame;
    if (window && window->windowHandle())
        frame = window->windowHandle()->frameMargins();
    return screen->availableGeometry().size().shrunkBy(frame);
}

bool CanPlaceWindows()
{
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void CenterOnScreen(QWidget &window)
{
    // Where a move does nothing, the compositor places the dialog itself;
    // as the main window's transient child, it is kept above that window.
    if (!CanPlaceWindows())
        return;
    const QScreen *screen = screenOf(&window);
    if (!screen)
        return;
    const QSize screenPx = screen->size();
    const platform::TwipsPerPixel tpp = platform::twipsPerPixel(screen);
    const QRect frame = window.frameGeometry();
    const double topTwips = (screenPx.height() * tpp.y - frame.height() * tpp.y) / 2;
    const double leftTwips = (screenPx.width() * tpp.x - frame.width() * tpp.x) / 2;
    // Measured from the screen's own corner, so a window on a second screen
    // is centred on that screen.
    const QPoint origin = screen->geometry().topLeft();
    window.move(origin.x() + platform::twipsToPixelX(leftTwips, screen),
                origin.y() + platform::twipsToPixelY(topTwips, screen));
}

} // namespace GraphicsBas

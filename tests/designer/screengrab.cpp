// Saves a picture of what is on the X screen once it has settled, cut to the
// windows (the bare root window around them is left out), for pictures of
// programs this project does not control (Qt Designer).
//   tallyfold-screengrab FILE [TIMEOUT-MS]
// Run it on the same display as the program, after starting that program.

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTextStream>
#include <QThread>

namespace {

bool isBlank(const QImage &image)
{
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); y += 7) {
        for (int x = 0; x < image.width(); x += 7) {
            if (image.pixel(x, y) != first)
                return false;
        }
    }
    return true;
}

// The smallest rectangle holding every pixel that differs from the root
// window's colour, taken from the bottom right corner.
QRect windowsOn(const QImage &screen)
{
    const QRgb root = screen.pixel(screen.width() - 1, screen.height() - 1);
    QRect bounds;
    for (int y = 0; y < screen.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(screen.constScanLine(y));
        for (int x = 0; x < screen.width(); ++x) {
            if (line[x] != root)
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        QTextStream(stderr) << "usage: tallyfold-screengrab FILE [TIMEOUT-MS]\n";
        return 2;
    }
    const int timeout = args.size() > 2 ? args.at(2).toInt() : 30000;
    QScreen *screen = QGuiApplication::primaryScreen();

    // Settled: two grabs a second apart are the same and show something.
    QElapsedTimer clock;
    clock.start();
    QImage previous;
    while (clock.elapsed() < timeout) {
        QThread::msleep(1000);
        const QImage current =
            screen->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
        if (!isBlank(current) && current == previous)
            return current.copy(windowsOn(current)).save(args.at(1)) ? 0 : 1;
        previous = current;
    }
    QTextStream(stderr) << "the screen did not settle within " << timeout << " ms\n";
    return 1;
}

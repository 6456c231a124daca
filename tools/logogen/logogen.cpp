// logogen: writes the game's logo as a PNG file.
//
//   logogen <output.png>               the about window's logo, 150 x 110
//   logogen --icon <size> <output.png> a square program icon, 16 to 256 pixels
//   logogen --icon <size> <output.argb> the same as bare pixels: premultiplied
//                                      32-bit ARGB words in the host's byte
//                                      order, row by row, for the window's own
//                                      icon (reading them needs no image
//                                      decoder, so no image plugins)
//   logogen --ico <output.ico>         the Windows program's icon, every size
//                                      Explorer and the task bar ask for
//
// The drawing uses shapes only, no text, so it needs no windowing platform
// or fonts and the build makes the same picture on every host.

#include "logopainter.h"

#include <QFile>
#include <QImageWriter>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// The about window stores its logo at this size and shows it stretched into
// a box of 1680 x 2610 twips, 112 x 174 pixels at 96 dpi.
const QSize WindowLogoPixels(150, 110);
const QSizeF WindowLogoShownAs(112, 174);

int usage()
{
    std::fputs("usage: logogen [--icon SIZE] OUTPUT.png | logogen --icon SIZE OUTPUT.argb | "
               "logogen --ico OUTPUT.ico\n",
               stderr);
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    QImage image;
    const char *output = nullptr;
    if (argc == 3 && std::string(argv[1]) == "--ico") {
        QList<QImage> icons;
        for (const int size : {16, 20, 24, 32, 40, 48, 64, 256})
            icons << logo::renderIcon(size);
        const QByteArray ico = logo::icoFile(icons);
        QFile file(QString::fromLocal8Bit(argv[2]));
        if (!file.open(QIODevice::WriteOnly) || file.write(ico) != ico.size()) {
            std::fprintf(stderr, "logogen: %s: %s\n", argv[2],
                         file.errorString().toLocal8Bit().constData());
            return 1;
        }
        return 0;
    }
    if (argc == 2) {
        image = logo::render(WindowLogoPixels, WindowLogoShownAs);
        output = argv[1];
    } else if (argc == 4 && std::string(argv[1]) == "--icon") {
        char *end = nullptr;
        const long size = std::strtol(argv[2], &end, 10);
        if (*end != '\0' || size < 16 || size > 256)
            return usage();
        image = logo::renderIcon(int(size));
        output = argv[3];
    } else {
        return usage();
    }

    const QString path = QString::fromLocal8Bit(output);
    if (path.endsWith(QLatin1String(".argb"))) {
        const QImage pixels = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QFile file(path);
        const auto bytes = qint64(pixels.sizeInBytes());
        if (pixels.bytesPerLine() != pixels.width() * 4 || !file.open(QIODevice::WriteOnly) ||
            file.write(reinterpret_cast<const char *>(pixels.constBits()), bytes) != bytes) {
            std::fprintf(stderr, "logogen: %s: %s\n", output,
                         file.errorString().toLocal8Bit().constData());
            return 1;
        }
        return 0;
    }
    QImageWriter writer(path, "png");
    if (!writer.write(image)) {
        std::fprintf(stderr, "logogen: %s: %s\n", output,
                     writer.errorString().toLocal8Bit().constData());
        return 1;
    }
    return 0;
}

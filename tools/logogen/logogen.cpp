// logogen: writes the game's logo as a PNG file.
//
//   logogen <output.png>               the about window's logo, 150 x 110
//   logogen --icon <size> <output.png> a square program icon, 16 to 256 pixels
//
// The drawing uses shapes only, no text, so it needs no windowing platform
// or fonts and the build makes the same picture on every host.

#include "logopainter.h"

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
    std::fputs("usage: logogen [--icon SIZE] OUTPUT.png\n", stderr);
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    QImage image;
    const char *output = nullptr;
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

    QImageWriter writer(QString::fromLocal8Bit(output), "png");
    if (!writer.write(image)) {
        std::fprintf(stderr, "logogen: %s: %s\n", output,
                     writer.errorString().toLocal8Bit().constData());
        return 1;
    }
    return 0;
}

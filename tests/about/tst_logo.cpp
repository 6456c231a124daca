// The logo's drawing: the about window's picture looks right once the window
// has stretched it into its tall box, and the square icons come out at every
// size.

#include "logopainter.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImageReader>
#include <QTest>

namespace {

// The window's box for the picture, in pixels, and where the clock's centre
// falls in it.
const QSize ShownPixels(112, 174);
const QPoint DialCentre(56, 98);

// The background is peach to brown: clearly more red than blue. The clock's
// face, ticks and rim are white or grey.
bool isBackground(QRgb pixel)
{
    return qAlpha(pixel) > 200 && qRed(pixel) - qBlue(pixel) > 30;
}

// Pixels from `from` in steps of `step` until the background shows.
int distanceToBackground(const QImage &image, QPoint from, QPoint step)
{
    int n = 0;
    for (QPoint at = from; image.rect().contains(at); at += step, ++n) {
        if (isBackground(image.pixel(at)))
            return n;
    }
    return -1;
}

double meanAlpha(const QImage &image)
{
    double sum = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            sum += qAlpha(image.pixel(x, y));
    }
    return sum / (image.width() * image.height());
}

} // namespace

class TestLogo : public QObject
{
    Q_OBJECT

private slots:
    void clockIsRoundWhereShown();
    void iconsAtEverySize_data();
    void iconsAtEverySize();
    void windowsIconFileReadsBack();
};

void TestLogo::clockIsRoundWhereShown()
{
    const QImage stored = logo::render(QSize(150, 110), QSizeF(ShownPixels));
    QCOMPARE(stored.size(), QSize(150, 110));
    const QImage shown = stored.scaled(ShownPixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                             .convertToFormat(QImage::Format_ARGB32);

    // Left (nine o'clock) and down (six o'clock) stay clear of the sweep and
    // the hand; the face reaches as far both ways.
    const int left = distanceToBackground(shown, DialCentre, QPoint(-1, 0));
    const int down = distanceToBackground(shown, DialCentre, QPoint(0, 1));
    QVERIFY2(left > 20 && down > 20, qPrintable(QStringLiteral("%1 %2").arg(left).arg(down)));
    QVERIFY2(qAbs(left - down) <= 2, qPrintable(QStringLiteral("%1 %2").arg(left).arg(down)));
}

void TestLogo::iconsAtEverySize_data()
{
    QTest::addColumn<int>("size");
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        QTest::addRow("%d", size) << size;
}

void TestLogo::iconsAtEverySize()
{
    QFETCH(int, size);
    const QImage icon = logo::renderIcon(size).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(icon.size(), QSize(size, size));
    // Rounded corners are see-through, the middle is drawn.
    QVERIFY(qAlpha(icon.pixel(0, 0)) < 64);
    QCOMPARE(qAlpha(icon.pixel(size / 2, size / 2)), 255);

    // The same picture at every size: as much of it drawn as in the largest.
    const QImage reference =
        logo::renderIcon(256).scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QVERIFY(qAbs(meanAlpha(icon) - meanAlpha(reference.convertToFormat(QImage::Format_ARGB32))) <
            8);
}

// Read back by Qt's own icon reader, as another program would: every size in
// its place, the same pixels (the small ones stored as bitmaps, 256 as PNG).
void TestLogo::windowsIconFileReadsBack()
{
    QList<QImage> icons;
    for (const int size : {16, 24, 48, 256})
        icons << logo::renderIcon(size).convertToFormat(QImage::Format_ARGB32);
    QByteArray file = logo::icoFile(icons);
    QBuffer buffer(&file);
    QImageReader reader(&buffer, "ico");
    QCOMPARE(reader.imageCount(), int(icons.size()));
    for (const QImage &icon : icons) {
        const QImage read = reader.read().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(read.size(), icon.size());
        QCOMPARE(read, icon);
        reader.jumpToNextImage();
    }

    QVERIFY(logo::icoFile({QImage(32, 16, QImage::Format_ARGB32)}).isEmpty());
    QVERIFY(logo::icoFile({QImage(512, 512, QImage::Format_ARGB32)}).isEmpty());
}

QTEST_GUILESS_MAIN(TestLogo)
#include "tst_logo.moc"

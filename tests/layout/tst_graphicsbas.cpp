// The shared window routines: the banded gradients (read back from an image),
// the hexadecimal digit reader, the screen size and centring a window on a
// screen of a known size.

#include "graphicsbas.h"
#include "testscreen.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

namespace {

using GraphicsBas::GradientBottom;
using GraphicsBas::GradientBottomRight;
using GraphicsBas::GradientRight;

// The number panel's gradient: brown at the bottom to peach at the top.
constexpr platform::OleColour Peach = platform::rgbColour(255, 224, 192); // "C0E0FF"
constexpr platform::OleColour Brown = platform::rgbColour(128, 64, 0);
// Bands of that gradient, band k = Brown + k / 256 of the way to Peach:
const QColor Band0(128, 64, 0);
const QColor Band1(128, 65, 1);      // 128.50, 64.63, 0.75
const QColor Band100(178, 126, 75);  // 177.61, 126.5 (half to even), 75
const QColor Band255(255, 223, 191); // 254.50, 223.38, 191.25
const QColor Sentinel(255, 0, 255);

QImage paint(QSize size, platform::OleColour endColour, platform::OleColour startColour,
             qint16 direction)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Sentinel);
    QPainter painter(&image);
    GraphicsBas::PaintGradient(painter, size, endColour, startColour, direction);
    return image;
}

QColor at(const QImage &image, int x, int y)
{
    return image.pixelColor(x, y);
}

// The first row (from the top) whose pixels are not all `colour`, or -1.
int firstRowNotAll(const QImage &image, const QColor &colour, int rows)
{
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) != colour)
                return y;
        }
    }
    return -1;
}

} // namespace

class TestGraphicsBas : public QObject
{
    Q_OBJECT

private slots:
    void bandsRiseFromTheBottom();
    void bandsMoveInFromTheRight();
    void bandsCloseInOnTheTopLeftCorner();
    void equalColoursFillEverything();
    void lowWindowsGetOnlyTheEndColour_data();
    void lowWindowsGetOnlyTheEndColour();
    void bandSizeRoundsHalfToEven();
    void remainderAboveTheBandsTakesTheEndColour();
    void hexDigitValue();
    void screenSizeAndCentring();
};

void TestGraphicsBas::bandsRiseFromTheBottom()
{
    // 512 / 256: bands two rows high; band 255 reaches the top, band 256
    // falls outside.
    const QImage image = paint(QSize(40, 512), Peach, Brown, GradientBottom);
    for (int x : {0, 39}) {
        QCOMPARE(at(image, x, 511), Band0);
        QCOMPARE(at(image, x, 510), Band0);
        QCOMPARE(at(image, x, 509), Band1);
        QCOMPARE(at(image, x, 311), Band100);
        QCOMPARE(at(image, x, 310), Band100);
        QCOMPARE(at(image, x, 1), Band255);
        QCOMPARE(at(image, x, 0), Band255);
    }
}

void TestGraphicsBas::bandsMoveInFromTheRight()
{
    const QImage image = paint(QSize(512, 40), Peach, Brown, GradientRight);
    for (int y : {0, 39}) {
        QCOMPARE(at(image, 511, y), Band0);
        QCOMPARE(at(image, 509, y), Band1);
        QCOMPARE(at(image, 311, y), Band100);
        QCOMPARE(at(image, 0, y), Band255);
    }
}

void TestGraphicsBas::bandsCloseInOnTheTopLeftCorner()
{
    const QImage image = paint(QSize(512, 512), Peach, Brown, GradientBottomRight);
    // The start colour runs along both the bottom and the right edge.
    for (int i : {0, 200, 511}) {
        QCOMPARE(at(image, i, 511), Band0);
        QCOMPARE(at(image, 511, i), Band0);
    }
    // Band 100 is the L whose bottom leg is rows 310-311 and whose right leg
    // is columns 310-311.
    QCOMPARE(at(image, 50, 311), Band100);
    QCOMPARE(at(image, 311, 50), Band100);
    QCOMPARE(at(image, 311, 311), Band100);
    QCOMPARE(at(image, 0, 0), Band255);
}

void TestGraphicsBas::equalColoursFillEverything()
{
    const platform::OleColour colour = platform::rgbColour(12, 34, 56);
    for (qint16 direction : {GradientBottomRight, GradientRight, GradientBottom}) {
        const QImage image = paint(QSize(300, 200), colour, colour, direction);
        QCOMPARE(firstRowNotAll(image, QColor(12, 34, 56), 200), -1);
    }
}

void TestGraphicsBas::lowWindowsGetOnlyTheEndColour_data()
{
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("bands");
    QTest::newRow("127") << 127 << false;
    QTest::newRow("128: a half rounds to 0") << 128 << false;
    QTest::newRow("129") << 129 << true;
}

void TestGraphicsBas::lowWindowsGetOnlyTheEndColour()
{
    QFETCH(int, height);
    QFETCH(bool, bands);
    const QImage image = paint(QSize(300, height), Peach, Brown, GradientBottom);
    if (bands) {
        QCOMPARE(at(image, 0, height - 1), Band0);
        QCOMPARE(at(image, 0, height - 2), Band1);
    } else {
        QCOMPARE(firstRowNotAll(image, QColor(255, 224, 192), height), -1);
    }
}

void TestGraphicsBas::bandSizeRoundsHalfToEven()
{
    // 640 / 256 = 2.5 gives bands of 2 rows, not 3.
    const QImage image = paint(QSize(10, 640), Peach, Brown, GradientBottom);
    QCOMPARE(at(image, 0, 638), Band0);
    QCOMPARE(at(image, 0, 637), Band1);
    // 257 bands of 2 leave rows 0-125 to the final fill.
    QCOMPARE(at(image, 0, 128), Band255);
    QCOMPARE(firstRowNotAll(image, QColor(255, 224, 192), 128), -1);
}

void TestGraphicsBas::remainderAboveTheBandsTakesTheEndColour()
{
    // Bands of one row: 257 of them cover rows 299 up to 43 (band 256 is the
    // end colour itself), and the final fill covers rows 0 to 42.
    QImage image = paint(QSize(64, 300), Peach, Brown, GradientBottom);
    QCOMPARE(at(image, 0, 299), Band0);
    QCOMPARE(at(image, 63, 199), Band100);
    QCOMPARE(at(image, 0, 44), Band255);
    QCOMPARE(firstRowNotAll(image, QColor(255, 224, 192), 44), -1);

    // The same from the right: columns 0 to 42 are left to the final fill.
    image = paint(QSize(300, 20), Peach, Brown, GradientRight);
    QCOMPARE(at(image, 299, 0), Band0);
    QCOMPARE(at(image, 44, 19), Band255);
    for (int x = 0; x < 44; ++x)
        QCOMPARE(at(image, x, 10), QColor(255, 224, 192));
}

void TestGraphicsBas::hexDigitValue()
{
    QCOMPARE(GraphicsBas::HexDigitValue(QChar('B')), qint16(11));
    QCOMPARE(GraphicsBas::HexDigitValue(QChar('7')), qint16(7));
    QCOMPARE(GraphicsBas::HexDigitValue(QChar('g')), qint16(0));
    QCOMPARE(GraphicsBas::HexDigitValue(QChar('0')), qint16(0));
    QCOMPARE(GraphicsBas::HexDigitValue(QChar('9')), qint16(9));
    QCOMPARE(GraphicsBas::HexDigitValue(QChar('A')), qint16(10));
    QCOMPARE(GraphicsBas::HexDigitValue(QChar('F')), qint16(15));
    // Only capitals count, as in the colour's hexadecimal text.
    QCOMPARE(GraphicsBas::HexDigitValue(QChar('b')), qint16(0));
    QCOMPARE(GraphicsBas::HexDigitValue(QChar('G')), qint16(0));
    QCOMPARE(GraphicsBas::HexDigitValue(QChar('@')), qint16(0));
    QCOMPARE(GraphicsBas::HexDigitValue(QChar(':')), qint16(0));
}

void TestGraphicsBas::screenSizeAndCentring()
{
    // main() gave the offscreen platform a 1280 x 1024 screen and an 800 x 600
    // one to its right.
    const QList<QScreen *> screens = QGuiApplication::screens();
    QCOMPARE(screens.size(), 2);
    QScreen *primary = QGuiApplication::primaryScreen();
    QScreen *second = screens.at(0) == primary ? screens.at(1) : screens.at(0);
    QCOMPARE(primary->size(), QSize(1280, 1024));

    QCOMPARE(GraphicsBas::GetScreenSize(), QSize(1280, 1024));

    QWidget window;
    window.resize(400, 301);
    QCOMPARE(GraphicsBas::GetScreenSize(&window), QSize(1280, 1024));
    GraphicsBas::CenterOnScreen(window);
    // (1280 - 400) / 2 and (1024 - 301) / 2 = 361.5, which the twips round up.
    QCOMPARE(window.frameGeometry().topLeft(), QPoint(440, 362));

    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    GraphicsBas::CenterOnScreen(window);
    const QRect frame = window.frameGeometry();
    QVERIFY2(qAbs(frame.center().x() * 2 + 1 - 1280) <= 1, qPrintable(QString::number(frame.x())));
    QVERIFY2(qAbs(frame.center().y() * 2 + 1 - 1024) <= 1, qPrintable(QString::number(frame.y())));
    window.hide();

    // A window on the second screen is centred on that screen.
    QWidget other;
    other.resize(200, 100);
    other.setScreen(second);
    QCOMPARE(GraphicsBas::GetScreenSize(&other), QSize(800, 600));
    GraphicsBas::CenterOnScreen(other);
    QCOMPARE(other.frameGeometry().topLeft(), QPoint(1280 + 300, 250));
}

int main(int argc, char *argv[])
{
    // Screens of known sizes for the screen routines; the config file only has
    // to exist while the platform starts.
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    QFile config(dir.filePath("screens.json"));
    if (!config.open(QIODevice::WriteOnly))
        return 1;
    config.write(R"({"screens": [
        {"name": "main", "x": 0, "y": 0, "width": 1280, "height": 1024,
         "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1},
        {"name": "side", "x": 1280, "y": 0, "width": 800, "height": 600,
         "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    config.close();
    useOffscreenConfig(config.fileName());

    QApplication app(argc, argv);
    TestGraphicsBas test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_graphicsbas.moc"

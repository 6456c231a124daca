// Colour values (plain and system) and the twips conversions.

#include "platform/colour.h"
#include "platform/twips.h"

#include <QApplication>
#include <QScreen>
#include <QTest>

class TestColourTwips : public QObject
{
    Q_OBJECT

private slots:
    void plainColoursKeepRedInTheLowByte();
    void systemColoursFollowThePalette();
    void twipsAtNinetySixDpi();
};

void TestColourTwips::plainColoursKeepRedInTheLowByte()
{
    QCOMPARE(platform::rgbColour(0x12, 0x34, 0x56), 0x00563412u);
    QCOMPARE(platform::toQColor(0x00563412u), QColor(0x12, 0x34, 0x56));
    QCOMPARE(platform::fromQColor(QColor(0x12, 0x34, 0x56)), 0x00563412u);
    // The unused high byte of a plain colour is dropped when it is resolved.
    QCOMPARE(platform::TranslateColor(0x7F563412u), 0x00563412u);
}

void TestColourTwips::systemColoursFollowThePalette()
{
    QPalette palette;
    palette.setColor(QPalette::Button, QColor(1, 2, 3));
    palette.setColor(QPalette::ButtonText, QColor(4, 5, 6));
    palette.setColor(QPalette::WindowText, QColor(7, 8, 9));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(10, 11, 12));
    palette.setColor(QPalette::Shadow, QColor(13, 14, 15));
    using namespace platform::SystemColour;
    QCOMPARE(platform::TranslateColor(ButtonFace, palette), platform::rgbColour(1, 2, 3));
    QCOMPARE(platform::TranslateColor(ButtonText, palette), platform::rgbColour(4, 5, 6));
    QCOMPARE(platform::TranslateColor(WindowText, palette), platform::rgbColour(7, 8, 9));
    QCOMPARE(platform::TranslateColor(GrayText, palette), platform::rgbColour(10, 11, 12));
    QCOMPARE(platform::TranslateColor(DarkShadow3D, palette), platform::rgbColour(13, 14, 15));
    QCOMPARE(platform::toQColor(ButtonFace, palette), QColor(1, 2, 3));
    QVERIFY(platform::isSystemColour(ButtonFace));
    QVERIFY(!platform::isSystemColour(platform::rgbColour(255, 255, 255)));
}

void TestColourTwips::twipsAtNinetySixDpi()
{
    // The offscreen screen has 96 dpi: 15 twips to the pixel on both axes.
    const platform::TwipsPerPixel f = platform::twipsPerPixel();
    QCOMPARE(f.x, 15.0);
    QCOMPARE(f.y, 15.0);
    QCOMPARE(platform::pixelsToTwipsX(80), 1200.0);
    QCOMPARE(platform::twipsToPixelsY(360), 24.0);
    QCOMPARE(platform::twipsToPixelX(1207), 80); // rounds to the nearest pixel
    QCOMPARE(platform::twipsToPixelX(1208), 81);
}

QTEST_MAIN(TestColourTwips)
#include "tst_colourtwips.moc"

// Colour values (plain and system), the twips conversions and URL opening.

#include "colour.h"
#include "shell.h"
#include "twips.h"

#include <QApplication>
#include <QDesktopServices>
#include <QScreen>
#include <QTest>

class TestPlatformBasics : public QObject
{
    Q_OBJECT

private slots:
    void plainColoursKeepRedInTheLowByte();
    void systemColoursFollowThePalette();
    void twipsAtNinetySixDpi();
    void mailLinkReachesTheMailProgram();
};

// Stands in for the user's mail program.
class MailCatcher : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened << url; }
};

void TestPlatformBasics::plainColoursKeepRedInTheLowByte()
{
    QCOMPARE(platform::rgbColour(0x12, 0x34, 0x56), 0x00563412u);
    QCOMPARE(platform::toQColor(0x00563412u), QColor(0x12, 0x34, 0x56));
    QCOMPARE(platform::fromQColor(QColor(0x12, 0x34, 0x56)), 0x00563412u);
    // The unused high byte of a plain colour is dropped when it is resolved.
    QCOMPARE(platform::TranslateColor(0x7F563412u), 0x00563412u);
}

void TestPlatformBasics::systemColoursFollowThePalette()
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

void TestPlatformBasics::twipsAtNinetySixDpi()
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

void TestPlatformBasics::mailLinkReachesTheMailProgram()
{
    MailCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &catcher, "open");
    // The subject holds plain spaces, and one "%20" of its own.
    QVERIFY(platform::openUrl(QStringLiteral(
        "mailto:author@example.org?subject=The Tallyfold Numbers Game: 1.0%20&body=")));
    QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));

    QCOMPARE(catcher.opened.size(), 1);
    const QUrl url = catcher.opened.first();
    QCOMPARE(url.scheme(), QStringLiteral("mailto"));
    QCOMPARE(url.path(), QStringLiteral("author@example.org"));
    QCOMPARE(url.query(QUrl::FullyDecoded),
             QStringLiteral("subject=The Tallyfold Numbers Game: 1.0 &body="));
}

QTEST_MAIN(TestPlatformBasics)
#include "tst_platformbasics.moc"

// The controls on a screen of twice the density: drawn at device resolution
// (not a pixel-doubled copy of their 1x picture), with every size, position
// and shape still in logical pixels.

#include "buttonex.h"
#include "dialpainter.h"
#include "lighttab.h"
#include "surface.h"
#include "velcprog.h"

#include <QApplication>
#include <QFontMetrics>
#include <QTest>

namespace {

// Whether some 2x2 block of device pixels, aligned on a logical pixel, holds
// more than one colour: a pixel-doubled picture never has one.
bool hasDeviceDetail(const QImage &image, const QRect &logicalArea)
{
    for (int y = logicalArea.top(); y <= logicalArea.bottom(); ++y) {
        for (int x = logicalArea.left(); x <= logicalArea.right(); ++x) {
            const QRgb first = image.pixel(2 * x, 2 * y);
            if (image.pixel(2 * x + 1, 2 * y) != first || image.pixel(2 * x, 2 * y + 1) != first ||
                image.pixel(2 * x + 1, 2 * y + 1) != first)
                return true;
        }
    }
    return false;
}

} // namespace

class TestHighDensity : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void dialRimAndTicksAtDeviceResolution();
    void buttonCaptionAtDeviceResolution();
    void tabStripKeepsLogicalLayout();
};

void TestHighDensity::initTestCase()
{
    QWidget probe;
    QCOMPARE(probe.devicePixelRatioF(), 2.0);
}

void TestHighDensity::dialRimAndTicksAtDeviceResolution()
{
    VelCProg dial;
    dial.resize(121, 121);
    dial.setTickStyle(1);
    dial.setTickFrequency(5.0f);
    dial.setMaximum(60);
    dial.setValue(20);
    // Geometry is logical: the same centre and radius as at 1x.
    QCOMPARE(dial.surface().size(), QSize(121, 121));
    QCOMPARE(dial.surface().image().size(), QSize(242, 242));
    QCOMPARE(dial.xCenter(), 60);

    // The same dial drawn at 1x, then doubled pixel by pixel.
    platform::Surface once(dial.surface().size());
    once.setBackColour(dial.surface().backColour());
    once.setFont(dial.surface().font());
    DialPainter(dial.properties(), dial.palette(), dial.twipsPerPixel()).paint(once);
    const QImage doubled =
        once.image().scaled(242, 242, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const QImage twice = dial.surface().image().convertToFormat(QImage::Format_RGB32);
    // The rim and the tick at 12 o'clock differ from the doubled picture...
    const QRect rimTop(40, 0, 40, 12);
    QVERIFY(twice.copy(2 * rimTop.x(), 0, 2 * rimTop.width(), 2 * rimTop.height()) !=
            doubled.copy(2 * rimTop.x(), 0, 2 * rimTop.width(), 2 * rimTop.height()));
    QVERIFY(hasDeviceDetail(twice, rimTop));
    // ...while it is the same dial: the corners and the middle agree.
    for (const QPoint p : {QPoint(1, 1), QPoint(240, 240), QPoint(120, 150)})
        QCOMPARE(twice.pixel(p), doubled.pixel(p));

    // The automatic mask shapes the window in logical pixels.
    dial.setAutoMask(true);
    const QRect shape = dial.surface().visibleRegion().boundingRect();
    QVERIFY2(QRect(0, 0, 121, 121).contains(shape) && shape.width() > 100,
             qPrintable(QStringLiteral("%1 x %2").arg(shape.width()).arg(shape.height())));
}

void TestHighDensity::buttonCaptionAtDeviceResolution()
{
    ButtonEx b;
    QCOMPARE(b.size(), QSize(80, 24)); // 1200 by 360 twips, as at 1x
    QCOMPARE(b.surface().image().size(), QSize(160, 48));
    QVERIFY(hasDeviceDetail(b.surface().image(), QRect(10, 6, 60, 12)));

    // A skin's shape (all but one pixel in the transparent colour, blue)
    // and the control's size stay in logical pixels.
    QImage skin(20, 20, QImage::Format_RGB32);
    skin.fill(Qt::blue);
    skin.setPixel(5, 5, qRgb(0, 255, 0));
    b.setAppearance(button::Appearance::Skinned);
    b.setSkinUp(skin);
    QCOMPARE(b.size(), QSize(20, 20));
    QCOMPARE(b.surface().visibleRegion(), QRegion(5, 5, 1, 1));
}

void TestHighDensity::tabStripKeepsLogicalLayout()
{
    LightTab tab;
    QCOMPARE(tab.tabStripSurface().image().devicePixelRatio(), 2.0);
    const QFontMetrics metrics(tab.tabStripSurface().font());
    QCOMPARE(tab.tabRow().width(0), metrics.horizontalAdvance(tab.caption(0)) + 15);
    QCOMPARE(tab.highlightWidget()->geometry(), QRect(1, 0, tab.tabRow().width(0) + 6, 21));
    QVERIFY(hasDeviceDetail(tab.highlightSurface().image(), QRect(9, 4, 20, 12)));
}

int main(int argc, char **argv)
{
    // Every window of this test is on a screen of twice the density.
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestHighDensity test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_highdensity.moc"

// The dial's properties: setter clamps and side effects, change reports,
// published help texts and the size handling.

#include "dialtesthelpers.h"

#include <QMetaClassInfo>
#include <QMetaProperty>
#include <QSignalSpy>
#include <QTest>

using namespace platform::SystemColour;

class TestVelCProg : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { dialtest::useFixedPalette(); }
    void newDialHasItsTableValues();
    void valueIsClampedBetweenMinAndMax();
    void settersClampOrNormalise_data();
    void settersClampOrNormalise();
    void flagsSwitchOnWhatTheyNeed();
    void autoMaskKeepsTheSurfaceTransparent();
    void everySetterReportsItsStoredName();
    void settersRedrawOnlyWhenTheChangeCanShow();
    void helpTextsArePublished();
    void fontSetOnTheWidgetIsTheDialFont();
    void recheckColorsFollowsTheSystemColours();
    void autoSizeRefitsOnResize();
    void autoSizeToPictureMatchesThePicture();
    void windowHandleCreatesNoNativeWindow();
};

void TestVelCProg::newDialHasItsTableValues()
{
    platform::Ambient ambient;
    ambient.font = QFont(QStringLiteral("Liberation Serif"), 13);
    VelCProg dial(ambient);
    QCOMPARE(dial.minimum(), 0);
    QCOMPARE(dial.maximum(), 100);
    QCOMPARE(dial.value(), 50);
    QCOMPARE(dial.span(), 360);
    QVERIFY(dial.clockwise());
    QVERIFY(dial.autoSize());
    QVERIFY(dial.showBorder());
    QCOMPARE(dial.circleColor(), ButtonFace);
    QCOMPARE(dial.needleColor(), ButtonText);
    QCOMPARE(dial.backColor(), ButtonFace);
    QCOMPARE(dial.tickFrequency(), 10.0f);
    QCOMPARE(dial.textShadowXOffset(), 1);
    QCOMPARE(dial.resolvedStartColor(), 0x000000C0u);
    QCOMPARE(dial.resolvedMidColor(), 0x0000FFFFu);
    QCOMPARE(dial.resolvedEndColor(), 0x0000C000u);
    QCOMPARE(dial.controlFont().family(), QStringLiteral("Liberation Serif"));
    QVERIFY(!dial.useMask());
    QVERIFY(!dial.picture());
    // The value is what a host sets when it names no property.
    const QMetaObject &meta = VelCProg::staticMetaObject;
    QCOMPARE(meta.classInfo(meta.indexOfClassInfo("DefaultProperty")).value(), "Value");
    QCOMPARE(meta.userProperty().name(), "Value");
}

void TestVelCProg::valueIsClampedBetweenMinAndMax()
{
    VelCProg dial;
    dial.setMaximum(60);
    dial.setValue(75);
    QCOMPARE(dial.value(), 60);
    dial.setValue(-5);
    QCOMPARE(dial.value(), 0);
    dial.setMinimum(-10);
    QCOMPARE(dial.minimum(), 0);
    dial.setValue(50);
    dial.setMaximum(40); // the value is left alone until it is set again
    QCOMPARE(dial.value(), 50);
    dial.setValue(dial.value());
    QCOMPARE(dial.value(), 40);
    dial.setMinimum(45); // nor does a higher minimum move it
    QCOMPARE(dial.value(), 40);

    // The names a form compiled by uic calls.
    VelCProg fromForm;
    QSignalSpy reports(&fromForm, &VelCProg::propertyChanged);
    fromForm.setMax(30);
    fromForm.setMin(-5);
    QCOMPARE(fromForm.maximum(), 30);
    QCOMPARE(fromForm.minimum(), 0); // held at 0, like setMinimum
    QCOMPARE(reports.size(), 2);
    QCOMPARE(reports.at(0).at(0).toString(), QStringLiteral("Max"));
    QCOMPARE(reports.at(1).at(0).toString(), QStringLiteral("Min"));
}

void TestVelCProg::settersClampOrNormalise_data()
{
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QVariant>("input");
    QTest::addColumn<QVariant>("stored");
    const auto row = [](const char *name, const char *property, QVariant input, QVariant stored) {
        QTest::newRow(name) << QByteArray(property) << input << stored;
    };
    row("offset 370", "OffsetAngle", 370, 10);
    row("offset -90", "OffsetAngle", -90, 270);
    row("offset 720", "OffsetAngle", 720, 0);
    row("offset -720", "OffsetAngle", -720, 0);
    row("offset 359", "OffsetAngle", 359, 359);
    row("span 0", "Span", 0, 45);
    row("span 400", "Span", 400, 45);
    row("span -30", "Span", -30, 330);
    row("span 720", "Span", 720, 360);
    row("span 360", "Span", 360, 360);
    row("span 44", "Span", 44, 45);
    row("span -360", "Span", -360, 45);
    // Widths are held between 1 and the radius (40) less one; sizes and
    // frequencies are kept as given, zero and negative ones included.
    row("border 0", "BorderWidth", 0, 1);
    row("border 50", "BorderWidth", 50, 39);
    row("border 39", "BorderWidth", 39, 39);
    row("border 40", "BorderWidth", 40, 39);
    row("tick width 0", "TickWidth", 0, 1);
    row("tick width -3", "TickWidth", -3, 1);
    row("tick size 0", "TickSize", 0, 0);
    row("tick size -4", "TickSize", -4, -4);
    row("frequency -2.5", "TickFrequency", -2.5f, -2.5f);
    row("frequency 0", "TickFrequency", 0.0f, 0.0f);
}

void TestVelCProg::settersClampOrNormalise()
{
    QFETCH(QByteArray, property);
    QFETCH(QVariant, input);
    QFETCH(QVariant, stored);
    VelCProg dial;
    dial.setAutoSize(false);
    dial.setRadius(40);
    QVERIFY(dial.setProperty(property.constData(), input));
    QVariant actual = dial.property(property.constData());
    QVERIFY(actual.convert(stored.metaType()));
    QCOMPARE(actual, stored);
}

void TestVelCProg::flagsSwitchOnWhatTheyNeed()
{
    VelCProg dial;
    QSignalSpy reports(&dial, &VelCProg::propertyChanged);
    dial.setShowArc(false);
    QVERIFY(dial.showNeedle());
    QVERIFY(!dial.showArc());
    // The needle's own report comes first, the arc's last.
    QCOMPARE(reports.size(), 2);
    QCOMPARE(reports.at(0).at(0).toString(), QStringLiteral("ShowNeedle"));
    QCOMPARE(reports.at(1).at(0).toString(), QStringLiteral("ShowArc"));

    dial.setShowNeedle(false);
    QVERIFY(dial.showArc());
    QVERIFY(!dial.showNeedle());
    dial.setShowArc(true);
    QVERIFY(!dial.showNeedle()); // switching one on leaves the other alone

    // Percent needs the value text, so it switches it on.
    reports.clear();
    dial.setShowValueAsPercent(true);
    QVERIFY(dial.showValue());
    QCOMPARE(reports.size(), 1); // no report of its own for ShowValue
    QCOMPARE(reports.at(0).at(0).toString(), QStringLiteral("ShowValueAsPercent"));
    dial.setShowValueAsPercent(false);
    QVERIFY(dial.showValue());
}

void TestVelCProg::autoMaskKeepsTheSurfaceTransparent()
{
    VelCProg dial;
    dial.setBackColor(platform::rgbColour(1, 2, 3));
    dial.setAutoMask(true);
    QCOMPARE(dial.maskColor(), platform::rgbColour(1, 2, 3));
    QVERIFY(dial.useMask());
    dial.setUseMask(false);
    QVERIFY(dial.useMask());
    // A new back colour is the new see-through colour while AutoMask is on.
    dial.setBackColor(platform::rgbColour(4, 5, 6));
    QCOMPARE(dial.maskColor(), platform::rgbColour(4, 5, 6));

    // Switching it off leaves the mask colour and the transparency as they are.
    dial.setAutoMask(false);
    QVERIFY(dial.useMask());
    dial.setBackColor(platform::rgbColour(7, 8, 9));
    QCOMPARE(dial.maskColor(), platform::rgbColour(4, 5, 6));
    dial.setUseMask(false);
    QVERIFY(!dial.useMask());
}

void TestVelCProg::everySetterReportsItsStoredName()
{
    VelCProg dial;
    dial.setAutoSize(false);
    dial.setRadius(100);
    const QMetaObject &meta = VelCProg::staticMetaObject;
    int checked = 0;
    for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i) {
        const QMetaProperty property = meta.property(i);
        if (!property.isWritable())
            continue;
        QSignalSpy reports(&dial, &VelCProg::propertyChanged);
        QVariant value = property.read(&dial);
        if (property.metaType().id() == QMetaType::Bool)
            value = !value.toBool();
        QVERIFY2(property.write(&dial, value), property.name());
        QVERIFY2(!reports.isEmpty(), property.name());
        const QString expected = qstrcmp(property.name(), "ShowBorder") == 0
                                     ? QStringLiteral("Border")
                                     : QString::fromLatin1(property.name());
        QCOMPARE(reports.last().at(0).toString(), expected);
        ++checked;
    }
    QCOMPARE(checked, 49);
}

void TestVelCProg::settersRedrawOnlyWhenTheChangeCanShow()
{
    // Each property is written back with its own value; a redraw clears the
    // marker pixel. The first dial is a new one; the others switch on, then
    // off, what the conditional redraws depend on.
    const QStringList never{"MaskColor", "UseMask", "Inset"};
    const QStringList whenShown{"ShowZeroLine",    "NeedleColor",        "TickPosition",
                                "TickSize",        "TickWidth",          "TickFrequency",
                                "TickColor",       "ShowValueAsPercent", "TextColor",
                                "TextOffsetX",     "TextOffsetY",        "TextShadow",
                                "TextShadowColor", "TextShadowXOffset",  "TextShadowYOffset"};
    const QStringList whenDecorated{"BorderWidth", "BorderColor", "CircleColor",
                                    "Tricolor",    "MidColor",    "EndColor"};
    for (int pass = 0; pass < 3; ++pass) {
        VelCProg dial;
        dial.resize(60, 60);
        QStringList expected = never;
        if (pass == 0) {
            expected += whenShown;
        } else if (pass == 1) {
            dial.setValue(0);
            dial.setShowNeedle(true);
            dial.setTickStyle(1);
            dial.setShowValue(true);
            dial.setTextShadow(true);
        } else {
            dial.setShowBorder(false);
            dial.setShowCircle(false);
            dial.setGradient(false);
            dial.setFade(false);
            expected += whenDecorated;
            expected += whenShown;
        }
        QStringList quiet;
        const QMetaObject &meta = VelCProg::staticMetaObject;
        for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i) {
            const QMetaProperty property = meta.property(i);
            if (!property.isWritable())
                continue;
            auto &surface = const_cast<platform::Surface &>(dial.surface());
            surface.setPixel(0, 0, QColor(1, 2, 3));
            QVERIFY(property.write(&dial, property.read(&dial)));
            if (dial.surface().rgb(0, 0) == qRgb(1, 2, 3))
                quiet << QString::fromLatin1(property.name());
        }
        expected.sort();
        quiet.sort();
        QCOMPARE(quiet, expected);
    }
}

void TestVelCProg::helpTextsArePublished()
{
    QCOMPARE(VelCProg::helpText(QStringLiteral("Min")), QStringLiteral("Lowest allowable value"));
    QCOMPARE(VelCProg::helpText(QStringLiteral("ShowBorder")),
             QStringLiteral("Draw a border on the circle or arc"));
    QCOMPARE(VelCProg::helpText(QStringLiteral("UseMask")),
             QStringLiteral("Create a tranparent area from the MaskPicture & MaskColor"));
    QCOMPARE(VelCProg::helpText(QStringLiteral("Repaint")), QStringLiteral("Refreshes the circle"));
    QVERIFY(VelCProg::helpText(QStringLiteral("hwnd")).isEmpty());
    // Every designable property has one.
    const QMetaObject &meta = VelCProg::staticMetaObject;
    for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i) {
        const QMetaProperty property = meta.property(i);
        if (property.isDesignable())
            QVERIFY2(!VelCProg::helpText(QString::fromLatin1(property.name())).isEmpty(),
                     property.name());
    }
}

void TestVelCProg::fontSetOnTheWidgetIsTheDialFont()
{
    QWidget window;
    auto *dial = new VelCProg(&window);
    const QFont before = dial->controlFont();
    QSignalSpy reports(dial, &VelCProg::propertyChanged);
    // Inherited from the window: not the dial's font.
    window.setFont(QFont(QStringLiteral("Liberation Serif"), 20));
    QCOMPARE(dial->controlFont(), before);
    QVERIFY(reports.isEmpty());

    // Asked of the dial (a form compiled by uic does this for Font): the dial
    // draws with it, what it leaves open resolved from the window.
    QFont size14;
    size14.setPointSize(14);
    dial->setFont(size14);
    QCOMPARE(dial->controlFont().pointSize(), 14);
    QCOMPARE(dial->controlFont().family(), QStringLiteral("Liberation Serif"));
    QCOMPARE(dial->surface().font(), dial->controlFont());
    QCOMPARE(reports.size(), 1);
    QCOMPARE(reports.at(0).at(0).toString(), QStringLiteral("Font"));

    // From then on the window's font no longer reaches it.
    window.setFont(QFont(QStringLiteral("Liberation Mono"), 9));
    QCOMPARE(dial->controlFont().pointSize(), 14);
    dial->setControlFont(QFont(QStringLiteral("Liberation Sans"), 11));
    QCOMPARE(dial->font(), dial->controlFont());
    QCOMPARE(reports.size(), 2);
}

void TestVelCProg::recheckColorsFollowsTheSystemColours()
{
    VelCProg dial;
    QPalette palette = dial.palette();
    palette.setColor(QPalette::Button, QColor(10, 20, 30));
    dial.setPalette(palette);
    dial.setStartColor(ButtonFace);
    QCOMPARE(dial.resolvedStartColor(), platform::rgbColour(10, 20, 30));
    QCOMPARE(dial.startColor(), ButtonFace);

    palette.setColor(QPalette::Button, QColor(40, 50, 60));
    dial.setPalette(palette);
    QCOMPARE(dial.resolvedStartColor(), platform::rgbColour(10, 20, 30));
    dial.RecheckColors();
    QCOMPARE(dial.resolvedStartColor(), platform::rgbColour(40, 50, 60));
}

void TestVelCProg::autoSizeRefitsOnResize()
{
    VelCProg dial; // hidden: Qt holds its resize events back
    dial.resize(200, 150);
    QCOMPARE(dial.xCenter(), 100);
    QCOMPARE(dial.yCenter(), 75);
    QCOMPARE(dial.radius(), 74);
    QCOMPARE(dial.surface().size(), QSize(200, 150));

    dial.setInset(true);
    QCOMPARE(dial.surface().size(), QSize(198, 148));
    QCOMPARE(dial.xCenter(), 99);

    dial.setAutoSize(false);
    dial.resize(400, 400);
    QCOMPARE(dial.xCenter(), 99);
    QCOMPARE(dial.surface().size(), QSize(398, 398));
    dial.setAutoSize(true);
    QCOMPARE(dial.xCenter(), 199);

    // A larger outside tick comes off the radius instead of the border.
    dial.setTickStyle(1);
    dial.setTickPosition(1);
    dial.setTickSize(50);
    QCOMPARE(dial.radius(), 149);
}

void TestVelCProg::autoSizeToPictureMatchesThePicture()
{
    VelCProg dial;
    dial.resize(300, 300);
    dial.AutoSizeToPicture();
    QCOMPARE(dial.size(), QSize(300, 300));

    QImage picture(120, 80, QImage::Format_RGB32);
    picture.fill(Qt::red);
    dial.setPicture(picture);
    dial.AutoSizeToPicture();
    QCOMPARE(dial.size(), QSize(120, 80));
    QCOMPARE(dial.stretchedImage().size(), QSize(120, 80));
    QCOMPARE(dial.image().size(), QSize(120, 80));

    dial.setInset(true);
    dial.AutoSizeToPicture();
    QCOMPARE(dial.size(), QSize(122, 82));
    QCOMPARE(dial.surface().size(), QSize(120, 80));

    dial.setPicture(QImage()); // an empty picture: nothing to size to
    dial.resize(50, 50);
    dial.AutoSizeToPicture();
    QCOMPARE(dial.size(), QSize(50, 50));
}

void TestVelCProg::windowHandleCreatesNoNativeWindow()
{
    QWidget window;
    auto *dial = new VelCProg(&window);
    auto *sibling = new QWidget(&window);
    QCOMPARE(dial->hwnd(), 0ull); // no window yet
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(dial->hwnd(), static_cast<qulonglong>(window.winId()));
    QVERIFY(!dial->testAttribute(Qt::WA_NativeWindow));
    QVERIFY(!sibling->testAttribute(Qt::WA_NativeWindow));
}

QTEST_MAIN(TestVelCProg)
#include "tst_velcprog.moc"

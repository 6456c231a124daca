// The dial's stored form: the fixed load order with values kept as read,
// the defaults a load takes and a save leaves out, lengths in twips, and a
// load that stops at a value of the wrong type.

#include "propertybag.h"
#include "velcprog.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

using namespace platform::SystemColour;

class TestVelCProgStore : public QObject
{
    Q_OBJECT

private slots:
    void emptyStoreLoadsTheStoredDefaults();
    void defaultDialSavesNothing();
    void storedLengthsLoadAsPixels();
    void loadKeepsValuesAsRead();
    void clockFaceRoundTrips();
    void loadStopsAtAValueOfTheWrongType();
    void extremeStoredValuesStillDraw();

private:
    static platform::PropertyBag clockFaceBag();
};

void TestVelCProgStore::emptyStoreLoadsTheStoredDefaults()
{
    VelCProg dial;
    dial.resize(300, 300);
    dial.setValue(10);
    dial.setTickStyle(3);
    dial.setTextShadowXOffset(9);
    dial.setInset(true);
    QVERIFY(!dial.readProperties(platform::PropertyBag()));
    QCOMPARE(dial.xCenter(), 50);
    QCOMPARE(dial.yCenter(), 50);
    QCOMPARE(dial.radius(), 25);
    QCOMPARE(dial.value(), 50);
    QCOMPARE(dial.tickStyle(), 0);
    QCOMPARE(dial.textShadowXOffset(), 1);
    QCOMPARE(dial.textShadowYOffset(), 1);
    QCOMPARE(dial.textOffsetX(), 0);
    QCOMPARE(dial.startColor(), 0x000000C0u);
    QCOMPARE(dial.maskColor(), ButtonFace);
    QVERIFY(dial.showBorder());
    QVERIFY(!dial.inset());
    QVERIFY(!dial.useMask());
    QCOMPARE(dial.controlFont(), platform::Ambient().resolvedFont());
}

void TestVelCProgStore::defaultDialSavesNothing()
{
    // The defaults as a load gives them: a centre of 50 and a radius of 25.
    VelCProg dial;
    QVERIFY(!dial.readProperties(platform::PropertyBag()));
    platform::PropertyBag bag;
    dial.writeProperties(bag);
    QVERIFY2(bag.isEmpty(), bag.toJson().constData());

    // One change writes exactly that name, under its stored name and type.
    dial.setShowBorder(false);
    dial.setTextOffsetY(-20);
    bag.clear();
    dial.writeProperties(bag);
    QCOMPARE(bag.count(), 2);
    QCOMPARE(bag.readBool(u"Border", true).value(), false);
    QCOMPARE(bag.find(u"TextOffsetY")->type(), platform::PropertyValue::Type::Double);
    QCOMPARE(bag.readDouble(u"TextOffsetY", 0).value(), -300.0);
}

platform::PropertyBag TestVelCProgStore::clockFaceBag()
{
    platform::PropertyBag bag;
    bag.append(QStringLiteral("Max"), platform::PropertyValue::fromInt32(60));
    bag.append(QStringLiteral("Value"), platform::PropertyValue::fromInt32(0));
    bag.append(QStringLiteral("BackColor"), platform::PropertyValue::fromInt32(0x00FFC0C0));
    bag.append(QStringLiteral("MidColor"), platform::PropertyValue::fromInt32(0));
    bag.append(QStringLiteral("Tricolor"), platform::PropertyValue::fromBool(false));
    bag.append(QStringLiteral("ShowNeedle"), platform::PropertyValue::fromBool(true));
    bag.append(QStringLiteral("BorderWidth"), platform::PropertyValue::fromInt16(3));
    bag.append(QStringLiteral("TickFrequency"), platform::PropertyValue::fromFloat(5));
    bag.append(QStringLiteral("TickStyle"), platform::PropertyValue::fromInt32(1));
    bag.append(QStringLiteral("XCenter"), platform::PropertyValue::fromDouble(2130));
    bag.append(QStringLiteral("YCenter"), platform::PropertyValue::fromDouble(2100));
    bag.append(QStringLiteral("Radius"), platform::PropertyValue::fromDouble(1920));
    bag.append(QStringLiteral("TextOffsetX"), platform::PropertyValue::fromDouble(-600));
    bag.append(QStringLiteral("TextOffsetY"), platform::PropertyValue::fromDouble(-300));
    bag.append(QStringLiteral("TextShadowXOffset"), platform::PropertyValue::fromFloat(45));
    bag.append(QStringLiteral("TextShadowYOffset"), platform::PropertyValue::fromFloat(45));
    bag.append(QStringLiteral("AutoSize"), platform::PropertyValue::fromBool(false));
    return bag;
}

void TestVelCProgStore::storedLengthsLoadAsPixels()
{
    VelCProg dial;
    QVERIFY(!dial.readProperties(clockFaceBag()));
    QCOMPARE(dial.xCenter(), 142);
    QCOMPARE(dial.yCenter(), 140);
    QCOMPARE(dial.radius(), 128);
    QCOMPARE(dial.textOffsetX(), -40);
    QCOMPARE(dial.textOffsetY(), -20);
    QCOMPARE(dial.textShadowXOffset(), 3);

    // Names match whatever their case; lengths that are not whole pixels lose
    // their fraction toward zero.
    platform::PropertyBag odd;
    odd.append(QStringLiteral("xcenter"), platform::PropertyValue::fromDouble(-29));
    odd.append(QStringLiteral("RADIUS"), platform::PropertyValue::fromDouble(44.5));
    QVERIFY(!dial.readProperties(odd));
    QCOMPARE(dial.xCenter(), -1);
    QCOMPARE(dial.radius(), 2);

    platform::PropertyBag huge;
    huge.append(QStringLiteral("YCenter"), platform::PropertyValue::fromDouble(1e15));
    const auto error = dial.readProperties(huge);
    QVERIFY(error);
    QVERIFY(error->message.contains(QStringLiteral("YCenter")));
}

void TestVelCProgStore::loadKeepsValuesAsRead()
{
    platform::PropertyBag bag;
    bag.append(QStringLiteral("Max"), platform::PropertyValue::fromInt32(60));
    bag.append(QStringLiteral("Value"), platform::PropertyValue::fromInt32(75));
    bag.append(QStringLiteral("Min"), platform::PropertyValue::fromInt32(-10));
    bag.append(QStringLiteral("Span"), platform::PropertyValue::fromInt32(0));
    bag.append(QStringLiteral("OffsetAngle"), platform::PropertyValue::fromInt32(720));
    bag.append(QStringLiteral("BorderWidth"), platform::PropertyValue::fromInt16(0));
    bag.append(QStringLiteral("TickWidth"), platform::PropertyValue::fromInt16(-3));
    bag.append(QStringLiteral("ShowArc"), platform::PropertyValue::fromBool(false));
    bag.append(QStringLiteral("AutoMask"), platform::PropertyValue::fromBool(true));
    bag.append(QStringLiteral("BackColor"), platform::PropertyValue::fromInt32(0x123456));
    VelCProg dial;
    QVERIFY(!dial.readProperties(bag));
    QCOMPARE(dial.value(), 75);
    QCOMPARE(dial.minimum(), -10);
    QCOMPARE(dial.span(), 0);
    QCOMPARE(dial.offsetAngle(), 720);
    QCOMPARE(dial.borderWidth(), 0);
    QCOMPARE(dial.tickWidth(), -3);
    // Loaded flags do not switch each other on.
    QVERIFY(!dial.showArc());
    QVERIFY(!dial.showNeedle());
    // AutoMask goes through its setter, last, after the back colour.
    QCOMPARE(dial.maskColor(), 0x123456u);
    QVERIFY(dial.useMask());
}

void TestVelCProgStore::clockFaceRoundTrips()
{
    VelCProg dial;
    const platform::PropertyBag stored = clockFaceBag();
    QVERIFY(!dial.readProperties(stored));
    platform::PropertyBag saved;
    dial.writeProperties(saved);
    QCOMPARE(saved.count(), stored.count());
    for (const platform::PropertyBag::Entry &entry : stored.entries()) {
        const platform::PropertyValue *again = saved.find(entry.name);
        QVERIFY2(again, qPrintable(entry.name));
        QVERIFY2(*again == entry.value, qPrintable(entry.name));
    }
}

void TestVelCProgStore::loadStopsAtAValueOfTheWrongType()
{
    platform::PropertyBag bag;
    bag.append(QStringLiteral("Max"), platform::PropertyValue::fromInt32(60));
    bag.append(QStringLiteral("Min"), platform::PropertyValue::fromInt32(5));
    bag.append(QStringLiteral("Value"), platform::PropertyValue::fromText(QStringLiteral("ten")));
    bag.append(QStringLiteral("BackColor"), platform::PropertyValue::fromInt32(0x123456));
    VelCProg dial;
    QSignalSpy reports(&dial, &VelCProg::propertyChanged);
    const auto error = dial.readProperties(bag);
    QVERIFY(error);
    QVERIFY(error->message.contains(QStringLiteral("Value")));
    // What came before stays; what comes after was never read.
    QCOMPARE(dial.maximum(), 60);
    QCOMPARE(dial.minimum(), 5);
    QCOMPARE(dial.value(), 50);
    QCOMPARE(dial.backColor(), ButtonFace);
    QVERIFY(reports.isEmpty());
}

void TestVelCProgStore::extremeStoredValuesStillDraw()
{
    // Values no setter would let through, but a store may hold: the redraw
    // must neither hang nor overflow.
    platform::PropertyBag bag;
    bag.append(QStringLiteral("Max"), platform::PropertyValue::fromInt32(2147483647));
    bag.append(QStringLiteral("Min"), platform::PropertyValue::fromInt32(-2147483647 - 1));
    bag.append(QStringLiteral("Value"), platform::PropertyValue::fromInt32(2147483647));
    bag.append(QStringLiteral("Span"), platform::PropertyValue::fromInt32(-2147483647 - 1));
    bag.append(QStringLiteral("OffsetAngle"), platform::PropertyValue::fromInt32(2147483647));
    bag.append(QStringLiteral("TickStyle"), platform::PropertyValue::fromInt32(2));
    bag.append(QStringLiteral("TickPosition"), platform::PropertyValue::fromInt32(1));
    bag.append(QStringLiteral("TickSize"), platform::PropertyValue::fromInt16(32767));
    bag.append(QStringLiteral("TickFrequency"), platform::PropertyValue::fromFloat(1e-30f));
    bag.append(QStringLiteral("BorderWidth"), platform::PropertyValue::fromInt16(-32768));
    bag.append(QStringLiteral("ShowValue"), platform::PropertyValue::fromBool(true));
    bag.append(QStringLiteral("ShowValueAsPercent"), platform::PropertyValue::fromBool(true));
    bag.append(QStringLiteral("ShowNeedle"), platform::PropertyValue::fromBool(true));
    bag.append(QStringLiteral("AutoSize"), platform::PropertyValue::fromBool(false));
    bag.append(QStringLiteral("Radius"), platform::PropertyValue::fromDouble(2.0e9));
    bag.append(QStringLiteral("XCenter"), platform::PropertyValue::fromDouble(-2.0e9));
    VelCProg dial;
    dial.resize(120, 120);
    QVERIFY(!dial.readProperties(bag));
    QCOMPARE(dial.span(), -2147483647 - 1);
    dial.setValue(5); // through the setter: inside the loaded range
    dial.Repaint();
    QCOMPARE(dial.surface().size(), QSize(120, 120));
}

QTEST_MAIN(TestVelCProgStore)
#include "tst_velcprogstore.moc"

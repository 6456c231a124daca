#include "propertybag.h"

#include <QBuffer>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <limits>

using platform::PropertyBag;
using platform::PropertyResult;
using platform::PropertyValue;

Q_DECLARE_METATYPE(PropertyValue)

namespace {

QImage samplePicture()
{
    QImage image(3, 2, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(255, 0, 0, 255));
    image.setPixel(1, 0, qRgba(0, 255, 0, 128));
    image.setPixel(2, 0, qRgba(0, 0, 255, 0));
    image.setPixel(0, 1, qRgba(1, 2, 3, 4));
    image.setPixel(1, 1, qRgba(250, 251, 252, 253));
    image.setPixel(2, 1, qRgba(0, 0, 0, 255));
    return image;
}

QFont sampleFont()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(8.25);
    font.setWeight(QFont::DemiBold);
    font.setItalic(true);
    font.setUnderline(true);
    font.setStrikeOut(true);
    return font;
}

// A bag holding one entry of every type, with values at the edges of each.
PropertyBag bagOfEveryType()
{
    PropertyBag bag;
    bag.writeBool(QStringLiteral("Clockwise"), false, true);
    bag.writeInt16(QStringLiteral("Low16"), std::numeric_limits<qint16>::min(), 0);
    bag.writeInt16(QStringLiteral("High16"), std::numeric_limits<qint16>::max(), 0);
    bag.writeInt32(QStringLiteral("Low32"), std::numeric_limits<qint32>::min(), 0);
    bag.writeInt32(QStringLiteral("High32"), std::numeric_limits<qint32>::max(), 0);
    bag.writeFloat(QStringLiteral("TickFrequency"), 0.1f, 10.0f);
    bag.writeFloat(QStringLiteral("Huge"), -std::numeric_limits<float>::max(), 0);
    bag.writeFloat(QStringLiteral("NotANumber"), std::numeric_limits<float>::quiet_NaN(), 0);
    bag.writeDouble(QStringLiteral("XCenter"), 1.0 / 3.0, 750.0);
    bag.writeDouble(QStringLiteral("Minus"), -std::numeric_limits<double>::infinity(), 0);
    bag.writeText(QStringLiteral("Caption"), QStringLiteral(" Täb \"0\"|\\n\n|"), QString());
    bag.writeText(QStringLiteral("Blank"), QString(), QStringLiteral("ButtonEx1"));
    bag.writeFont(QStringLiteral("Font"), sampleFont(), QFont());
    bag.writePicture(QStringLiteral("Picture"), samplePicture());
    bag.writePicture(QStringLiteral("SkinUp"), QImage());
    bag.writePicture(QStringLiteral("MaskPicture"), std::nullopt, samplePicture());
    return bag;
}

void checkEveryType(const PropertyBag &bag)
{
    QCOMPARE(bag.count(), 16);
    QCOMPARE(bag.readBool(u"Clockwise", true).value(), false);
    QCOMPARE(bag.readInt16(u"Low16", 0).value(), std::numeric_limits<qint16>::min());
    QCOMPARE(bag.readInt16(u"High16", 0).value(), std::numeric_limits<qint16>::max());
    QCOMPARE(bag.readInt32(u"Low32", 0).value(), std::numeric_limits<qint32>::min());
    QCOMPARE(bag.readInt32(u"High32", 0).value(), std::numeric_limits<qint32>::max());
    QCOMPARE(bag.readFloat(u"TickFrequency", 10).value(), 0.1f);
    QCOMPARE(bag.readFloat(u"Huge", 0).value(), -std::numeric_limits<float>::max());
    QVERIFY(std::isnan(bag.readFloat(u"NotANumber", 0).value()));
    QCOMPARE(bag.readDouble(u"XCenter", 750).value(), 1.0 / 3.0);
    QCOMPARE(bag.readDouble(u"Minus", 0).value(), -std::numeric_limits<double>::infinity());
    QCOMPARE(bag.readText(u"Caption", {}).value(), QStringLiteral(" Täb \"0\"|\\n\n|"));
    QCOMPARE(bag.readText(u"Blank", QStringLiteral("ButtonEx1")).value(), QString());

    const QFont font = bag.readFont(u"Font", QFont()).value();
    QCOMPARE(font.family(), QStringLiteral("Liberation Sans"));
    QCOMPARE(font.pointSizeF(), 8.25);
    QCOMPARE(font.weight(), QFont::DemiBold);
    QVERIFY(font.italic() && font.underline() && font.strikeOut());

    const auto picture = bag.readPicture(u"Picture").value();
    QVERIFY(picture.has_value());
    QCOMPARE(picture->convertToFormat(QImage::Format_ARGB32), samplePicture());
    // An empty picture is a value of its own, not nothing, and no default replaces either.
    const auto skin = bag.readPicture(u"SkinUp", samplePicture()).value();
    QVERIFY(skin.has_value() && skin->isNull());
    QVERIFY(!bag.readPicture(u"MaskPicture", samplePicture()).value().has_value());
}

QStringList names(const PropertyBag &bag)
{
    QStringList list;
    for (const PropertyBag::Entry &entry : bag.entries())
        list << entry.name;
    return list;
}

// A read of the given type, shown as text, or "error" naming the property.
QString readShown(const PropertyBag &bag, PropertyValue::Type type)
{
    const auto shown = [](const auto &result) {
        if (!result.isOk())
            return result.error().contains(QLatin1String("\"P\"")) ? QStringLiteral("error")
                                                                   : result.error();
        using T = std::decay_t<decltype(result.value())>;
        if constexpr (std::is_same_v<T, bool>)
            return result.value() ? QStringLiteral("true") : QStringLiteral("false");
        else if constexpr (std::is_arithmetic_v<T>)
            return QString::number(result.value(), 'g', 17);
        else
            return QStringLiteral("read");
    };
    switch (type) {
    case PropertyValue::Type::Bool:
        return shown(bag.readBool(u"P", false));
    case PropertyValue::Type::Int16:
        return shown(bag.readInt16(u"P", 0));
    case PropertyValue::Type::Int32:
        return shown(bag.readInt32(u"P", 0));
    case PropertyValue::Type::Float:
        return shown(bag.readFloat(u"P", 0));
    case PropertyValue::Type::Double:
        return shown(bag.readDouble(u"P", 0));
    case PropertyValue::Type::Text:
        return shown(bag.readText(u"P", {}));
    case PropertyValue::Type::Font:
        return shown(bag.readFont(u"P", {}));
    case PropertyValue::Type::Picture:
        return shown(bag.readPicture(u"P"));
    }
    return {};
}

quint32 crc32(const QByteArray &data)
{
    quint32 crc = 0xFFFFFFFFu;
    for (const char c : data) {
        crc ^= quint8(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// A real one-pixel PNG whose header then claims another size, with a valid
// checksum, as a hostile file would.
QByteArray pngClaiming(quint32 width, quint32 height)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImage(1, 1, QImage::Format_RGB32).save(&buffer, "PNG");
    for (int i = 0; i < 4; ++i) {
        png[16 + i] = char(width >> (24 - 8 * i));
        png[20 + i] = char(height >> (24 - 8 * i));
    }
    const quint32 crc = crc32(png.mid(12, 17));
    for (int i = 0; i < 4; ++i)
        png[29 + i] = char(crc >> (24 - 8 * i));
    return png;
}

QByteArray pictureEntry(const QByteArray &bytes)
{
    return R"([{"name":"Picture","type":"picture","value":")" + bytes.toBase64() + "\"}]";
}

} // namespace

class TestPropertyBag : public QObject
{
    Q_OBJECT

private slots:
    void everyTypeRoundTrips();
    void orderAndDuplicatesAreKept();
    void namesMatchWithoutCase();
    void writesLeaveOutDefaults();
    void absentNamesGiveDefaults();
    void conversions_data();
    void conversions();
    void handWrittenJsonReads();
    void jsonIsCompactAndReadable();
    void badJsonIsRefused_data();
    void badJsonIsRefused();
    void picturesShareOneAllowance();
    void designFiles();
};

void TestPropertyBag::everyTypeRoundTrips()
{
    const PropertyBag bag = bagOfEveryType();
    checkEveryType(bag);
    if (QTest::currentTestFailed())
        return;

    for (const auto format : {QJsonDocument::Indented, QJsonDocument::Compact}) {
        const PropertyResult<PropertyBag> again = PropertyBag::fromJson(bag.toJson(format));
        QVERIFY2(again.isOk(), qPrintable(again.error()));
        QCOMPARE(names(again.value()), names(bag));
        QVERIFY(again.value() == bag);
        checkEveryType(again.value());
        // A second trip gives the same text: nothing drifts.
        QCOMPARE(again.value().toJson(format), bag.toJson(format));
    }
}

void TestPropertyBag::orderAndDuplicatesAreKept()
{
    // A button saves "TransparentColor" twice; a second, different write of a
    // name must not replace the first either.
    PropertyBag bag;
    bag.writeInt32(QStringLiteral("TransparentColor"), 0xFF, 0xFF0000);
    bag.writeText(QStringLiteral("Caption"), QStringLiteral("&Go"), QStringLiteral("ButtonEx1"));
    bag.writeInt32(QStringLiteral("TransparentColor"), 0xFF, 0xFF0000);
    bag.writeInt16(QStringLiteral("CAPTION"), 7, 0);
    QCOMPARE(names(bag),
             QStringList({"TransparentColor", "Caption", "TransparentColor", "CAPTION"}));
    QCOMPARE(bag.readText(u"caption", {}).value(), QStringLiteral("&Go"));

    const auto again = PropertyBag::fromJson(bag.toJson());
    QVERIFY2(again.isOk(), qPrintable(again.error()));
    QCOMPARE(names(again.value()), names(bag));
    QVERIFY(again.value() == bag);
    QCOMPARE(again.value().readInt32(u"TransparentColor", 0).value(), 0xFF);
    QCOMPARE(again.value().entries().at(3).value.type(), PropertyValue::Type::Int16);
}

void TestPropertyBag::namesMatchWithoutCase()
{
    PropertyBag bag;
    bag.writeInt16(QStringLiteral("numberoftabs"), 3, 4);
    bag.writeText(QStringLiteral("Ärger"), QStringLiteral("x"), {});
    QCOMPARE(bag.readInt16(u"NumberOfTabs", 4).value(), qint16(3));
    QCOMPARE(bag.readInt16(u"NUMBEROFTABS", 4).value(), qint16(3));
    QCOMPARE(bag.readText(u"äRGER", {}).value(), QStringLiteral("x"));
    QVERIFY(bag.contains(u"NumberOfTabs"));
    QVERIFY(!bag.contains(u"NumberOfTab"));
    QVERIFY(!bag.contains(u"numberoftabs "));
}

void TestPropertyBag::writesLeaveOutDefaults()
{
    PropertyBag bag;
    bag.writeBool(QStringLiteral("b"), true, true);
    bag.writeInt16(QStringLiteral("i16"), 4, 4);
    bag.writeInt32(QStringLiteral("i32"), int(0x8000000F), int(0x8000000F));
    bag.writeFloat(QStringLiteral("f"), 10.0f, 10.0f);
    bag.writeDouble(QStringLiteral("d"), 750.0, 750.0);
    bag.writeText(QStringLiteral("t"), QStringLiteral("ButtonEx1"), QStringLiteral("ButtonEx1"));
    bag.writePicture(QStringLiteral("p"), std::nullopt, std::nullopt);

    // Fonts compare by what is stored; a difference in anything else (here
    // the kerning and a pixel size that names the same point size) does not
    // make a font differ from its default.
    QFont ambient(QStringLiteral("Liberation Sans"));
    ambient.setPointSize(12);
    QFont same(QStringLiteral("liberation sans"));
    same.setPixelSize(16);
    same.setKerning(!ambient.kerning());
    bag.writeFont(QStringLiteral("Font"), same, ambient);

    // Pictures compare by pixels, not by pixel format.
    const QImage picture = samplePicture();
    bag.writePicture(QStringLiteral("Skin"), picture.convertToFormat(QImage::Format_RGBA8888),
                     picture);
    QVERIFY2(bag.isEmpty(), bag.toJson().constData());

    // One step off any of those defaults is written.
    bag.writeInt16(QStringLiteral("i16"), 5, 4);
    bag.writeFloat(QStringLiteral("f"), std::nextafter(10.0f, 11.0f), 10.0f);
    bag.writeText(QStringLiteral("t"), QStringLiteral("buttonex1"), QStringLiteral("ButtonEx1"));
    same.setItalic(true);
    bag.writeFont(QStringLiteral("Font"), same, ambient);
    QImage changed = picture;
    changed.setPixel(2, 1, qRgba(0, 0, 1, 255));
    bag.writePicture(QStringLiteral("Skin"), changed, picture);
    bag.writePicture(QStringLiteral("p"), QImage(), std::nullopt);
    QCOMPARE(names(bag), QStringList({"i16", "f", "t", "Font", "Skin", "p"}));
    QCOMPARE(bag.readFont(u"font", ambient).value().pointSizeF(), 12.0);
}

void TestPropertyBag::absentNamesGiveDefaults()
{
    PropertyBag bag;
    bag.writeInt32(QStringLiteral("Other"), 1, 0);
    QCOMPARE(bag.readBool(u"Clockwise", true).value(), true);
    QCOMPARE(bag.readInt16(u"TickSize", 4).value(), qint16(4));
    QCOMPARE(bag.readInt32(u"Max", 100).value(), 100);
    QCOMPARE(bag.readFloat(u"TickFrequency", 10.0f).value(), 10.0f);
    QCOMPARE(bag.readDouble(u"XCenter", 750.0).value(), 750.0);
    QCOMPARE(bag.readText(u"Caption", QStringLiteral("ButtonEx1")).value(),
             QStringLiteral("ButtonEx1"));
    QCOMPARE(bag.readFont(u"Font", sampleFont()).value(), sampleFont());
    QVERIFY(!bag.readPicture(u"Picture").value().has_value());
    QCOMPARE(*bag.readPicture(u"Picture", samplePicture()).value(), samplePicture());
}

void TestPropertyBag::conversions_data()
{
    using T = PropertyValue::Type;
    QTest::addColumn<PropertyValue>("stored");
    QTest::addColumn<int>("wanted");
    QTest::addColumn<QString>("expected");

    const auto row = [](const char *tag, const PropertyValue &stored, T wanted,
                        const char *expected) {
        QTest::newRow(tag) << stored << int(wanted) << QString::fromLatin1(expected);
    };
    row("int16 as int32", PropertyValue::fromInt16(-32768), T::Int32, "-32768");
    row("int32 as int16 fits", PropertyValue::fromInt32(32767), T::Int16, "32767");
    row("int32 as int16 too big", PropertyValue::fromInt32(32768), T::Int16, "error");
    row("int32 as int16 too small", PropertyValue::fromInt32(-32769), T::Int16, "error");
    row("True as int16", PropertyValue::fromBool(true), T::Int16, "-1");
    row("False as int32", PropertyValue::fromBool(false), T::Int32, "0");
    row("-1 as bool", PropertyValue::fromInt16(-1), T::Bool, "true");
    row("0 as bool", PropertyValue::fromInt32(0), T::Bool, "false");
    row("1 as bool", PropertyValue::fromInt16(1), T::Bool, "error");
    row("int32 2^24 as float", PropertyValue::fromInt32(1 << 24), T::Float, "16777216");
    row("int32 2^24+1 as float", PropertyValue::fromInt32((1 << 24) + 1), T::Float, "error");
    row("int32 max as float", PropertyValue::fromInt32(std::numeric_limits<qint32>::max()),
        T::Float, "error");
    row("float as double", PropertyValue::fromFloat(0.1f), T::Double, "0.10000000149011612");
    row("double 0.5 as float", PropertyValue::fromDouble(0.5), T::Float, "0.5");
    row("double 0.1 as float", PropertyValue::fromDouble(0.1), T::Float, "error");
    row("double 1e300 as float", PropertyValue::fromDouble(1e300), T::Float, "error");
    row("whole float as int16", PropertyValue::fromFloat(-3.0f), T::Int16, "-3");
    row("half float as int16", PropertyValue::fromFloat(2.5f), T::Int16, "error");
    row("double 1e10 as int32", PropertyValue::fromDouble(1e10), T::Int32, "error");
    row("NaN as int32", PropertyValue::fromDouble(std::nan("")), T::Int32, "error");
    row("text as int16", PropertyValue::fromText(QStringLiteral("5")), T::Int16, "error");
    row("int32 as text", PropertyValue::fromInt32(5), T::Text, "error");
    row("bool as float", PropertyValue::fromBool(true), T::Float, "error");
    row("float as bool", PropertyValue::fromFloat(-1.0f), T::Bool, "error");
    row("picture as int32", PropertyValue::fromPicture(samplePicture()), T::Int32, "error");
    row("text as font", PropertyValue::fromText(QStringLiteral("Arial")), T::Font, "error");
    row("int32 as picture", PropertyValue::fromInt32(0), T::Picture, "error");
    row("font as font", PropertyValue::fromFont(QFont()), T::Font, "read");
    row("nothing as picture", PropertyValue::fromPicture(std::nullopt), T::Picture, "read");
}

void TestPropertyBag::conversions()
{
    QFETCH(PropertyValue, stored);
    QFETCH(int, wanted);
    QFETCH(QString, expected);
    PropertyBag bag;
    bag.append(QStringLiteral("P"), stored);
    QCOMPARE(readShown(bag, PropertyValue::Type(wanted)), expected);
}

void TestPropertyBag::handWrittenJsonReads()
{
    const QByteArray json = R"([
        {"name": "Border", "type": "bool", "value": false},
        {"name": "TickFrequency", "type": "float", "value": 0.1},
        {"name": "TextShadowXOffset", "type": "float", "value": "-Infinity"},
        {"name": "Font", "type": "font",
         "value": {"family": "Arial", "size": 9.75, "bold": true}}
    ])";
    const auto bag = PropertyBag::fromJson(json);
    QVERIFY2(bag.isOk(), qPrintable(bag.error()));
    const PropertyBag &b = bag.value();
    QCOMPARE(b.readBool(u"border", true).value(), false);
    QCOMPARE(b.readFloat(u"TickFrequency", 10).value(), 0.1f);
    QCOMPARE(b.readFloat(u"TextShadowXOffset", 15).value(),
             -std::numeric_limits<float>::infinity());
    const QFont font = b.readFont(u"Font", QFont()).value();
    QCOMPARE(font.family(), QStringLiteral("Arial"));
    QCOMPARE(font.pointSizeF(), 9.75);
    QCOMPARE(font.weight(), QFont::Bold);
    QVERIFY(!font.italic() && !font.underline() && !font.strikeOut());
}

void TestPropertyBag::jsonIsCompactAndReadable()
{
    PropertyBag bag;
    bag.writeInt16(QStringLiteral("numberoftabs"), 3, 4);
    bag.writeFloat(QStringLiteral("TickFrequency"), 0.1f, 10.0f);
    bag.writeDouble(QStringLiteral("Radius"), std::nan(""), 375.0);
    bag.writePicture(QStringLiteral("Empty"), QImage(), std::nullopt);
    bag.writePicture(QStringLiteral("Nothing"), std::nullopt, samplePicture());
    QCOMPARE(bag.toJson(QJsonDocument::Compact),
             QByteArray(R"([{"name":"numberoftabs","type":"int16","value":3},)"
                        R"({"name":"TickFrequency","type":"float","value":0.1},)"
                        R"({"name":"Radius","type":"double","value":"NaN"},)"
                        R"({"name":"Empty","type":"picture","value":""},)"
                        R"({"name":"Nothing","type":"picture","value":null}])"));
}

void TestPropertyBag::badJsonIsRefused_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("reason");

    const auto entry = [](const char *type, const char *value) {
        return QByteArray(R"([{"name":"P","type":")") + type + R"(","value":)" + value + "}]";
    };
    QTest::newRow("empty") << QByteArray() << "not JSON";
    QTest::newRow("object root") << QByteArray(R"({"name":"P"})") << "array";
    QTest::newRow("entry not object") << QByteArray("[1]") << "entry 0: not an object";
    QTest::newRow("no name") << QByteArray(R"([{"type":"bool","value":true}])") << "name";
    QTest::newRow("no value") << QByteArray(R"([{"name":"P","type":"bool"}])") << "no \"value\"";
    QTest::newRow("extra member") << QByteArray(
                                         R"([{"name":"P","type":"bool","value":true,"x":1}])")
                                  << "\"x\"";
    QTest::newRow("unknown type") << entry("long", "1") << "unknown \"type\"";
    QTest::newRow("bool as number") << entry("bool", "-1") << "true or false";
    QTest::newRow("int16 too big") << entry("int16", "32768") << "whole number";
    QTest::newRow("int16 fraction") << entry("int16", "1.5") << "whole number";
    QTest::newRow("int32 as text") << entry("int32", R"("5")") << "whole number";
    QTest::newRow("int32 too big") << entry("int32", "2147483648") << "whole number";
    QTest::newRow("float too big") << entry("float", "1e39") << "32-bit float";
    QTest::newRow("float just beyond") << entry("float", "3.4028236e38") << "32-bit float";
    QTest::newRow("double word") << entry("double", R"("nan")") << "expected a number";
    QTest::newRow("text as number") << entry("text", "5") << "expected a text";
    QTest::newRow("font not object") << entry("font", R"("Arial")") << "object";
    QTest::newRow("font no family") << entry("font", R"({"size":8})") << "family";
    QTest::newRow("font size zero") << entry("font", R"({"family":"A","size":0})") << "size";
    QTest::newRow("font size huge") << entry("font", R"({"family":"A","size":1e9})") << "size";
    QTest::newRow("font weight 0")
        << entry("font", R"({"family":"A","size":8,"weight":0})") << "weight";
    QTest::newRow("font weight and bold")
        << entry("font", R"({"family":"A","size":8,"weight":700,"bold":true})") << "not both";
    QTest::newRow("font unknown key")
        << entry("font", R"({"family":"A","size":8,"colour":1})") << "colour";
    QTest::newRow("picture number") << entry("picture", "0") << "picture must be";
    QTest::newRow("picture not base64") << entry("picture", R"("!!!!")") << "not base64 PNG";
    QTest::newRow("picture not png") << pictureEntry("GIF89a\x01\x00\x01\x00") << "not base64 PNG";
    QTest::newRow("picture truncated") << pictureEntry(pngClaiming(1, 1).left(40)) << "picture";
    QTest::newRow("picture too wide") << pictureEntry(pngClaiming(9000, 1)) << "beyond the limit";
    QTest::newRow("picture too many pixels")
        << pictureEntry(pngClaiming(5000, 5000)) << "beyond the limit";
    QTest::newRow("picture claims more than it holds")
        << pictureEntry(pngClaiming(64, 64)) << "cannot be decoded";
    QTest::newRow("second entry bad")
        << QByteArray(
               R"([{"name":"A","type":"bool","value":true},{"name":"B","type":"int16","value":null}])")
        << "entry 1: \"B\"";
    QTest::newRow("nested beyond the parser")
        << QByteArray(100000, '[') + QByteArray(100000, ']') << "not JSON";
    QTest::newRow("too long") << QByteArray(PropertyBag::kMaxJsonBytes + 1, ' ') << "over";
}

void TestPropertyBag::badJsonIsRefused()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, reason);
    const PropertyResult<PropertyBag> bag = PropertyBag::fromJson(json);
    QVERIFY(!bag.isOk());
    QVERIFY2(bag.error().contains(reason), qPrintable(bag.error()));
}

void TestPropertyBag::picturesShareOneAllowance()
{
    // Half the allowance each; one-bit pixels keep the test small, but the
    // allowance counts pixels whatever their depth.
    QImage half(4096, PropertyBag::kMaxTotalPicturePixels / 4096 / 2, QImage::Format_Mono);
    half.fill(0);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(half.save(&buffer, "PNG"));
    const auto bagOf = [&](int pictures) {
        QByteArray json = "[";
        for (int i = 0; i < pictures; ++i) {
            json += (i ? "," : "") + QByteArray(R"({"name":"P","type":"picture","value":")") +
                    png.toBase64() + "\"}";
        }
        return json + "]";
    };

    const PropertyResult<PropertyBag> two = PropertyBag::fromJson(bagOf(2));
    QVERIFY2(two.isOk(), qPrintable(two.error()));
    QCOMPARE(two.value().count(), 2);
    // A third is refused before it is decoded: every picture fits on its own,
    // but together they would not.
    const PropertyResult<PropertyBag> three = PropertyBag::fromJson(bagOf(3));
    QVERIFY(!three.isOk());
    QVERIFY2(three.error().contains("entry 2") && three.error().contains("together"),
             qPrintable(three.error()));
}

void TestPropertyBag::designFiles()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    platform::PropertyBag bag;
    bag.writeInt16(QStringLiteral("Max"), 60, 100);
    const auto write = [&](const QString &name, const QByteArray &text) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text);
    };
    write(QStringLiteral("good.json"), bag.toJson());
    write(QStringLiteral("damaged.json"), bag.toJson().chopped(3));

    const auto read = platform::PropertyBag::fromDesignFile(dir.filePath("good.json"));
    QVERIFY(read);
    QCOMPARE(*read, bag);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("damaged.json"));
    QVERIFY(!platform::PropertyBag::fromDesignFile(dir.filePath("damaged.json")));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("missing.*absent.json"));
    QVERIFY(!platform::PropertyBag::fromDesignFile(dir.filePath("absent.json")));
}

QTEST_MAIN(TestPropertyBag)
#include "tst_propertybag.moc"

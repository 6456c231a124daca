#include "propertybag.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <limits>

namespace platform {

namespace {

using Type = PropertyValue::Type;

// The type names of the text form, in the order of PropertyValue::Type.
constexpr const char *kTypeNames[] = {"bool",   "int16", "int32", "float",
                                      "double", "text",  "font",  "picture"};

constexpr double kMaxPointSize = 4096.0;

// Doubles from here on round to infinity as floats: the largest float plus
// half a unit in its last place (the tie rounds up, its last bit being odd).
const double kFloatOverflow = double(FLT_MAX) + std::ldexp(1.0, 103);

// ---- writing the text form ----

// JSON has no NaN or infinity, so those are written as words.
QJsonValue floatingToJson(double value)
{
    if (std::isnan(value))
        return QStringLiteral("NaN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("Infinity") : QStringLiteral("-Infinity");
    return value;
}

// A 32-bit float is written with the fewest digits that read back as the same
// float, so 0.1f appears as 0.1 rather than as its longer double expansion.
QJsonValue singleToJson(float value)
{
    if (!std::isfinite(value))
        return floatingToJson(double(value));
    char digits[48];
    const auto written = std::to_chars(digits, digits + sizeof digits, value);
    return QByteArray(digits, written.ptr - digits).toDouble();
}

QJsonValue pictureToJson(const std::optional<QImage> &picture)
{
    if (!picture)
        return QJsonValue::Null;
    if (picture->isNull())
        return QString();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!picture->save(&buffer, "PNG"))
        qWarning("PropertyBag: a picture could not be encoded as PNG");
    return QString::fromLatin1(png.toBase64());
}

QJsonValue valueToJson(const PropertyValue &value)
{
    switch (value.type()) {
    case Type::Bool:
        return value.toBool().value();
    case Type::Int16:
        return value.toInt16().value();
    case Type::Int32:
        return value.toInt32().value();
    case Type::Float:
        return singleToJson(value.toFloat().value());
    case Type::Double:
        return floatingToJson(value.toDouble().value());
    case Type::Text:
        return value.toText().value();
    case Type::Font: {
        const QFont font = value.toFont().value();
        QJsonObject object;
        object.insert(QStringLiteral("family"), font.family());
        object.insert(QStringLiteral("size"), font.pointSizeF());
        object.insert(QStringLiteral("weight"), int(font.weight()));
        object.insert(QStringLiteral("italic"), font.italic());
        object.insert(QStringLiteral("underline"), font.underline());
        object.insert(QStringLiteral("strikeout"), font.strikeOut());
        return object;
    }
    case Type::Picture:
        return pictureToJson(value.toPicture().value());
    }
    return QJsonValue::Null;
}

// ---- reading the text form ----

PropertyResult<double> floatingFromJson(const QJsonValue &json)
{
    if (json.isDouble())
        return json.toDouble();
    const QString word = json.toString();
    if (word == QLatin1String("NaN"))
        return std::numeric_limits<double>::quiet_NaN();
    if (word == QLatin1String("Infinity"))
        return std::numeric_limits<double>::infinity();
    if (word == QLatin1String("-Infinity"))
        return -std::numeric_limits<double>::infinity();
    return PropertyError{
        QStringLiteral("expected a number, \"NaN\", \"Infinity\" or \"-Infinity\"")};
}

PropertyResult<qint32> integerFromJson(const QJsonValue &json, qint32 lowest, qint32 highest)
{
    const double d = json.toDouble();
    if (!json.isDouble() || std::trunc(d) != d || d < lowest || d > highest)
        return PropertyError{
            QStringLiteral("expected a whole number from %1 to %2").arg(lowest).arg(highest)};
    return qint32(d);
}

PropertyResult<QFont> fontFromJson(const QJsonValue &json)
{
    if (!json.isObject())
        return PropertyError{QStringLiteral("a font must be an object")};
    const QJsonObject object = json.toObject();
    static const QStringList known = {QStringLiteral("family"),   QStringLiteral("size"),
                                      QStringLiteral("weight"),   QStringLiteral("bold"),
                                      QStringLiteral("italic"),   QStringLiteral("underline"),
                                      QStringLiteral("strikeout")};
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (!known.contains(it.key()))
            return PropertyError{QStringLiteral("a font has no \"%1\"").arg(it.key())};
    }
    const QJsonValue family = object.value(QLatin1String("family"));
    if (!family.isString())
        return PropertyError{QStringLiteral("a font needs a \"family\" text")};
    const QJsonValue size = object.value(QLatin1String("size"));
    const double points = size.toDouble();
    if (!size.isDouble() || !(points > 0.0 && points <= kMaxPointSize))
        return PropertyError{
            QStringLiteral("a font needs a \"size\" in points above 0 and up to %1")
                .arg(kMaxPointSize)};

    QFont font;
    font.setFamily(family.toString());
    font.setPointSizeF(points);
    if (object.contains(QLatin1String("weight")) && object.contains(QLatin1String("bold")))
        return PropertyError{QStringLiteral("a font gives \"weight\" or \"bold\", not both")};
    if (object.contains(QLatin1String("weight"))) {
        const PropertyResult<qint32> weight =
            integerFromJson(object.value(QLatin1String("weight")), 1, 1000);
        if (!weight)
            return PropertyError{QStringLiteral("font \"weight\": ") + weight.error()};
        font.setWeight(QFont::Weight(weight.value()));
    }
    for (const char *key : {"bold", "italic", "underline", "strikeout"}) {
        const QJsonValue flag = object.value(QLatin1String(key));
        if (flag.isUndefined())
            continue; // left out means False
        if (!flag.isBool())
            return PropertyError{QStringLiteral("font \"%1\" must be true or false").arg(key)};
        const bool on = flag.toBool();
        if (qstrcmp(key, "bold") == 0)
            font.setWeight(on ? QFont::Bold : QFont::Normal);
        else if (qstrcmp(key, "italic") == 0)
            font.setItalic(on);
        else if (qstrcmp(key, "underline") == 0)
            font.setUnderline(on);
        else
            font.setStrikeOut(on);
    }
    return font;
}

// `pixelBudget` is what the pictures read so far have left of the text's
// allowance; a decoded picture takes its pixels from it.
PropertyResult<std::optional<QImage>> pictureFromJson(const QJsonValue &json, qint64 *pixelBudget)
{
    if (json.isNull())
        return std::optional<QImage>();
    if (!json.isString())
        return PropertyError{QStringLiteral("a picture must be null, \"\" or base64 PNG text")};
    const QString text = json.toString();
    if (text.isEmpty())
        return std::optional<QImage>(QImage());

    const auto decoded =
        QByteArray::fromBase64Encoding(text.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    static const QByteArray signature("\x89PNG\r\n\x1a\n", 8);
    if (!decoded || !decoded.decoded.startsWith(signature))
        return PropertyError{QStringLiteral("a picture is not base64 PNG")};

    QBuffer buffer;
    buffer.setData(decoded.decoded);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "png");
    reader.setAutoDetectImageFormat(false);
    // The size comes from the header, before any pixel memory is allocated.
    const QSize size = reader.size();
    if (!size.isValid())
        return PropertyError{QStringLiteral("a picture cannot be decoded: its header is damaged")};
    if (size.width() > PropertyBag::kMaxPictureSide ||
        size.height() > PropertyBag::kMaxPictureSide ||
        qint64(size.width()) * size.height() > PropertyBag::kMaxPicturePixels)
        return PropertyError{QStringLiteral("a picture is %1 by %2 pixels, beyond the limit")
                                 .arg(size.width())
                                 .arg(size.height())};
    const qint64 pixels = qint64(size.width()) * size.height();
    if (pixels > *pixelBudget)
        return PropertyError{QStringLiteral("the pictures together are over %1 pixels")
                                 .arg(PropertyBag::kMaxTotalPicturePixels)};
    QImage image = reader.read();
    if (image.isNull() || image.size() != size)
        return PropertyError{
            QStringLiteral("a picture cannot be decoded: %1").arg(reader.errorString())};
    *pixelBudget -= pixels;
    return std::optional<QImage>(std::move(image));
}

PropertyResult<PropertyValue> valueFromJson(Type type, const QJsonValue &json, qint64 *pixelBudget)
{
    switch (type) {
    case Type::Bool:
        if (!json.isBool())
            return PropertyError{QStringLiteral("expected true or false")};
        return PropertyValue::fromBool(json.toBool());
    case Type::Int16: {
        const auto n = integerFromJson(json, std::numeric_limits<qint16>::min(),
                                       std::numeric_limits<qint16>::max());
        if (!n)
            return PropertyError{n.error()};
        return PropertyValue::fromInt16(qint16(n.value()));
    }
    case Type::Int32: {
        const auto n = integerFromJson(json, std::numeric_limits<qint32>::min(),
                                       std::numeric_limits<qint32>::max());
        if (!n)
            return PropertyError{n.error()};
        return PropertyValue::fromInt32(n.value());
    }
    case Type::Float: {
        const auto d = floatingFromJson(json);
        if (!d)
            return PropertyError{d.error()};
        // Rounding to the nearest float is the point of a hand-written 0.1;
        // a number beyond the float range is not.
        if (std::isfinite(d.value()) && std::fabs(d.value()) >= kFloatOverflow)
            return PropertyError{
                QStringLiteral("%1 is beyond the range of a 32-bit float").arg(d.value())};
        return PropertyValue::fromFloat(float(d.value()));
    }
    case Type::Double: {
        const auto d = floatingFromJson(json);
        if (!d)
            return PropertyError{d.error()};
        return PropertyValue::fromDouble(d.value());
    }
    case Type::Text:
        if (!json.isString())
            return PropertyError{QStringLiteral("expected a text")};
        return PropertyValue::fromText(json.toString());
    case Type::Font: {
        const auto font = fontFromJson(json);
        if (!font)
            return PropertyError{font.error()};
        return PropertyValue::fromFont(font.value());
    }
    case Type::Picture: {
        const auto picture = pictureFromJson(json, pixelBudget);
        if (!picture)
            return PropertyError{picture.error()};
        return PropertyValue::fromPicture(picture.value());
    }
    }
    return PropertyError{QStringLiteral("unknown type")};
}

PropertyResult<PropertyBag::Entry> entryFromJson(const QJsonValue &json, qint64 *pixelBudget)
{
    if (!json.isObject())
        return PropertyError{QStringLiteral("not an object")};
    const QJsonObject object = json.toObject();
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (it.key() != QLatin1String("name") && it.key() != QLatin1String("type") &&
            it.key() != QLatin1String("value"))
            return PropertyError{QStringLiteral("unexpected member \"%1\"").arg(it.key())};
    }
    const QJsonValue name = object.value(QLatin1String("name"));
    if (!name.isString())
        return PropertyError{QStringLiteral("\"name\" must be a text")};
    const QString typeName = object.value(QLatin1String("type")).toString();
    const auto type =
        std::find_if(std::begin(kTypeNames), std::end(kTypeNames),
                     [&](const char *known) { return typeName == QLatin1String(known); });
    if (type == std::end(kTypeNames))
        return PropertyError{
            QStringLiteral("\"%1\": unknown \"type\" \"%2\"").arg(name.toString(), typeName)};
    if (!object.contains(QLatin1String("value")))
        return PropertyError{QStringLiteral("\"%1\": no \"value\"").arg(name.toString())};
    const auto value = valueFromJson(Type(type - std::begin(kTypeNames)),
                                     object.value(QLatin1String("value")), pixelBudget);
    if (!value)
        return PropertyError{QStringLiteral("\"%1\": %2").arg(name.toString(), value.error())};
    return PropertyBag::Entry{name.toString(), value.value()};
}

} // namespace

const PropertyValue *PropertyBag::find(QStringView name) const
{
    for (const Entry &entry : m_entries) {
        if (QStringView(entry.name).compare(name, Qt::CaseInsensitive) == 0)
            return &entry.value;
    }
    return nullptr;
}

void PropertyBag::append(const QString &name, const PropertyValue &value)
{
    m_entries.append(Entry{name, value});
}

void PropertyBag::write(const QString &name, const PropertyValue &value,
                        const PropertyValue &defaultValue)
{
    if (value != defaultValue)
        append(name, value);
}

QString PropertyBag::nameError(QStringView name, const QString &error)
{
    return QStringLiteral("\"%1\": %2").arg(name, error);
}

QByteArray PropertyBag::toJson(QJsonDocument::JsonFormat format) const
{
    QJsonArray array;
    for (const Entry &entry : m_entries) {
        QJsonObject object;
        object.insert(QStringLiteral("name"), entry.name);
        object.insert(QStringLiteral("type"),
                      QLatin1String(kTypeNames[static_cast<int>(entry.value.type())]));
        object.insert(QStringLiteral("value"), valueToJson(entry.value));
        array.append(object);
    }
    return QJsonDocument(array).toJson(format);
}

std::optional<PropertyBag> PropertyBag::fromDesignFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning("design values missing: %s", qPrintable(path));
        return std::nullopt;
    }
    auto bag = fromJson(file.readAll());
    if (!bag) {
        qWarning("design values in %s: %s", qPrintable(path), qPrintable(bag.error()));
        return std::nullopt;
    }
    return std::move(bag.value());
}

PropertyResult<PropertyBag> PropertyBag::fromJson(QByteArrayView json)
{
    if (json.size() > kMaxJsonBytes)
        return PropertyError{
            QStringLiteral("the property text is over %1 bytes").arg(kMaxJsonBytes)};
    // Qt's parser refuses documents nested over its own limit; the shape
    // checked below allows no more than three levels anyway.
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json.toByteArray(), &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return PropertyError{QStringLiteral("the property text is not JSON: %1 at byte %2")
                                 .arg(parseError.errorString())
                                 .arg(parseError.offset)};
    if (!document.isArray())
        return PropertyError{QStringLiteral("the property text must be a JSON array")};
    const QJsonArray array = document.array();
    if (array.size() > kMaxEntries)
        return PropertyError{
            QStringLiteral("the property text holds over %1 entries").arg(kMaxEntries)};

    PropertyBag bag;
    bag.m_entries.reserve(array.size());
    qint64 pixelBudget = kMaxTotalPicturePixels;
    for (qsizetype i = 0; i < array.size(); ++i) {
        const PropertyResult<Entry> entry = entryFromJson(array.at(i), &pixelBudget);
        if (!entry)
            return PropertyError{QStringLiteral("entry %1: %2").arg(i).arg(entry.error())};
        bag.m_entries.append(entry.value());
    }
    return bag;
}

} // namespace platform

#include "propertyvalue.h"

#include <cfloat>
#include <cmath>
#include <limits>

namespace platform {

namespace {

// A pixel-sized font has no point size of its own; the stored form wants one,
// so pixels are taken at the standard 96 dots per inch.
constexpr double kPointsPerPixel = 72.0 / 96.0;

bool sameFont(const QFont &a, const QFont &b)
{
    return a.family().compare(b.family(), Qt::CaseInsensitive) == 0 &&
           a.pointSizeF() == b.pointSizeF() && a.weight() == b.weight() &&
           a.italic() == b.italic() && a.underline() == b.underline() &&
           a.strikeOut() == b.strikeOut();
}

bool samePicture(const std::optional<QImage> &a, const std::optional<QImage> &b)
{
    if (!a || !b)
        return !a && !b;
    if (a->isNull() || b->isNull())
        return a->isNull() && b->isNull();
    if (a->size() != b->size())
        return false;
    if (a->format() == b->format())
        return *a == *b;
    return a->convertToFormat(QImage::Format_ARGB32) == b->convertToFormat(QImage::Format_ARGB32);
}

} // namespace

PropertyValue PropertyValue::fromBool(bool value)
{
    return PropertyValue(Data(std::in_place_index<0>, value));
}

PropertyValue PropertyValue::fromInt16(qint16 value)
{
    return PropertyValue(Data(std::in_place_index<1>, value));
}

PropertyValue PropertyValue::fromInt32(qint32 value)
{
    return PropertyValue(Data(std::in_place_index<2>, value));
}

PropertyValue PropertyValue::fromFloat(float value)
{
    return PropertyValue(Data(std::in_place_index<3>, value));
}

PropertyValue PropertyValue::fromDouble(double value)
{
    return PropertyValue(Data(std::in_place_index<4>, value));
}

PropertyValue PropertyValue::fromText(const QString &value)
{
    return PropertyValue(Data(std::in_place_index<5>, value));
}

PropertyValue PropertyValue::fromFont(const QFont &value)
{
    return PropertyValue(Data(std::in_place_index<6>, storedFont(value)));
}

PropertyValue PropertyValue::fromPicture(const std::optional<QImage> &value)
{
    return PropertyValue(Data(std::in_place_index<7>, value));
}

QString PropertyValue::typeName(Type type)
{
    switch (type) {
    case Type::Bool:
        return QStringLiteral("Boolean");
    case Type::Int16:
        return QStringLiteral("16-bit integer");
    case Type::Int32:
        return QStringLiteral("32-bit integer");
    case Type::Float:
        return QStringLiteral("32-bit float");
    case Type::Double:
        return QStringLiteral("64-bit float");
    case Type::Text:
        return QStringLiteral("text");
    case Type::Font:
        return QStringLiteral("font");
    case Type::Picture:
        return QStringLiteral("picture");
    }
    return QString();
}

QFont PropertyValue::storedFont(const QFont &font)
{
    QFont stored;
    stored.setFamily(font.family());
    if (font.pointSizeF() > 0)
        stored.setPointSizeF(font.pointSizeF());
    else if (font.pixelSize() > 0)
        stored.setPointSizeF(font.pixelSize() * kPointsPerPixel);
    stored.setWeight(font.weight());
    stored.setItalic(font.italic());
    stored.setUnderline(font.underline());
    stored.setStrikeOut(font.strikeOut());
    return stored;
}

PropertyError PropertyValue::cannotRead(Type wanted) const
{
    return {QStringLiteral("a stored %1 cannot be read as a %2")
                .arg(typeName(type()), typeName(wanted))};
}

PropertyError PropertyValue::doesNotFit(Type wanted) const
{
    QString shown;
    switch (type()) {
    case Type::Bool:
        shown = std::get<bool>(m_data) ? QStringLiteral("True") : QStringLiteral("False");
        break;
    case Type::Int16:
        shown = QString::number(std::get<qint16>(m_data));
        break;
    case Type::Int32:
        shown = QString::number(std::get<qint32>(m_data));
        break;
    case Type::Float:
        shown = QString::number(std::get<float>(m_data));
        break;
    case Type::Double:
        shown = QString::number(std::get<double>(m_data), 'g', 17);
        break;
    default:
        break;
    }
    return {QStringLiteral("the stored %1 %2 does not fit a %3")
                .arg(typeName(type()), shown, typeName(wanted))};
}

// The value as a whole number when it is one; Booleans count as -1 and 0.
PropertyResult<qint64> PropertyValue::exactInteger() const
{
    switch (type()) {
    case Type::Bool:
        return qint64(std::get<bool>(m_data) ? -1 : 0);
    case Type::Int16:
        return qint64(std::get<qint16>(m_data));
    case Type::Int32:
        return qint64(std::get<qint32>(m_data));
    case Type::Float:
    case Type::Double: {
        const double d =
            type() == Type::Float ? double(std::get<float>(m_data)) : std::get<double>(m_data);
        // Anything outside 32 bits is refused by every caller anyway; the
        // bound keeps the cast below defined.
        if (!std::isfinite(d) || std::trunc(d) != d ||
            std::fabs(d) > double(std::numeric_limits<qint32>::max()) + 1.0)
            return PropertyError{};
        return qint64(d);
    }
    default:
        return PropertyError{};
    }
}

PropertyResult<bool> PropertyValue::toBool() const
{
    switch (type()) {
    case Type::Bool:
        return std::get<bool>(m_data);
    case Type::Int16:
    case Type::Int32: {
        const qint64 n = exactInteger().value();
        if (n == 0 || n == -1)
            return n != 0;
        return doesNotFit(Type::Bool);
    }
    default:
        return cannotRead(Type::Bool);
    }
}

PropertyResult<qint16> PropertyValue::toInt16() const
{
    if (type() == Type::Text || type() == Type::Font || type() == Type::Picture)
        return cannotRead(Type::Int16);
    const PropertyResult<qint64> n = exactInteger();
    if (!n || n.value() < std::numeric_limits<qint16>::min() ||
        n.value() > std::numeric_limits<qint16>::max())
        return doesNotFit(Type::Int16);
    return qint16(n.value());
}

PropertyResult<qint32> PropertyValue::toInt32() const
{
    if (type() == Type::Text || type() == Type::Font || type() == Type::Picture)
        return cannotRead(Type::Int32);
    const PropertyResult<qint64> n = exactInteger();
    if (!n || n.value() < std::numeric_limits<qint32>::min() ||
        n.value() > std::numeric_limits<qint32>::max())
        return doesNotFit(Type::Int32);
    return qint32(n.value());
}

PropertyResult<float> PropertyValue::toFloat() const
{
    switch (type()) {
    case Type::Int16:
        return float(std::get<qint16>(m_data));
    case Type::Int32: {
        const qint32 n = std::get<qint32>(m_data);
        const float f = float(n);
        // float(n) may round up to 2^31, which still fits a 64-bit integer.
        if (qint64(f) != n)
            return doesNotFit(Type::Float);
        return f;
    }
    case Type::Float:
        return std::get<float>(m_data);
    case Type::Double: {
        const double d = std::get<double>(m_data);
        if (std::isnan(d))
            return std::numeric_limits<float>::quiet_NaN();
        if (std::isinf(d))
            return float(d);
        if (std::fabs(d) > double(FLT_MAX) || double(float(d)) != d)
            return doesNotFit(Type::Float);
        return float(d);
    }
    default:
        return cannotRead(Type::Float);
    }
}

PropertyResult<double> PropertyValue::toDouble() const
{
    switch (type()) {
    case Type::Int16:
        return double(std::get<qint16>(m_data));
    case Type::Int32:
        return double(std::get<qint32>(m_data));
    case Type::Float:
        return double(std::get<float>(m_data));
    case Type::Double:
        return std::get<double>(m_data);
    default:
        return cannotRead(Type::Double);
    }
}

PropertyResult<QString> PropertyValue::toText() const
{
    if (type() != Type::Text)
        return cannotRead(Type::Text);
    return std::get<QString>(m_data);
}

PropertyResult<QFont> PropertyValue::toFont() const
{
    if (type() != Type::Font)
        return cannotRead(Type::Font);
    return std::get<QFont>(m_data);
}

PropertyResult<std::optional<QImage>> PropertyValue::toPicture() const
{
    if (type() != Type::Picture)
        return cannotRead(Type::Picture);
    return std::get<std::optional<QImage>>(m_data);
}

bool operator==(const PropertyValue &a, const PropertyValue &b)
{
    if (a.type() != b.type())
        return false;
    switch (a.type()) {
    case PropertyValue::Type::Float:
    case PropertyValue::Type::Double: {
        // A NaN written is the NaN that was there: the same stored value.
        const double x = a.toDouble().value();
        const double y = b.toDouble().value();
        return x == y || (std::isnan(x) && std::isnan(y));
    }
    case PropertyValue::Type::Font:
        return sameFont(std::get<QFont>(a.m_data), std::get<QFont>(b.m_data));
    case PropertyValue::Type::Picture:
        return samePicture(std::get<std::optional<QImage>>(a.m_data),
                           std::get<std::optional<QImage>>(b.m_data));
    default:
        return a.m_data == b.m_data;
    }
}

} // namespace platform

#pragma once

#include <QFont>
#include <QImage>
#include <QString>

#include <optional>
#include <utility>
#include <variant>

namespace platform {

// Why a stored property could not be handed back as the type asked for.
struct PropertyError
{
    QString message;
};

// Either a value or the error that kept it from being read; a control's load
// returns the error to its own caller instead of carrying on with a guess.
template <typename T> class PropertyResult
{
public:
    PropertyResult(const T &value)
        : m_state(std::in_place_index<0>, value)
    {}
    PropertyResult(T &&value)
        : m_state(std::in_place_index<0>, std::move(value))
    {}
    PropertyResult(PropertyError error)
        : m_state(std::in_place_index<1>, std::move(error))
    {}

    bool isOk() const { return m_state.index() == 0; }
    explicit operator bool() const { return isOk(); }

    // Only valid when isOk().
    const T &value() const { return std::get<0>(m_state); }
    T &value() { return std::get<0>(m_state); }
    T valueOr(T fallback) const { return isOk() ? value() : std::move(fallback); }

    // Empty when isOk().
    QString error() const { return isOk() ? QString() : std::get<1>(m_state).message; }

private:
    std::variant<T, PropertyError> m_state;
};

// One design-time value as the property store keeps it: a Boolean, a 16- or
// 32-bit integer, a 32- or 64-bit float, a text, a font or a picture. A
// picture value may hold nothing, an empty picture (a null QImage) or an image.
class PropertyValue
{
public:
    // The order matches the alternatives held inside.
    enum class Type { Bool, Int16, Int32, Float, Double, Text, Font, Picture };

    PropertyValue() = default; // a Boolean False
    static PropertyValue fromBool(bool value);
    static PropertyValue fromInt16(qint16 value);
    static PropertyValue fromInt32(qint32 value);
    static PropertyValue fromFloat(float value);
    static PropertyValue fromDouble(double value);
    static PropertyValue fromText(const QString &value);
    static PropertyValue fromFont(const QFont &value);
    static PropertyValue fromPicture(const std::optional<QImage> &value);

    Type type() const { return static_cast<Type>(m_data.index()); }
    static QString typeName(Type type);

    // Exact conversions only; anything that would change the value is an error.
    PropertyResult<bool> toBool() const;
    PropertyResult<qint16> toInt16() const;
    PropertyResult<qint32> toInt32() const;
    PropertyResult<float> toFloat() const;
    PropertyResult<double> toDouble() const;
    PropertyResult<QString> toText() const;
    PropertyResult<QFont> toFont() const;
    PropertyResult<std::optional<QImage>> toPicture() const;

    // Fonts compare by the attributes that are stored; pictures by size and
    // pixels, whatever their pixel format.
    friend bool operator==(const PropertyValue &a, const PropertyValue &b);
    friend bool operator!=(const PropertyValue &a, const PropertyValue &b) { return !(a == b); }

    // The font with only the stored attributes kept: family, point size,
    // weight, italic, underline and strike-out.
    static QFont storedFont(const QFont &font);

private:
    using Data =
        std::variant<bool, qint16, qint32, float, double, QString, QFont, std::optional<QImage>>;
    explicit PropertyValue(Data data)
        : m_data(std::move(data))
    {}

    PropertyResult<qint64> exactInteger() const;
    PropertyError cannotRead(Type wanted) const;
    PropertyError doesNotFit(Type wanted) const;

    Data m_data;
};

} // namespace platform

#pragma once

#include "propertyvalue.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QJsonDocument>
#include <QList>
#include <QString>
#include <QStringView>

namespace platform {

// The host's store of a control's design-time properties: named, typed values
// in the order they were written. Controls save into it and load from it; the
// windows keep theirs as JSON text in resources.
//
// Names match without regard to case. A name may be written more than once;
// a read takes the first entry. A typed write leaves the value out when it
// equals the default the control passes, and a typed read gives that default
// when the name is absent, so only changed values are ever stored.
//
// A read converts only where no information is lost: a Boolean to and from
// an integer (True is -1, False 0, other integers are refused), a 16-bit
// integer to a 32-bit one and a 32-bit one to 16 bits when it fits, an integer
// or a 32-bit float to a 64-bit float, an integer or a 64-bit float to a
// 32-bit float when it is exactly representable, and a float to an integer
// when it is a whole number that fits. Text, fonts and pictures are read only
// as themselves. Anything else is an error for the caller to pass on.
class PropertyBag
{
public:
    struct Entry
    {
        QString name;
        PropertyValue value;

        friend bool operator==(const Entry &a, const Entry &b)
        {
            return a.name == b.name && a.value == b.value;
        }
    };

    // Limits on the text form, so hostile input cannot make us allocate much.
    static constexpr qsizetype kMaxJsonBytes = 32 * 1024 * 1024;
    static constexpr qsizetype kMaxEntries = 65536;
    static constexpr int kMaxPictureSide = 8192;
    static constexpr qint64 kMaxPicturePixels = 4096 * 4096;
    // All the pictures of one text together, or many pictures each within the
    // limit would still add up to gigabytes.
    static constexpr qint64 kMaxTotalPicturePixels = 4096 * 4096;

    const QList<Entry> &entries() const { return m_entries; }
    qsizetype count() const { return m_entries.size(); }
    bool isEmpty() const { return m_entries.isEmpty(); }
    void clear() { m_entries.clear(); }

    bool contains(QStringView name) const { return find(name) != nullptr; }
    // The first entry of that name, or null.
    const PropertyValue *find(QStringView name) const;

    // Stores the value whatever it is, after any entries already there.
    void append(const QString &name, const PropertyValue &value);

    // Stores the value unless it equals the default.
    void write(const QString &name, const PropertyValue &value, const PropertyValue &defaultValue);
    void writeBool(const QString &name, bool value, bool defaultValue)
    {
        write(name, PropertyValue::fromBool(value), PropertyValue::fromBool(defaultValue));
    }
    void writeInt16(const QString &name, qint16 value, qint16 defaultValue)
    {
        write(name, PropertyValue::fromInt16(value), PropertyValue::fromInt16(defaultValue));
    }
    void writeInt32(const QString &name, qint32 value, qint32 defaultValue)
    {
        write(name, PropertyValue::fromInt32(value), PropertyValue::fromInt32(defaultValue));
    }
    void writeFloat(const QString &name, float value, float defaultValue)
    {
        write(name, PropertyValue::fromFloat(value), PropertyValue::fromFloat(defaultValue));
    }
    void writeDouble(const QString &name, double value, double defaultValue)
    {
        write(name, PropertyValue::fromDouble(value), PropertyValue::fromDouble(defaultValue));
    }
    void writeText(const QString &name, const QString &value, const QString &defaultValue)
    {
        write(name, PropertyValue::fromText(value), PropertyValue::fromText(defaultValue));
    }
    void writeFont(const QString &name, const QFont &value, const QFont &defaultValue)
    {
        write(name, PropertyValue::fromFont(value), PropertyValue::fromFont(defaultValue));
    }
    // std::nullopt is "nothing"; a null QImage is an empty picture.
    void writePicture(const QString &name, const std::optional<QImage> &value,
                      const std::optional<QImage> &defaultValue = std::nullopt)
    {
        write(name, PropertyValue::fromPicture(value), PropertyValue::fromPicture(defaultValue));
    }

    // The first entry of the name converted to the type asked for, the
    // default when there is none, or an error naming the property.
    PropertyResult<bool> readBool(QStringView name, bool defaultValue) const
    {
        return read(name, defaultValue, &PropertyValue::toBool);
    }
    PropertyResult<qint16> readInt16(QStringView name, qint16 defaultValue) const
    {
        return read(name, defaultValue, &PropertyValue::toInt16);
    }
    PropertyResult<qint32> readInt32(QStringView name, qint32 defaultValue) const
    {
        return read(name, defaultValue, &PropertyValue::toInt32);
    }
    PropertyResult<float> readFloat(QStringView name, float defaultValue) const
    {
        return read(name, defaultValue, &PropertyValue::toFloat);
    }
    PropertyResult<double> readDouble(QStringView name, double defaultValue) const
    {
        return read(name, defaultValue, &PropertyValue::toDouble);
    }
    PropertyResult<QString> readText(QStringView name, const QString &defaultValue) const
    {
        return read(name, defaultValue, &PropertyValue::toText);
    }
    PropertyResult<QFont> readFont(QStringView name, const QFont &defaultValue) const
    {
        return read(name, defaultValue, &PropertyValue::toFont);
    }
    PropertyResult<std::optional<QImage>>
    readPicture(QStringView name, const std::optional<QImage> &defaultValue = std::nullopt) const
    {
        return read(name, defaultValue, &PropertyValue::toPicture);
    }

    // The text form: a JSON array of {"name", "type", "value"} objects in
    // entry order. Types are "bool", "int16", "int32", "float", "double",
    // "text", "font" and "picture"; a picture is base64 PNG, "" for an empty
    // picture and null for nothing.
    QByteArray toJson(QJsonDocument::JsonFormat format = QJsonDocument::Indented) const;
    // Validates the whole text and refuses it, with the reason, on the first fault.
    static PropertyResult<PropertyBag> fromJson(QByteArrayView json);
    // A window's stored design values, in the text form, from a file or a
    // resource. A missing or damaged file is reported as a warning and gives
    // nothing: the controls then keep their own defaults.
    static std::optional<PropertyBag> fromDesignFile(const QString &path);

    friend bool operator==(const PropertyBag &a, const PropertyBag &b)
    {
        return a.m_entries == b.m_entries;
    }
    friend bool operator!=(const PropertyBag &a, const PropertyBag &b) { return !(a == b); }

private:
    template <typename T>
    PropertyResult<T> read(QStringView name, const T &defaultValue,
                           PropertyResult<T> (PropertyValue::*convert)() const) const
    {
        const PropertyValue *stored = find(name);
        if (!stored)
            return defaultValue;
        PropertyResult<T> result = (stored->*convert)();
        if (!result)
            return PropertyError{nameError(name, result.error())};
        return result;
    }
    static QString nameError(QStringView name, const QString &error);

    QList<Entry> m_entries;
};

} // namespace platform

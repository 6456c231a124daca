#pragma once

#include <QString>

#include <optional>
#include <variant>

// A tagged value that is empty, a 32-bit integer or a text: what the settings
// store hands back.
class Variant
{
public:
    Variant() = default;
    Variant(qint32 value)
        : v(value)
    {} // NOLINT: converts like the stored data does
    Variant(const QString &value)
        : v(value)
    {} // NOLINT

    bool isEmpty() const { return std::holds_alternative<std::monostate>(v); }
    bool isInteger() const { return std::holds_alternative<qint32>(v); }
    bool isText() const { return std::holds_alternative<QString>(v); }

    // The value as text: empty for an empty value, decimal digits for a number.
    QString toText() const;

    // True for an empty value, the number 0 and the empty text: the one test
    // the settings use for "nothing stored".
    bool equalsEmpty() const;

    // The value as a number: a number as it is, a text only when all of it up
    // to its first zero, if any, is a number (spaces around it allowed);
    // nothing otherwise.
    std::optional<double> toNumber() const;

    bool operator==(const Variant &other) const = default;

private:
    std::variant<std::monostate, qint32, QString> v;
};

// The leading number of a text, as a lenient reader of user data sees it:
// leading spaces, a sign, digits and a fraction; 0 when the text starts with
// no number.
double leadingNumber(const QString &text);

// Rounds to the nearest whole number, halves to the even neighbour; nothing
// when the result does not fit a 16-bit signed integer.
std::optional<qint16> roundToInt16(double value);

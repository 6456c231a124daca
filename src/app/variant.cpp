#include "variant.h"

#include <cmath>
#include <limits>

QString Variant::toText() const
{
    if (const auto *n = std::get_if<qint32>(&v))
        return QString::number(*n);
    if (const auto *t = std::get_if<QString>(&v))
        return *t;
    return {};
}

bool Variant::equalsEmpty() const
{
    if (const auto *n = std::get_if<qint32>(&v))
        return *n == 0;
    if (const auto *t = std::get_if<QString>(&v))
        return t->isEmpty();
    return true;
}

std::optional<double> Variant::toNumber() const
{
    if (const auto *n = std::get_if<qint32>(&v))
        return *n;
    if (const auto *t = std::get_if<QString>(&v)) {
        // Text read from the registry keeps its terminating zero, and the
        // system's conversions read text only up to the first zero: so does
        // this one, or a number typed into the registry as text would never
        // read as a number.
        const qsizetype end = t->indexOf(QChar(0));
        bool ok = false;
        const double d = (end < 0 ? *t : t->first(end)).trimmed().toDouble(&ok);
        if (ok && std::isfinite(d))
            return d;
    }
    return std::nullopt;
}

double leadingNumber(const QString &text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    const qsizetype start = i;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        ++i;
    const qsizetype digitsStart = i;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128)
        ++i;
    qsizetype digits = i - digitsStart;
    if (i < n && text[i] == QLatin1Char('.')) {
        ++i;
        const qsizetype fractionStart = i;
        while (i < n && text[i].isDigit() && text[i].unicode() < 128)
            ++i;
        digits += i - fractionStart;
    }
    if (digits == 0)
        return 0.0;
    bool ok = false;
    const double d = text.mid(start, i - start).toDouble(&ok);
    return ok && std::isfinite(d) ? d : 0.0;
}

std::optional<qint16> roundToInt16(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double r = std::nearbyint(value); // the default rounding mode: halves to even
    if (r < std::numeric_limits<qint16>::min() || r > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return static_cast<qint16>(r);
}

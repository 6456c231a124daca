#include "accesskey.h"

namespace button {

std::optional<QString> accessKeyOf(const QString &caption)
{
    qsizetype at = caption.indexOf(QLatin1Char('&'));
    while (at >= 0) {
        if (at + 1 >= caption.size())
            return QString();
        if (caption.at(at + 1) != QLatin1Char('&'))
            return QString(caption.at(at + 1));
        // A doubled ampersand is text; look on after the pair.
        at = caption.indexOf(QLatin1Char('&'), at + 2);
    }
    return std::nullopt;
}

QString withoutFirstAmpersand(const QString &caption)
{
    QString text = caption;
    const qsizetype at = text.indexOf(QLatin1Char('&'));
    if (at >= 0)
        text.remove(at, 1);
    return text;
}

} // namespace button

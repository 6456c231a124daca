#include "fonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QHash>
#include <QStringList>

#include <algorithm>

namespace platform {

void registerFontSubstitutions()
{
    // Windows has both faces, and a substitute is only looked at when its
    // face is missing: there, these matter under Wine, which has neither.
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")});
    // The old dialog face is about as wide as Arial: the windows' captions
    // were fitted to that width, so the same stand-in keeps them on their
    // lines. The desktop's own face is the fallback.
    const QString sans = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), sans});
}

QString installedFamily(const QString &family)
{
    // Resolved once per name: the installed faces do not change while the
    // program runs (an application font added later is not a stand-in).
    static QHash<QString, QString> resolved;
    if (const auto it = resolved.constFind(family); it != resolved.constEnd())
        return *it;
    // The list itself, not hasFamily(), which would resolve the name through
    // fontconfig's own aliases and call "Arial" installed.
    const QStringList installed = QFontDatabase::families();
    if (installed.contains(family, Qt::CaseInsensitive)) {
        resolved.insert(family, family);
        return family;
    }
    // The stand-ins come back in lower case; the face keeps its own name.
    for (const QString &standIn : QFont::substitutes(family)) {
        const auto at = std::find_if(installed.cbegin(), installed.cend(), [&](const QString &face) {
            return face.compare(standIn, Qt::CaseInsensitive) == 0;
        });
        if (at != installed.cend()) {
            resolved.insert(family, *at);
            return *at;
        }
    }
    // Not kept: the stand-ins may not have been registered yet.
    return family;
}

} // namespace platform

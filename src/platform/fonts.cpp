#include "fonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

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

} // namespace platform

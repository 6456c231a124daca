#include "platform/fonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

namespace platform {

void registerFontSubstitutions()
{
#ifndef Q_OS_WIN
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")});
    const QString sans = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    QFont::insertSubstitutions(
        QStringLiteral("MS Sans Serif"),
        {sans, QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
#endif
}

} // namespace platform

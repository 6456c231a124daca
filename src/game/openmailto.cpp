// The mail link: a "mailto:" URL handed to the user's mail program.

#include "graphicsbas.h"
#include "shell.h"

namespace GraphicsBas {

namespace {
// The launch result keeps the shell's convention: above 32 is success. A
// failure reports "no program is associated", the usual reason here.
constexpr qint32 LaunchSucceeded = 33;
constexpr qint32 LaunchNoAssociation = 31;
} // namespace

Variant OpenMailTo(qint32 ownerWindow, QString &address, QString &subject, QString &body)
{
    // The desktop finds the mail program without an owner window.
    Q_UNUSED(ownerWindow);
    // The subject and body go in unescaped, spaces and all; the one "%20"
    // after the subject is the only encoding the link gets from us.
    const QString message = address + QStringLiteral("?subject=") + subject +
                            QStringLiteral("%20") + QStringLiteral("&body=") + body;
    address = message;
    const bool launched = platform::openUrl(QStringLiteral("mailto:") + message);
    return Variant(launched ? LaunchSucceeded : LaunchNoAssociation);
}

} // namespace GraphicsBas

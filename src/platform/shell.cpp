#include "platform/shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace platform {

bool openUrl(const QString &url)
{
    // Tolerant parsing: a mail link's subject may hold plain spaces, which
    // QUrl encodes on the way out.
    const QUrl parsed(url, QUrl::TolerantMode);
    if (!parsed.isValid())
        return false;
    return QDesktopServices::openUrl(parsed);
}

} // namespace platform

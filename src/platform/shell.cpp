#include "shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace platform {

namespace {
UrlOpener &testOpener()
{
    static UrlOpener instance;
    return instance;
}
} // namespace

bool openUrl(const QString &url)
{
    if (testOpener())
        return testOpener()(url);
    // Tolerant parsing: a mail link's subject may hold plain spaces, which
    // QUrl encodes on the way out.
    const QUrl parsed(url, QUrl::TolerantMode);
    if (!parsed.isValid())
        return false;
    return QDesktopServices::openUrl(parsed);
}

void setUrlOpenerForTesting(UrlOpener opener)
{
    testOpener() = std::move(opener);
}

} // namespace platform

#include "uilanguages.h"

#include <QLocale>

#ifdef Q_OS_WIN
#include <qt_windows.h>

#include <vector>
#endif

namespace platform {

QStringList uiLanguages()
{
#ifdef Q_OS_WIN
    ULONG count = 0;
    ULONG size = 0;
    if (GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, nullptr, &size) && size > 0) {
        // A list of names, each ended by a null, and a null after the last.
        std::vector<wchar_t> names(size);
        if (GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, names.data(), &size)) {
            QStringList languages;
            for (const wchar_t *name = names.data(); *name != L'\0';
                 name += wcslen(name) + 1)
                languages << QString::fromWCharArray(name);
            if (!languages.isEmpty())
                return languages;
        }
    }
#endif
    return QLocale::system().uiLanguages();
}

} // namespace platform

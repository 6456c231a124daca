#include "commandlinetext.h"

#include <QRegularExpression>
#include <QStringList>

#include <cstdio>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

namespace platform {

QString stackedColumns(const QString &helpText)
{
    // An option's line is indented and keeps two spaces or more between the
    // option and what it does; a description too long for one line goes on
    // under its column, in a line of spaces and words alone.
    static const QRegularExpression row(QStringLiteral("^ {2}(\\S.*?) {2,}(\\S.*)$"));
    static const QRegularExpression continued(QStringLiteral("^ {6,}(\\S.*)$"));
    QStringList lines;
    for (const QString &line : helpText.split(QLatin1Char('\n'))) {
        if (const QRegularExpressionMatch match = row.match(line); match.hasMatch()) {
            lines << match.captured(1) << QStringLiteral("      ") + match.captured(2);
        } else if (const QRegularExpressionMatch more = continued.match(line);
                   more.hasMatch() && !lines.isEmpty()) {
            lines.last() += QLatin1Char(' ') + more.captured(1);
        } else {
            lines << line;
        }
    }
    return lines.join(QLatin1Char('\n'));
}

#ifdef Q_OS_WIN

namespace {

bool isUsable(HANDLE handle)
{
    return handle != nullptr && handle != INVALID_HANDLE_VALUE &&
           GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

void write(HANDLE handle, const QString &text)
{
    DWORD written = 0;
    DWORD mode = 0;
    if (GetConsoleMode(handle, &mode)) {
        // A console takes the characters themselves, whatever its code page.
        WriteConsoleW(handle, reinterpret_cast<const wchar_t *>(text.utf16()),
                      DWORD(text.size()), &written, nullptr);
    } else {
        const QByteArray bytes = text.toUtf8();
        WriteFile(handle, bytes.constData(), DWORD(bytes.size()), &written, nullptr);
    }
}

} // namespace

void tellCommandLine(const QString &text, CommandLineText kind)
{
    // Sent to a file or a pipe, or run where a console was handed down.
    const HANDLE standard =
        GetStdHandle(kind == CommandLineText::UsageError ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    if (isUsable(standard)) {
        write(standard, QString(text).replace(QLatin1Char('\n'), QLatin1String("\r\n")));
        return;
    }
    // Typed in a console: the program is not its child, so it joins it. The
    // console has already shown its next prompt, so the text starts on a
    // line of its own.
    if (AttachConsole(ATTACH_PARENT_PROCESS)) {
        const HANDLE console = CreateFileW(L"CONOUT$", GENERIC_WRITE, FILE_SHARE_WRITE, nullptr,
                                           OPEN_EXISTING, 0, nullptr);
        if (isUsable(console)) {
            write(console, QLatin1String("\r\n") +
                               QString(text).replace(QLatin1Char('\n'), QLatin1String("\r\n")));
            CloseHandle(console);
            FreeConsole();
            return;
        }
        FreeConsole();
    }
    const QString boxText = stackedColumns(text).trimmed();
    MessageBoxW(nullptr, reinterpret_cast<const wchar_t *>(boxText.utf16()), L"Tallyfold",
                MB_OK | (kind == CommandLineText::UsageError ? MB_ICONERROR : MB_ICONINFORMATION));
}

#else

void tellCommandLine(const QString &text, CommandLineText kind)
{
    std::FILE *stream = kind == CommandLineText::UsageError ? stderr : stdout;
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

#endif

} // namespace platform

#include "solveio.h"

#include "utf8char.h"

#include <csignal>
#include <cstdlib>
#include <iostream>

#ifdef _WIN32
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>
#endif

namespace solveio {

namespace {

constexpr char kHex[] = "0123456789abcdef";

std::string hexByte(const char *prefix, unsigned char byte)
{
    return prefix + std::string{kHex[byte >> 4], kHex[byte & 0xF]};
}

} // namespace

// Windows hands main() its arguments in the ANSI code page, where "×" and
// "÷" of an answer are other bytes, or none at all; its wide command line
// has them as typed.
std::vector<std::string> utf8Arguments(int argc, char **argv)
{
#ifdef _WIN32
    int count = 0;
    if (LPWSTR *wide = CommandLineToArgvW(GetCommandLineW(), &count)) {
        std::vector<std::string> arguments;
        for (int i = 1; i < count; ++i) {
            const int size =
                WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
            std::string argument(size > 0 ? size - 1 : 0, '\0');
            if (size > 1)
                WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, argument.data(), size, nullptr,
                                    nullptr);
            arguments.push_back(std::move(argument));
        }
        LocalFree(wide);
        return arguments;
    }
#endif
    return {argv + 1, argv + argc};
}

std::string jsonString(std::string_view text)
{
    std::string out = "\"";
    for (std::size_t at = 0; at < text.size();) {
        const solver::Utf8Char character = solver::decodeUtf8(text, at);
        if (!character.valid)
            out += "\xEF\xBF\xBD";
        else if (character.code == '"')
            out += "\\\"";
        else if (character.code == '\\')
            out += "\\\\";
        else if (character.code == '\n')
            out += "\\n";
        else if (character.code < 0x20)
            out += hexByte("\\u00", static_cast<unsigned char>(character.code));
        else
            out += text.substr(at, character.bytes);
        at += character.bytes;
    }
    return out + '"';
}

std::string shown(std::string_view text)
{
    std::string out;
    for (std::size_t at = 0; at < text.size();) {
        const solver::Utf8Char character = solver::decodeUtf8(text, at);
        const char32_t code = character.code;
        if (!character.valid)
            out += hexByte("\\x", static_cast<unsigned char>(text[at]));
        else if (code == '\n')
            out += "\\n";
        else if (code == '\r')
            out += "\\r";
        else if (code == '\t')
            out += "\\t";
        else if (code < 0x20 || code == 0x7F)
            out += hexByte("\\x", static_cast<unsigned char>(code));
        else if (code >= 0x80 && code < 0xA0)
            out += hexByte("\\u00", static_cast<unsigned char>(code));
        else
            out += text.substr(at, character.bytes);
        at += character.bytes;
    }
    return out;
}

void failWritesToClosedPipes()
{
#ifndef _WIN32
    // Windows has no SIGPIPE: a write there fails with an error already.
    std::signal(SIGPIPE, SIG_IGN);
#endif
}

void writeUtf8ToTheConsole()
{
#ifdef _WIN32
    // A Windows console shows bytes in its own code page, where the UTF-8 of
    // "×" and "÷" are two letters each. The console is the user's window and
    // outlives this program, so its code page is put back at the end.
    if (GetFileType(GetStdHandle(STD_OUTPUT_HANDLE)) != FILE_TYPE_CHAR)
        return;
    static const UINT previous = GetConsoleOutputCP(); // 0: no console
    if (previous != 0 && previous != CP_UTF8 && SetConsoleOutputCP(CP_UTF8))
        std::atexit([] { SetConsoleOutputCP(previous); });
#endif
}

int finishOutput()
{
    std::cout.flush();
    if (std::cout.good())
        return 0;
    std::cerr << "tallyfold-solve: cannot write the output\n";
    return 1;
}

} // namespace solveio

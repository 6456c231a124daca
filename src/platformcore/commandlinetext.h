#pragma once

#include <QString>

// What the game answers on its command line (its help, its version, a usage
// error), shown where the player asked. A console program's output is plain
// text on stdout or stderr; a Windows program built for the window system
// has neither, so there the text goes to the console the command was typed
// in (or to the file or pipe it was sent to), and only a program started
// without one, from a shortcut or Explorer, shows it in a message box.
namespace platform {

enum class CommandLineText { Answer, UsageError };

void tellCommandLine(const QString &text, CommandLineText kind);

// The help's two columns for a message box, whose proportional font cannot
// line columns up: each option on a line of its own and its description
// indented below it. Lines that are not in two columns stay as they are.
QString stackedColumns(const QString &helpText);

} // namespace platform

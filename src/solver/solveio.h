#pragma once

// tallyfold-solve's side of the terminal: its arguments as UTF-8, the texts
// it makes of them for JSON and for messages, and the writing of its output.

#include <string>
#include <string_view>
#include <vector>

namespace solveio {

// The arguments after the program's name, as UTF-8 where the system has
// them in another encoding.
std::vector<std::string> utf8Arguments(int argc, char **argv);

// text as a JSON string, quotes included. A byte that starts no UTF-8
// character becomes U+FFFD, so that the JSON is always valid UTF-8.
std::string jsonString(std::string_view text);

// text as a message repeats it on a terminal, on one line: a control
// character becomes \n, \r, \t, \xHH (C0 and DEL) or \u00HH (C1), and a
// byte that starts no UTF-8 character becomes \xHH; the rest is kept.
std::string shown(std::string_view text);

// Makes a write to a pipe whose reader has gone fail like any other failed
// write, instead of ending the program with SIGPIPE before it can say so.
void failWritesToClosedPipes();

// Makes a Windows console the output goes to show UTF-8, for the rest of
// this program's run; nothing elsewhere, or when the output goes to a file
// or a pipe (which get the UTF-8 bytes as they are).
void writeUtf8ToTheConsole();

// Flushes the standard output: only then does it show whether everything
// could be written (to a full disk, a closed pipe or a closed standard
// output). Returns the exit status: 0, or 1 after saying so on standard
// error.
int finishOutput();

} // namespace solveio

// What the program was started with, and the console that started it: the command line as the
// person typed it, in Unicode whatever the system's code page, and the answers to --help,
// --version and mistakes, written where that person reads them. One file a platform.
#pragma once

#include <QString>
#include <QStringList>

namespace vella {

// The program's arguments, its own name first.
QStringList LaunchArguments(int argc, char* argv[]);

// Writes `text` to the standard output, or to the standard error where `error` is set; on
// Windows, where a windowed program has neither, to the console it was started from, if any.
void WriteToConsole(const QString& text, bool error);

}  // namespace vella

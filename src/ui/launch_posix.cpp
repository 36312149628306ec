// The command line and the terminal on Linux: arguments and output in the locale's encoding.
#include <cstdio>

#include "ui/launch.h"

namespace vella {

QStringList LaunchArguments(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

void WriteToConsole(const QString& text, bool error) {
    std::fputs(text.toLocal8Bit().constData(), error ? stderr : stdout);
}

}  // namespace vella

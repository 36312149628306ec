// The command line, the terminal and the per-user data folder on Linux: arguments and output
// in the locale's encoding.
#include <QDir>
#include <cstdio>

#include "play/usage.h"
#include "ui/command_line.h"
#include "ui/language.h"
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

UserFolder UserStatsFolder() {
    QString data = qEnvironmentVariable("XDG_DATA_HOME");
    if (!QDir::isAbsolutePath(data)) {
        const QString home = qEnvironmentVariable("HOME");
        if (!QDir::isAbsolutePath(home)) return {std::nullopt, Caption(NoHome)};
        data = home + QStringLiteral("/.local/share");
    }
    return {std::filesystem::path(QDir::cleanPath(data).toStdU16String()) / "vellacode", {}};
}

}  // namespace vella

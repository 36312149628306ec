// The command line: where the statistics files are kept, the language, --help and --version.
#pragma once

#include <QString>
#include <QStringList>
#include <filesystem>
#include <optional>

namespace vella {

struct CommandLine {
    // The folder of stats.dat, stats.bak and stats.tmp; none: the current folder.
    std::optional<std::filesystem::path> StatsFolder;
    // With an exit code, the program only prints `Output` (to the terminal's error stream when
    // the code is not 0) and ends.
    std::optional<int> ExitCode;
    QString Output;
};

// `arguments` as the program received them, its own name first, before the application exists:
// the options Qt takes for itself (-platform, -display, -style …) are passed over. --help and
// --version win over any fault in the rest.
CommandLine ParseCommandLine(const QStringList& arguments);

// The languages the player prefers, best first: the one --language names in `arguments`, else
// the system's (QLocale::uiLanguages(), which heeds LANGUAGE even in the C locale).
QStringList PreferredLanguages(const QStringList& arguments);

// The per-user data folder's statistics folder: on Linux $XDG_DATA_HOME/vellacode, by default
// ~/.local/share/vellacode (a relative XDG_DATA_HOME is ignored, as the base-directory rules
// say); on Windows %APPDATA%\Vellacode, the roaming data folder. Where there is no such folder
// (no HOME), why not. Defined in the platform's launch file.
struct UserFolder {
    std::optional<std::filesystem::path> Path;
    QString Missing;
};
UserFolder UserStatsFolder();

}  // namespace vella

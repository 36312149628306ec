// The command line.
#include "ui/command_line.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace vella {

CommandLine ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Vellacode: find the hidden pattern of four pegs.\n"
                       "The statistics files stats.dat and stats.bak are kept in the current "
                       "folder unless an option names another."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption folder(
        {QStringLiteral("f"), QStringLiteral("stats-folder")},
        QStringLiteral("Keep the statistics files in <folder>, created when missing."),
        QStringLiteral("folder"));
    const QCommandLineOption user(
        {QStringLiteral("u"), QStringLiteral("user-folder")},
        QStringLiteral("Keep the statistics files in the per-user data folder (%1).")
            .arg(QString::fromStdString(UserStatsFolder().string())));
    parser.addOption(folder);
    parser.addOption(user);

    CommandLine line;
    const auto fail = [&](const QString& why) {
        line.ExitCode = 2;
        line.Output = why + QStringLiteral("\nTry '%1 --help' for the options.\n")
                                .arg(QFileInfo(arguments.value(0)).fileName());
        return line;
    };
    const bool parsed = parser.parse(arguments);
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        line.ExitCode = 0;
        line.Output = parser.helpText().replace(QStringLiteral("<executable_name>"),
                                                QFileInfo(arguments.value(0)).fileName());
        return line;
    }
    if (parser.isSet(version)) {
        line.ExitCode = 0;
        line.Output = QStringLiteral("Vellacode %1\n").arg(QStringLiteral(VELLACODE_VERSION));
        return line;
    }
    if (!parsed) return fail(parser.errorText());
    if (!parser.positionalArguments().isEmpty()) {
        return fail(QStringLiteral("Unexpected argument: %1")
                        .arg(parser.positionalArguments().constFirst()));
    }
    if (parser.isSet(folder) && parser.isSet(user)) {
        return fail(QStringLiteral("Name one statistics folder, not both."));
    }
    if (parser.isSet(folder)) {
        const QString named = parser.value(folder);
        if (named.isEmpty()) return fail(QStringLiteral("The statistics folder has no name."));
        line.StatsFolder = std::filesystem::path(named.toStdU16String());
    } else if (parser.isSet(user)) {
        line.StatsFolder = UserStatsFolder();
    }
    return line;
}

std::filesystem::path UserStatsFolder() {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return std::filesystem::path(data.toStdU16String()) / "vellacode";
}

std::optional<QString> PrepareFolder(const std::filesystem::path& folder) {
    const QString shown = QString::fromStdU16String(folder.u16string());
    const QFileInfo info(shown);
    if (info.exists() && !info.isDir()) {
        return QStringLiteral("The statistics cannot be kept in \"%1\": it is not a folder.")
            .arg(shown);
    }
    if (!info.exists() && !QDir().mkpath(shown)) {
        return QStringLiteral(
                   "The statistics cannot be kept in \"%1\": the folder could not be "
                   "created.")
            .arg(shown);
    }
    if (!QFileInfo(shown).isWritable()) {
        return QStringLiteral(
                   "The statistics cannot be kept in \"%1\": the folder cannot be "
                   "written.")
            .arg(shown);
    }
    return std::nullopt;
}

}  // namespace vella

// The command line.
#include "ui/command_line.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

#include "play/usage.h"

namespace vella {
namespace {

// The options that Qt's application objects take for themselves, and whether each takes a value.
const std::pair<const char*, bool> QtOptions[] = {
    {"platform", true},
    {"platformpluginpath", true},
    {"platformtheme", true},
    {"plugin", true},
    {"qwindowgeometry", true},
    {"geometry", true},
    {"qwindowtitle", true},
    {"title", true},
    {"qwindowicon", true},
    {"icon", true},
    {"session", true},
    {"display", true},
    {"name", true},
    {"style", true},
    {"stylesheet", true},
    {"reverse", false},
    {"widgetcount", false},
    {"nograb", false},
    {"dograb", false},
    {"sync", false},
    {"qmljsdebugger", false},
};

QStringList WithoutQtOptions(const QStringList& arguments) {
    QStringList kept;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        bool taken = false;
        for (const auto& [name, hasValue] : QtOptions) {
            const QString option = QLatin1Char('-') + QLatin1String(name);
            if (i > 0 && argument == option) {
                taken = true;
                if (hasValue) ++i;
            } else if (i > 0 && argument.startsWith(option + QLatin1Char('='))) {
                taken = true;
            }
            if (taken) break;
        }
        if (!taken) kept << argument;
    }
    return kept;
}

}  // namespace

CommandLine ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(ProgramDescription) + QLatin1Char('\n') +
                                     QString::fromUtf8(StatsFolderDescription));
    // Qt's own help option would add --help-all, which lists Qt's options; the program's help
    // names the ones it has.
#ifdef Q_OS_WIN
    const QStringList helpNames{QStringLiteral("?"), QStringLiteral("h"), QStringLiteral("help")};
#else
    const QStringList helpNames{QStringLiteral("h"), QStringLiteral("help")};
#endif
    const QCommandLineOption help(helpNames, QString::fromUtf8(HelpOption));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption folder({QStringLiteral("f"), QStringLiteral("stats-folder")},
                                    QString::fromUtf8(StatsFolderOption),
                                    QString::fromUtf8(StatsFolderValue));
    const UserFolder perUser = UserStatsFolder();
    const QCommandLineOption user(
        {QStringLiteral("u"), QStringLiteral("user-folder")},
        QString::fromUtf8(UserFolderOption)
            .arg(perUser.Path ? QString::fromStdU16String(perUser.Path->u16string())
                              : perUser.Missing));
    parser.addOption(folder);
    parser.addOption(user);

    CommandLine line;
    const auto fail = [&](const QString& why) {
        line.ExitCode = 2;
        line.Output =
            why + QString::fromUtf8(TryHelpHint).arg(QFileInfo(arguments.value(0)).fileName());
        return line;
    };
    const bool parsed = parser.parse(WithoutQtOptions(arguments));
    if (parser.isSet(help)) {
        line.ExitCode = 0;
        line.Output = parser.helpText().replace(QStringLiteral("<executable_name>"),
                                                QFileInfo(arguments.value(0)).fileName());
        return line;
    }
    if (parser.isSet(version)) {
        line.ExitCode = 0;
        line.Output = QString::fromUtf8(VersionAnswer).arg(QStringLiteral(VELLACODE_VERSION));
        return line;
    }
    if (!parsed) return fail(parser.errorText());
    if (!parser.positionalArguments().isEmpty()) {
        return fail(
            QString::fromUtf8(UnexpectedArgument).arg(parser.positionalArguments().constFirst()));
    }
    if (parser.isSet(folder) && parser.isSet(user)) {
        return fail(QString::fromUtf8(TwoStatsFolders));
    }
    if (parser.isSet(folder)) {
        const QString named = parser.value(folder);
        if (named.isEmpty()) return fail(QString::fromUtf8(UnnamedStatsFolder));
        line.StatsFolder = std::filesystem::path(named.toStdU16String());
    } else if (parser.isSet(user)) {
        if (!perUser.Path) return fail(QString::fromUtf8(NoUserFolder).arg(perUser.Missing));
        line.StatsFolder = perUser.Path;
    }
    return line;
}

}  // namespace vella

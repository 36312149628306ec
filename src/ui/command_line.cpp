// The command line.
#include "ui/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "play/usage.h"
#include "ui/language.h"

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

const QString LanguageName = QStringLiteral("language");

// "en, de, es, …": the codes --language takes.
QString LanguageCodes() {
    return QStringLiteral("en, ") + ShippedLanguages.join(QStringLiteral(", "));
}

}  // namespace

QStringList PreferredLanguages(const QStringList& arguments) {
    const QString option = QStringLiteral("--") + LanguageName;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == option && i + 1 < arguments.size()) return {arguments[i + 1]};
        if (arguments[i].startsWith(option + QLatin1Char('='))) {
            return {arguments[i].mid(option.size() + 1)};
        }
    }
    return QLocale::system().uiLanguages();
}

CommandLine ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(Caption(ProgramDescription) + QLatin1Char('\n') +
                                     Caption(StatsFolderDescription));
    // Qt's own help option would add --help-all, which lists Qt's options; the program's help
    // names the ones it has.
#ifdef Q_OS_WIN
    const QStringList helpNames{QStringLiteral("?"), QStringLiteral("h"), QStringLiteral("help")};
#else
    const QStringList helpNames{QStringLiteral("h"), QStringLiteral("help")};
#endif
    const QCommandLineOption help(helpNames, Caption(HelpOption));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption folder({QStringLiteral("f"), QStringLiteral("stats-folder")},
                                    Caption(StatsFolderOption), Caption(StatsFolderValue));
    const UserFolder perUser = UserStatsFolder();
    const QCommandLineOption user(
        {QStringLiteral("u"), QStringLiteral("user-folder")},
        Caption(UserFolderOption)
            .arg(perUser.Path ? QString::fromStdU16String(perUser.Path->u16string())
                              : perUser.Missing));
    const QCommandLineOption language(LanguageName, Caption(LanguageOption).arg(LanguageCodes()),
                                      Caption(LanguageValue));
    parser.addOption(folder);
    parser.addOption(user);
    parser.addOption(language);

    CommandLine line;
    const auto fail = [&](const QString& why) {
        line.ExitCode = 2;
        line.Output = why + Caption(TryHelpHint).arg(QFileInfo(arguments.value(0)).fileName());
        return line;
    };
    const bool parsed = parser.parse(WithoutQtOptions(arguments));
    if (parser.isSet(help)) {
        line.ExitCode = 0;
        // The usage line names the program as the application object has it, or by a
        // placeholder where there is none; the help names it by its file name.
        const QString named = QCoreApplication::instance() ? QCoreApplication::arguments().value(0)
                                                           : QStringLiteral("<executable_name>");
        line.Output = parser.helpText();
        const qsizetype at = line.Output.indexOf(named);
        if (at >= 0)
            line.Output.replace(at, named.size(), QFileInfo(arguments.value(0)).fileName());
        return line;
    }
    if (parser.isSet(version)) {
        line.ExitCode = 0;
        line.Output = Caption(VersionAnswer).arg(QStringLiteral(VELLACODE_VERSION));
        return line;
    }
    if (!parsed) return fail(parser.errorText());
    if (!parser.positionalArguments().isEmpty()) {
        return fail(Caption(UnexpectedArgument).arg(parser.positionalArguments().constFirst()));
    }
    if (parser.isSet(language)) {
        const QString code = parser.value(language);
        if (code != QLatin1String("en") && !ShippedLanguages.contains(code)) {
            return fail(Caption(UnknownLanguage).arg(code, LanguageCodes()));
        }
    }
    if (parser.isSet(folder) && parser.isSet(user)) {
        return fail(Caption(TwoStatsFolders));
    }
    if (parser.isSet(folder)) {
        const QString named = parser.value(folder);
        if (named.isEmpty()) return fail(Caption(UnnamedStatsFolder));
        line.StatsFolder = std::filesystem::path(named.toStdU16String());
    } else if (parser.isSet(user)) {
        if (!perUser.Path) return fail(Caption(NoUserFolder).arg(perUser.Missing));
        line.StatsFolder = perUser.Path;
    }
    return line;
}

}  // namespace vella

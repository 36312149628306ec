// Vellacode: reads the command line, creates the application and the game window.
#include <QApplication>

#include "game/secret.h"
#include "stats/file_io.h"
#include "stats/stats_file.h"
#include "ui/command_line.h"
#include "ui/game_window.h"
#include "ui/language.h"
#include "ui/late_alt_filter.h"
#include "ui/launch.h"
#include "ui/outside_end.h"
#include "ui/pictures.h"
#include "ui/qt_modal_host.h"
#include "ui/settings.h"
#include "ui/twips.h"

namespace {

// Reads the command line in the player's language with an application object of its own that
// needs no display, so that --help, --version and every mistake answer on a terminal without
// one; only a valid command line starts the game.
vella::CommandLine ReadCommandLine(int argc, char* argv[], const QStringList& arguments,
                                   vella::PlayerLanguage& language) {
    QCoreApplication reading(argc, argv);
    language.Install();
    return vella::ParseCommandLine(arguments);
}

}  // namespace

int main(int argc, char* argv[]) {
    const QStringList arguments = vella::LaunchArguments(argc, argv);
    vella::PlayerLanguage language(vella::ChooseLanguage(vella::PreferredLanguages(arguments)));
    const vella::CommandLine line = ReadCommandLine(argc, argv, arguments, language);
    if (line.ExitCode) {
        vella::WriteToConsole(line.Output, *line.ExitCode != 0);
        return *line.ExitCode;
    }

    QApplication app(argc, argv);
    language.Install();
    QApplication::setApplicationName(QStringLiteral("Vellacode"));
    QApplication::setOrganizationName(QStringLiteral("Vellacode"));
    QApplication::setApplicationVersion(QStringLiteral(VELLACODE_VERSION));
    const vella::Status unusable =
        line.StatsFolder ? vella::fileio::PrepareFolder(
                               vella::fileio::PlatformFileSystem::Instance(), *line.StatsFolder)
                         : vella::Status{};

    app.installEventFilter(new vella::LateAltFilter(&app));
    vella::Layout layout;
    vella::Pictures pictures(layout, vella::settings::PegSymbols());
    vella::QtModalHost host(layout, pictures);
    vella::ClockRandom random;
    vella::StatsFile stats(line.StatsFolder.value_or(std::filesystem::path()));
    vella::GameWindow window(host, random, stats, layout, pictures);
    host.SetParent(&window);
    vella::EndFromOutside(
        &window, [&window] { window.CloseFromOutside(); }, [&window] { window.QuitFromOutside(); });
    // Where the statistics cannot be kept, the player hears so as the window shows, not after
    // a game; each statistics operation then says what it could not do.
    window.Open(unusable);
    return app.exec();
}

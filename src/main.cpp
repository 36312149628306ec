// Vellacode: creates the application and the game window.
#include <QApplication>

#include "game/secret.h"
#include "stats/stats_file.h"
#include "ui/main_frm.h"
#include "ui/qt_modal_host.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vellacode"));
    QApplication::setApplicationVersion(QStringLiteral(VELLACODE_VERSION));

    vella::QtModalHost host;
    vella::ClockRandom random;
    vella::StatsFile stats;
    vella::MainFrm window(host, random, stats);
    host.SetParent(&window);
    window.show();
    return app.exec();
}

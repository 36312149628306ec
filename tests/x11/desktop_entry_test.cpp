// The program as the desktop starts it: its installed desktop entry's command, in an empty home
// folder, played to the end of a game by keys the X server delivers. The statistics land in the
// per-user data folder and nothing lands in the home folder itself.
#include <QProcess>
#include <QtTest>
#include <chrono>
#include <thread>

#include "xtest_input.h"

namespace {

// The command of the desktop entry, its program replaced by the one just built.
QStringList DesktopCommand() {
    QFile entry(QStringLiteral(VELLACODE_DESKTOP_FILE));
    if (!entry.open(QIODevice::ReadOnly)) return {};
    for (const QByteArray& line : entry.readAll().split('\n')) {
        if (!line.startsWith("Exec=")) continue;
        QStringList command = QString::fromUtf8(line.mid(5)).split(QLatin1Char(' '));
        command[0] = QStringLiteral(VELLACODE_EXE);
        return command;
    }
    return {};
}

// Waits for a window of the program whose title contains `part`.
Window AwaitWindow(XTestInput& x, const char* part, int ms = 10000) {
    for (int waited = 0; waited < ms; waited += 50) {
        if (Window w = x.FindWindow(part)) return w;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return 0;
}

}  // namespace

class DesktopEntryTest : public QObject {
    Q_OBJECT

  private slots:
    void aFinishedGameIsKeptInThePerUserDataFolder() {
        const QStringList command = DesktopCommand();
        QCOMPARE(command.mid(1), QStringList{QStringLiteral("--user-folder")});
        QTemporaryDir home;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), home.path());
        env.remove(QStringLiteral("XDG_DATA_HOME"));
        env.remove(QStringLiteral("XDG_CONFIG_HOME"));
        QProcess program;
        program.setProcessEnvironment(env);
        program.setWorkingDirectory(home.path());
        program.start(command[0], command.mid(1));
        QVERIFY(program.waitForStarted());

        XTestInput x;
        const Window game = AwaitWindow(x, "Vellacode");
        QVERIFY(game);
        Window result = 0;
        for (int row = 0; row < 10 && !result; ++row) {
            x.Focus(game);
            x.Type("1234");
            x.Tap(XK_Return);
            for (int waited = 0; waited < 500 && !result; waited += 50) {
                result = x.FindWindow("Congratulations!");
                if (!result) result = x.FindWindow("Better Luck Next Time");
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            }
        }
        QVERIFY2(result, "the game did not end in ten rows");
        x.Focus(result);
        x.Tap(XK_Return);
        const Window login = AwaitWindow(x, "Usted");
        QVERIFY2(login, "nobody was asked to log in");
        x.Focus(login);
        x.Type("ann");
        x.Tap(XK_Return);

        const QString data = home.filePath(QStringLiteral(".local/share/vellacode"));
        QTRY_COMPARE_WITH_TIMEOUT(QFileInfo(data + QStringLiteral("/stats.dat")).size(), 143,
                                  10000);
        x.Focus(game);
        x.Tap(XK_s, {XK_Alt_L});  // Stuff
        x.Tap(XK_x);              // Exit
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitCode(), 0);
        QVERIFY(QFileInfo::exists(data + QStringLiteral("/stats.bak")));
        const QStringList loose =
            QDir(home.path()).entryList({QStringLiteral("stats.*")}, QDir::Files | QDir::Hidden);
        QCOMPARE(loose, QStringList());
    }
};

QTEST_GUILESS_MAIN(DesktopEntryTest)
#include "desktop_entry_test.moc"

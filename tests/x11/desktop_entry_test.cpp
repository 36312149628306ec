// The program as the desktop starts it: its installed desktop entry's command, in an empty home
// folder under a window manager, played to the end of a game by keys the X server delivers.
// Every window lies wholly on the screen; the statistics land in the per-user data folder and
// nothing lands in the home folder itself. And the program ended from outside.
#include <QProcess>
#include <QtTest>
#include <csignal>

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
        Pause(50);
    }
    return 0;
}

}  // namespace

class DesktopEntryTest : public QObject {
    Q_OBJECT

  private slots:
    // Started by the desktop entry's command under a window manager, every window lies wholly
    // on the screen, frame and all, once the manager has framed it: the game window and the
    // result, log-in and statistics windows beside it, on screens the game window only just fits
    // (1024 × 768 at a scale of 1.5) and on ones too small for it, where it is drawn smaller (at 2,
    // where it would be 942 pixels tall; 1366 × 768 at 1.5 and 2).
    void everyWindowFitsTheScreenUnderAWindowManager_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("scale");
        QTest::addColumn<bool>("smaller");
        QTest::newRow("1024x768 at 1.5")
            << QStringLiteral("1024x768") << QStringLiteral("1.5") << false;
        QTest::newRow("1024x768 at 2") << QStringLiteral("1024x768") << QStringLiteral("2") << true;
        QTest::newRow("1366x768 at 1.5")
            << QStringLiteral("1366x768") << QStringLiteral("1.5") << false;
        QTest::newRow("1366x768 at 2") << QStringLiteral("1366x768") << QStringLiteral("2") << true;
    }
    void everyWindowFitsTheScreenUnderAWindowManager() {
        QFETCH(QString, screen);
        QFETCH(QString, scale);
        QFETCH(bool, smaller);
        QProcess server, manager, program;
        server.start(
            QStringLiteral("Xvfb"),
            QStringLiteral("-displayfd 1 -screen 0 %1x24 -nolisten tcp").arg(screen).split(' '));
        QVERIFY(server.waitForReadyRead(10000));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"),
                   QLatin1Char(':') + QString::fromLatin1(server.readLine().trimmed()));
        env.insert(QStringLiteral("QT_SCALE_FACTOR"), scale);
        QTemporaryDir folder, home;
        env.insert(QStringLiteral("HOME"), home.path());
        env.remove(QStringLiteral("XDG_DATA_HOME"));
        env.remove(QStringLiteral("XDG_CONFIG_HOME"));
        for (QProcess* started : {&manager, &program}) started->setProcessEnvironment(env);
        const QString ready = folder.filePath(QStringLiteral("managed"));
        manager.start(QStringLiteral("openbox"),
                      {QStringLiteral("--startup"), QStringLiteral("touch ") + ready});
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(ready), 30000);  // managing the screen
        const QStringList command = DesktopCommand();
        QCOMPARE(command.mid(1), QStringList{QStringLiteral("--user-folder")});
        program.setWorkingDirectory(home.path());
        program.start(command[0], command.mid(1));
        const QString data = home.filePath(QStringLiteral(".local/share/vellacode"));
        const QByteArray ours = qgetenv("DISPLAY");
        qputenv("DISPLAY", env.value(QStringLiteral("DISPLAY")).toLatin1());
        {  // the connection goes before the server does
            XTestInput x;
            qputenv("DISPLAY", ours);
            const QStringList size = screen.split(QLatin1Char('x'));
            const QRect whole(0, 0, size[0].toInt(), size[1].toInt());
            QRect frame;
            // The client window titled `title` (a regular expression), found once shown, inside
            // the manager's frame; whether the frame lies wholly on the screen within seconds.
            const auto find = [&env](const char* title, bool wait = true) {
                QProcess finder;
                finder.setProcessEnvironment(env);
                QStringList arguments{QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                      QStringLiteral("--name"), QString::fromUtf8(title)};
                if (wait) arguments.insert(1, QStringLiteral("--sync"));
                finder.start(QStringLiteral("xdotool"), arguments);
                finder.waitForFinished(15000);
                return Window(finder.readAllStandardOutput().split('\n').first().toULong());
            };
            const auto framedOnScreen = [&](Window window) {
                for (int waited = 0; waited < 5000; waited += 50) {
                    frame = window ? x.FrameOf(window) : QRect();
                    if (!frame.isEmpty() && whole.contains(frame)) return true;
                    Pause(50);
                }
                return false;
            };
            const Window game = find("^Vellacode$");
            QVERIFY2(framedOnScreen(game), qPrintable(QDebug::toString(frame)));
            QCOMPARE(frame.height() < 707, smaller);
            Window result = 0;
            for (int row = 0; row < 10 && !result; ++row) {
                x.Focus(game);
                x.Type("1234");
                x.Tap(XK_Return);
                for (int waited = 0; waited < 1000 && !result; waited += 100) {
                    result = find("^(Congratulations!|Better Luck Next Time)$", false);
                    Pause(100);
                }
            }
            QVERIFY2(result, "the game did not end in ten rows");
            QVERIFY2(framedOnScreen(result), qPrintable(QDebug::toString(frame)));
            x.Focus(result);
            x.Tap(XK_Return);
            const Window login = find("Usted");
            QVERIFY2(framedOnScreen(login), qPrintable(QDebug::toString(frame)));
            x.Focus(login);
            x.Type("ann");
            x.Tap(XK_Return);
            QTRY_COMPARE_WITH_TIMEOUT(QFileInfo(data + QStringLiteral("/stats.dat")).size(), 143,
                                      10000);
            x.Focus(game);
            for (int i = 0; i < 3; ++i) x.Tap(XK_Tab);  // to the statistics picture
            x.Tap(XK_Return);
            QVERIFY2(framedOnScreen(find("^Player Stats$")), qPrintable(QDebug::toString(frame)));
            x.Tap(XK_Escape);
            x.Focus(game);
            x.Tap(XK_s, {XK_Alt_L});  // Stuff
            x.Tap(XK_x);              // Exit
            QVERIFY(program.waitForFinished(10000));
        }
        QCOMPARE(program.exitCode(), 0);
        QVERIFY(QFileInfo::exists(data + QStringLiteral("/stats.bak")));
        QCOMPARE(
            QDir(home.path()).entryList({QStringLiteral("stats.*")}, QDir::Files | QDir::Hidden),
            QStringList());
        for (QProcess* running : {&manager, &server}) {
            running->kill();
            running->waitForFinished();
        }
    }

    // However the program is ended from outside, during a game, the shutdown step runs once:
    // stats.bak is made and stats.dat is left as it was (the game under way is not recorded).
    void endingFromOutsideBacksUpAndRecordsNothing_data() {
        QTest::addColumn<int>("signal");  // 0: the X server goes away
        QTest::addColumn<int>("exitCode");
        QTest::newRow("SIGTERM") << SIGTERM << 128 + SIGTERM;
        QTest::newRow("SIGINT") << SIGINT << 128 + SIGINT;
        QTest::newRow("SIGHUP") << SIGHUP << 128 + SIGHUP;
        QTest::newRow("the X server goes") << 0 << 1;
    }
    void endingFromOutsideBacksUpAndRecordsNothing() {
        QFETCH(int, signal);
        QFETCH(int, exitCode);
        QTemporaryDir folder;
        QByteArray record(143, '\0');
        record.replace(0, 15, "ANN            ");
        QFile dat(folder.filePath(QStringLiteral("stats.dat")));
        QVERIFY(dat.open(QIODevice::WriteOnly) && dat.write(record) == 143);
        dat.close();

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        QProcess server;  // a display of its own, to be taken away
        if (signal == 0) {
            server.start(QStringLiteral("Xvfb"),
                         {QStringLiteral("-displayfd"), QStringLiteral("1"),
                          QStringLiteral("-nolisten"), QStringLiteral("tcp")});
            QVERIFY(server.waitForReadyRead(10000));
            env.insert(QStringLiteral("DISPLAY"),
                       QLatin1Char(':') + QString::fromLatin1(server.readLine().trimmed()));
        }
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(VELLACODE_EXE), {QStringLiteral("-f"), folder.path()});
        QVERIFY(program.waitForStarted());
        if (signal != 0) {
            XTestInput x;
            const Window game = AwaitWindow(x, "Vellacode");
            QVERIFY(game);
            x.Focus(game);
            x.Type("1234");
            x.Tap(XK_Return);  // a game under way
            Pause(300);
            ::kill(static_cast<pid_t>(program.processId()), signal);
        } else {
            Pause(1500);
            server.kill();
        }
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitCode(), exitCode);
        QCOMPARE(Bytes(folder.filePath("stats.dat")), record);
        QCOMPARE(Bytes(folder.filePath("stats.bak")), record);
        server.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(DesktopEntryTest)
#include "desktop_entry_test.moc"

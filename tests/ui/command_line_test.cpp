// The command line: the statistics folder it names, --help, --version and every fault, and a
// folder that cannot be used.
#include "ui/command_line.h"

#include <QtTest>

using namespace vella;

class CommandLineTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { qputenv("XDG_DATA_HOME", "/home/someone/.data"); }

    void parses_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");    // -1: the game starts
        QTest::addColumn<QString>("folder");  // where it keeps its files; empty: the current one
        QTest::addColumn<QString>("said");    // a part of what it prints
        const QString user = QStringLiteral("/home/someone/.data/vellacode");
        QTest::newRow("nothing") << QStringList{} << -1 << ""
                                 << "";
        QTest::newRow("a folder") << QStringList{"--stats-folder", "/tmp/x y"} << -1 << "/tmp/x y"
                                  << "";
        QTest::newRow("a folder, short") << QStringList{"-f", "rel"} << -1 << "rel"
                                         << "";
        QTest::newRow("per user") << QStringList{"--user-folder"} << -1 << user << "";
        QTest::newRow("help") << QStringList{"--help"} << 0 << ""
                              << "--user-folder";
        QTest::newRow("help wins") << QStringList{"--bogus", "-h"} << 0 << ""
                                   << "--stats-folder <folder>";
        QTest::newRow("version") << QStringList{"--version"} << 0 << ""
                                 << "Vellacode 1.0";
        QTest::newRow("unknown") << QStringList{"--bogus"} << 2 << ""
                                 << "Unknown option 'bogus'";
        QTest::newRow("no value") << QStringList{"-f"} << 2 << ""
                                  << "Missing value after '-f'";
        QTest::newRow("empty value") << QStringList{"-f", ""} << 2 << ""
                                     << "has no name";
        QTest::newRow("stray") << QStringList{"game"} << 2 << ""
                               << "Unexpected argument: game";
        QTest::newRow("both") << QStringList{"-u", "-f", "x"} << 2 << ""
                              << "not both";
        QTest::newRow("Qt's own options")
            << QStringList{"-platform", "xcb", "-style=fusion", "-reverse", "-f", "x"} << -1 << "x"
            << "";
        QTest::newRow("one dash, no such option") << QStringList{"-bogus"} << 2 << ""
                                                  << "Unknown options";
    }
    void parses() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, folder);
        QFETCH(QString, said);
        const CommandLine line =
            ParseCommandLine(QStringList{QStringLiteral("/usr/games/vellacode")} + arguments);
        QCOMPARE(line.ExitCode.value_or(-1), exitCode);
        QCOMPARE(QString::fromStdString(line.StatsFolder.value_or("").string()), folder);
        QVERIFY2(line.Output.contains(said), qPrintable(line.Output));
        if (exitCode == 2) QVERIFY(line.Output.contains(QStringLiteral("vellacode --help")));
    }

    // A relative XDG_DATA_HOME is ignored; without HOME there is no per-user folder, and --help
    // and --user-folder say so.
    void userFolderFollowsTheBaseDirectoryRules_data() {
        QTest::addColumn<QByteArray>("xdg");
        QTest::addColumn<QByteArray>("home");
        QTest::addColumn<QString>("folder");  // empty: none
        QTest::newRow("set") << QByteArray("/d") << QByteArray("/h") << "/d/vellacode";
        QTest::newRow("relative") << QByteArray("d") << QByteArray("/h")
                                  << "/h/.local/share/vellacode";
        QTest::newRow("unset") << QByteArray() << QByteArray("/h/") << "/h/.local/share/vellacode";
        QTest::newRow("no home") << QByteArray("d") << QByteArray() << "";
    }
    void userFolderFollowsTheBaseDirectoryRules() {
        QFETCH(QByteArray, xdg);
        QFETCH(QByteArray, home);
        QFETCH(QString, folder);
        const QByteArray savedXdg = qgetenv("XDG_DATA_HOME"), savedHome = qgetenv("HOME");
        qputenv("XDG_DATA_HOME", xdg);
        qputenv("HOME", home);
        const UserFolder found = UserStatsFolder();
        const CommandLine help =
            ParseCommandLine({QStringLiteral("vellacode"), QStringLiteral("-h")});
        const CommandLine used =
            ParseCommandLine({QStringLiteral("vellacode"), QStringLiteral("-u")});
        qputenv("XDG_DATA_HOME", savedXdg);
        qputenv("HOME", savedHome);
        QCOMPARE(QString::fromStdString(found.Path.value_or("").string()), folder);
        QCOMPARE(used.ExitCode.value_or(-1), folder.isEmpty() ? 2 : -1);
        QVERIFY2(
            help.Output.contains(folder.isEmpty() ? QStringLiteral("(HOME is not set)") : folder),
            qPrintable(help.Output));
        QVERIFY(!help.Output.contains(QStringLiteral("//")));
    }

    void aFolderIsCreatedOrItsFaultIsNamed() {
        QTemporaryDir scratch;
        const std::filesystem::path base = scratch.path().toStdString();
        QVERIFY(!PrepareFolder(base / "new" / "deeper"));
        QVERIFY(std::filesystem::is_directory(base / "new" / "deeper"));
        QFile file(scratch.filePath(QStringLiteral("plain")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        const auto notAFolder = PrepareFolder(base / "plain");
        QVERIFY(notAFolder && notAFolder->contains(QStringLiteral("it is not a folder")));
        const auto underAFile = PrepareFolder(base / "plain" / "sub");
        QVERIFY(underAFile && underAFile->contains(QStringLiteral("could not be created")));
        QVERIFY(underAFile->startsWith(QStringLiteral("The statistics cannot be kept in \"")));
    }
};

QTEST_MAIN(CommandLineTest)
#include "command_line_test.moc"

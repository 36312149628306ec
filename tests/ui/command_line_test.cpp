// The command line: the statistics folder it names, --help, --version and every fault, and a
// folder that cannot be used.
#include "ui/command_line.h"

#include <QtTest>

#include "ui/language.h"

using namespace vella;

// The per-user folder here: from XDG_DATA_HOME on Linux, the roaming data folder on Windows.
static QString PerUser() {
#ifdef Q_OS_WIN
    return qEnvironmentVariable("APPDATA") + QStringLiteral("\\Vellacode");
#else
    return QStringLiteral("/home/someone/.data/vellacode");
#endif
}

class CommandLineTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { qputenv("XDG_DATA_HOME", "/home/someone/.data"); }

    void parses() {
        struct Case {
            const char* name;
            QStringList arguments;
            int exitCode;        // -1: the game starts
            const char* folder;  // where it keeps its files; empty: the current one; null: PerUser
            const char* said;    // a part of what it prints
        };
        const Case cases[] = {
            {"nothing", {}, -1, "", ""},
            {"a folder", {"--stats-folder", "/tmp/x y"}, -1, "/tmp/x y", ""},
            {"a folder, short", {"-f", "rel"}, -1, "rel", ""},
            {"per user", {"--user-folder"}, -1, nullptr, ""},
            {"help", {"--help"}, 0, "", "--user-folder"},
            {"help wins", {"--bogus", "-h"}, 0, "", "--stats-folder <folder>"},
            {"no Qt help", {"--help-all"}, 2, "", "Unknown option 'help-all'"},
            {"version", {"--version"}, 0, "", "Vellacode 1.0"},
            {"unknown", {"--bogus"}, 2, "", "Unknown option 'bogus'"},
            {"no value", {"-f"}, 2, "", "Missing value after '-f'"},
            {"empty value", {"-f", ""}, 2, "", "has no name"},
            {"stray", {"game"}, 2, "", "Unexpected argument: game"},
            {"both", {"-u", "-f", "x"}, 2, "", "not both"},
            {"Qt's own options",
             {"-platform", "xcb", "-style=fusion", "-reverse", "-f", "x"},
             -1,
             "x",
             ""},
            {"one dash, no such option", {"-bogus"}, 2, "", "Unknown options"},
            {"a language", {"--language", "pt_BR", "-f", "x"}, -1, "x", ""},
            {"no such language",
             {"--language", "xx"},
             2,
             "",
             "There is no language \"xx\"; the languages are en, de, es, fr, it, nl, pt_BR."},
        };
        for (const Case& c : cases) {
            const CommandLine line =
                ParseCommandLine(QStringList{QStringLiteral("/usr/games/vellacode")} + c.arguments);
            QVERIFY2(line.ExitCode.value_or(-1) == c.exitCode, c.name);
            QCOMPARE(QString::fromStdU16String(line.StatsFolder.value_or("").u16string()),
                     c.folder ? QString::fromUtf8(c.folder) : PerUser());
            QVERIFY2(line.Output.contains(QString::fromUtf8(c.said)), qPrintable(line.Output));
            if (c.exitCode == 2) QVERIFY(line.Output.contains(QStringLiteral("vellacode --help")));
        }
    }

    // The first language the player prefers that the program speaks, English where none is;
    // --language names it instead of the system.
    void choosesTheLanguage() {
        for (const auto& [preferred, chosen] : {std::pair{"de-DE de-Latn-DE de", "de"},
                                                {"ja-JP pt-BR pt", "pt_BR"},
                                                {"pt-PT fr", "pt_BR"},
                                                {"en-GB de", "en"},
                                                {"ja C", "en"}})
            QCOMPARE(ChooseLanguage(QString::fromLatin1(preferred).split(' ')),
                     QLatin1String(chosen));
        QCOMPARE(PreferredLanguages({"vellacode", "-f", "x", "--language", "it"}),
                 QStringList{"it"});
        QCOMPARE(PreferredLanguages({"vellacode", "--language=nl"}), QStringList{"nl"});
        QCOMPARE(PreferredLanguages({"vellacode"}), QLocale::system().uiLanguages());
    }

#ifndef Q_OS_WIN
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
#endif
};

QTEST_MAIN(CommandLineTest)
#include "command_line_test.moc"

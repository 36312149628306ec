// The whole program: the real main window with every modal window scripted, in a scratch
// working directory, through a whole run by mouse; the files are checked afterwards. Help and
// About, and the built program itself, started as a process. Each flow is proven on the
// mid-end (play_test); this shows that the window forwards to it and paints what it says.
#include <private/qguiapplication_p.h>

#include <QAccessible>
#include <QCheckBox>
#include <QProcess>
#include <QPushButton>
#include <QTextBrowser>
#include <QtTest>

#include "input.h"
#include "rigs.h"
#include "stats/player_name.h"
#include "stats/player_rec.h"
#include "stats/stats_files.h"
#include "ui/game_window.h"
#include "ui/help_viewer.h"
#include "ui/outside_end.h"
#include "ui/peg_hole.h"

using namespace vella;

class WholeProgramTest : public QObject, private GameRig {
    Q_OBJECT

  private:
    QTemporaryDir folder;
    QString home;

    void PlayRow(Pattern row) {
        for (ColorCode c : row) input::Click(PaletteColor(c), Qt::RightButton);
        input::Click(CheckButton(), Qt::LeftButton);
    }
    // Ten rows that are not the secret 0 1 2 3.
    void Lose() {
        for (int row = 0; row < RowCount; ++row) PlayRow({1, 0, 3, 2});
    }
    static QByteArray Bytes(const char* name) {
        QFile f(name);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

  private slots:
    void initTestCase() { home = QDir::currentPath(); }

    void init() {
        QDir(folder.path()).removeRecursively();
        QDir().mkpath(folder.path());
        QVERIFY(QDir::setCurrent(folder.path()));
        // The working directory, as in the program.
        OpenWindow(std::make_unique<StatsFile>(std::filesystem::path(), files),
                   Pattern{0, 1, 2, 3});
    }

    void cleanup() {
        frm.reset();
        QDir::setCurrent(home);
    }

    void wonGameLogInLostGameExit() {
        host->loginScript = {ScriptedHost::CloseWindow(), ScriptedHost::LogInAs("smith")};
        PlayRow({0, 1, 2, 3});                     // won on the first row
        QCOMPARE(host->logins.size(), size_t(2));  // closed without a choice: asked again
        QCOMPARE(frm->windowTitle(), QStringLiteral("Current Player: Smith"));
        QVERIFY(Item(QStringLiteral("&New Player...")));
        Item(SevenColorsCaption)->trigger();
        random->Queue({0, 1, 2, 3}, 7);  // the secret drawn for the new rules
        input::Click(RepeatsBox(), Qt::LeftButton);
        Lose();
        int renames = 0;  // Exit closes the window, which runs the shutdown step once
        files.Fail([&renames](FaultyFiles::Step step) {
            return (renames += step == FaultyFiles::Step::Rename), 0;
        });
        Item(ExitCaption)->trigger();
        files.Fail(nullptr);
        QCOMPARE(renames, 1);

        // The bytes of each cell are proven on the mid-end; here, that the window's clicks and
        // options reached the file: one record, its two cells, and the backup.
        const auto all = RecordsIn(stats->DatPath());
        QCOMPARE(all.size(), size_t(1));
        QCOMPARE(all[0].Wins[CellOf(0, 0)], 1);
        QCOMPARE(all[0].TotMoves[CellOf(1, 2)], 10);
        QCOMPARE(Bytes("stats.bak").size(), 143);
        QCOMPARE(Bytes("stats.bak"), Bytes("stats.dat"));
    }

    // As the program starts, the player hears why games cannot be recorded, or why the folder
    // could not be prepared.
    void startUpSaysWhereGamesCannotBeRecorded() {
        QVERIFY(QDir().mkdir(QStringLiteral("stats.lck")));
        OpenWindow(std::make_unique<StatsFile>(std::filesystem::path(), files));
        QTRY_COMPARE(host->messages.size(), size_t(1));
        QVERIFY(host->LastText().starts_with("Games cannot be recorded here. Could not lock"));
        OpenWindow(std::make_unique<StatsFile>(std::filesystem::path(), files), std::nullopt,
                   Status{"Could not make the folder."});
        QTRY_COMPARE(host->LastText(), std::string("Could not make the folder."));
    }

    // The window manager may move a window as it frames it: in its first seconds a window is
    // moved back wholly onto the screen, and after them left where the player drags it.
    void aWindowIsFittedAsItShowsAndThenLeftWhereThePlayerPutsIt() {
        const QRect screen = frm->screen()->availableGeometry();
        frm->move(screen.topLeft() - QPoint(100, 50));
        QTRY_VERIFY(screen.contains(frm->frameGeometry()));
        QTest::qWait(2100);
        frm->move(screen.topLeft() - QPoint(100, 50));
        QTest::qWait(100);
        QVERIFY(frm->frameGeometry().left() < screen.left() - 90);
    }

    // The end of the session closes the window, which runs the shutdown step once (the backup)
    // and asks nothing, though a game is under way.
    void theEndOfTheSessionClosesTheWindow() {
        EndFromOutside(
            frm.get(), [this] { frm->CloseFromOutside(); },
            [window = QPointer(frm.get())] {
                if (window) window->QuitFromOutside();
            });
        PlayRow({1, 0, 3, 2});
        WriteBytes("stats.dat", RecordsOf({"ann"}));
        static_cast<QGuiApplicationPrivate*>(QObjectPrivate::get(qApp))->commitData();
        QTRY_VERIFY(!frm->isVisible());
        QVERIFY(host->messages.empty());
        QCOMPARE(Bytes("stats.bak").size(), 143);
        QCOMPARE(Bytes("stats.bak"), Bytes("stats.dat"));
    }

    void helpAndAbout() {
        Item(AboutCaption)->trigger();
        QVERIFY(host->LastText().rfind("Vellacode " VELLACODE_VERSION " by ", 0) == 0);
        QVERIFY(host->LastMessage().Icon == MsgIcon::None);

        Item(ContentsCaption)->trigger();
        QWidget* help = HelpWindow();
        auto* text = help->findChild<QTextBrowser*>();
        QVERIFY(help && help->isVisible() && !help->isModal());
        // A window to assistive technology, titled with its caption.
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(help);
        QCOMPARE(window->role(), QAccessible::Window);
        QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Vellacode Help"));
        QVERIFY(text->toPlainText().contains(QStringLiteral("Vellacode Help")));
        QVERIFY(text->toPlainText().contains(QStringLiteral("Playing a game")));
        for (const QString& page : QDir(QStringLiteral(":/assets/help")).entryList(QDir::Files)) {
            QFile html(QStringLiteral(":/assets/help/") + page);
            QVERIFY(html.open(QIODevice::ReadOnly));  // spelt as the captions spell it
            QVERIFY2(!html.readAll().contains("olour"), qPrintable(page));
        }
        help->move(help->pos() + QPoint(40, 30));  // where the player puts it, it stays
        const QPoint put = help->pos();
        Item(ContentsCaption)->trigger();  // brought to the front, not opened twice
        QCOMPARE(HelpWindow(), help);
        QCOMPARE(help->pos(), put);
        // Named by its page's heading; the keys move a caret only for a screen reader.
        QCOMPARE(text->accessibleName(), QStringLiteral("Vellacode Help"));
        QVERIFY(!(text->textInteractionFlags() & Qt::TextSelectableByKeyboard));
        QVERIFY(input::Activate(help));
        input::Key(help, Qt::Key_Tab);  // the first link, followed with Enter
        input::Key(help, Qt::Key_Return);
        QVERIFY(text->toPlainText().contains(QStringLiteral("Backspace takes out the peg")));
        QCOMPARE(text->accessibleName(), QStringLiteral("Playing a game"));
        input::Key(help, Qt::Key_Escape);  // Escape closes it, and so does Ctrl+W below
        QTRY_VERIFY(HelpWindow() == nullptr);

        QVERIFY(input::Activate(frm.get()));
        input::Key(frm.get(), Qt::Key_F1);  // F1 opens it too, on the contents page
        QVERIFY(HelpWindow() && HelpWindow()->isVisible());
        QVERIFY(HelpWindow()->findChild<QTextBrowser*>()->source().toString().endsWith(
            QStringLiteral("contents.html")));
        QVERIFY(input::Activate(HelpWindow()));
        input::Key(HelpWindow(), Qt::Key_W, Qt::ControlModifier);
        QTRY_VERIFY(HelpWindow() == nullptr);
    }

    // The game's frame is 300 x 480 at 100, 50; the help window is 480 x 520. It opens on the
    // right where there is room; on the left where only there is; with no room, on the wider
    // side, kept on the screen; and a short screen lifts it.
    void helpOpensBesideTheGame() {
        for (const auto& [screen, expected] :
             {std::pair{QRect(0, 0, 1280, 1024), QRect(408, 50, 480, 520)},
              {QRect(-600, 0, 1000, 1024), QRect(-388, 50, 480, 520)},
              {QRect(0, 0, 800, 600), QRect(320, 50, 480, 520)},
              {QRect(0, 0, 1280, 540), QRect(408, 20, 480, 520)}})
            QCOMPARE(HelpViewer::Beside(QRect(100, 50, 300, 480), QSize(480, 520), screen),
                     expected);
    }

    // The built program: on a terminal with no display at all, --version answers and a fault is
    // named; with a display, the game comes up and reports nothing.
    void theBuiltProgramAnswersAndComesUp() {
        const auto run = [this](const QStringList& arguments, const char* platform) {
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
                env.remove(QString::fromLatin1(name));
            if (platform)
                env.insert(QStringLiteral("QT_QPA_PLATFORM"), QString::fromLatin1(platform));
            auto program = std::make_unique<QProcess>();
            program->setProcessEnvironment(env);
            program->setWorkingDirectory(folder.path());
            program->start(QStringLiteral(VELLACODE_EXE), arguments);
            program->waitForFinished(platform ? 1500 : 5000);
            return program;
        };
        const auto version = run({QStringLiteral("--version")}, nullptr);
        QCOMPARE(version->exitCode(), 0);
        QCOMPARE(version->readAllStandardOutput(), QByteArray("Vellacode " VELLACODE_VERSION "\n"));
        const auto fault = run({"-display", ":9", "-f"}, nullptr);
        QCOMPARE(fault->exitCode(), 2);
        const QByteArray said = fault->readAllStandardError();
        QVERIFY2(said.contains("Missing value after '-f'.") && said.contains("--help"),
                 said.data());
#ifndef Q_OS_WIN  // only the windows platform is linked in there: game_under_wine starts it
        const auto game = run({}, "offscreen");
        QCOMPARE(game->state(), QProcess::Running);  // it came up
        game->kill();
        game->waitForFinished();
        const QString errors = QString::fromLocal8Bit(game->readAllStandardError());
        QVERIFY2(
            !errors.contains(QStringLiteral("rror")) && !errors.contains(QStringLiteral("annot")),
            qPrintable(errors));
#endif
    }
};

QTEST_MAIN(WholeProgramTest)
#include "whole_program_test.moc"

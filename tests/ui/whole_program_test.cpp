// The whole program: the real main window with every modal window scripted, in a scratch
// working directory, through whole runs; the files are checked afterwards. Also the built
// program itself, started as a process.
#include <QAccessible>
#include <QCheckBox>
#include <QProcess>
#include <QPushButton>
#include <QTextBrowser>
#include <QtTest>

#include "input.h"
#include "rigs.h"
#include "stats/names.h"
#include "stats/player_rec.h"
#include "ui/help_viewer.h"
#include "ui/image_control.h"
#include "ui/main_frm.h"

using namespace vella;

class WholeProgramTest : public QObject, private GameRig {
    Q_OBJECT

  private:
    QTemporaryDir folder;
    QString home;

    void PlayRow(Pattern row) {
        for (ColorCode c : row) input::Click(frm->ClrChoice[c], Qt::RightButton);
        input::Click(frm->GuessBtn, Qt::LeftButton);
    }
    void Win() { PlayRow(frm->Game().Secret); }
    void Lose() {
        for (int row = 0; row < RowCount; ++row) PlayRow(Wrong());
    }
    Pattern Wrong() const {
        const Pattern s = frm->Game().Secret;
        return {s[1], s[0], s[3], s[2]};
    }
    static QByteArray Bytes(const char* name) {
        QFile f(name);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static void Write(const char* name, const QByteArray& bytes) {
        QFile f(name);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }

  private slots:
    void initTestCase() { home = QDir::currentPath(); }

    void init() {
        QDir(folder.path()).removeRecursively();
        QDir().mkpath(folder.path());
        QVERIFY(QDir::setCurrent(folder.path()));
        OpenWindow(std::make_unique<StatsFile>());  // the working directory, as in the program
    }

    void cleanup() {
        frm.reset();
        QDir::setCurrent(home);
    }

    void firstRunNobodyLogsInAndExits() {
        Write("stats.bak", "older backup");
        frm->Exit->trigger();
        QVERIFY(!frm->isVisible());
        QVERIFY(!QFileInfo::exists("stats.dat"));
        QCOMPARE(Bytes("stats.bak"), QByteArray("older backup"));
        QVERIFY(host->messages.empty());
    }

    void wonGameLogInLostGameExit() {
        host->loginScript = {ScriptedHost::CloseWindow(), ScriptedHost::LogInAs("smith")};
        Win();                      // on the first row
        QCOMPARE(host->logins, 2);  // closed without a choice: asked again
        QCOMPARE(frm->windowTitle(), QStringLiteral("Current Player: Smith"));
        QCOMPARE(frm->UserID->text(), QStringLiteral("&New Player..."));
        frm->SevenColors->trigger();
        input::Click(frm->RptChk, Qt::LeftButton);
        Lose();
        frm->Exit->trigger();

        const QByteArray dat = Bytes("stats.dat");
        QCOMPARE(dat.size(), 143);
        PlayerRec expected = FreshRecord(StoredName("smith"));
        expected.NumGames[CellIndex(0, 0)] = 1;
        expected.Wins[CellIndex(0, 0)] = 1;
        expected.TotMoves[CellIndex(0, 0)] = 1;
        expected.Best[CellIndex(0, 0)] = 1;
        expected.Worst[CellIndex(0, 0)] = 1;
        expected.NumGames[CellIndex(1, 2)] = 1;
        expected.TotMoves[CellIndex(1, 2)] = 10;
        const RecordBytes bytes = EncodeRecord(expected);
        QCOMPARE(dat, QByteArray(reinterpret_cast<const char*>(bytes.data()), 143));
        QCOMPARE(Bytes("stats.bak"), dat);
    }

    void noKeepStatsAtTheEndRecordsNothing() {
        host->loginScript = {ScriptedHost::Decline()};
        Win();
        QVERIFY(!frm->DoStats->isChecked());
        QCOMPARE(frm->windowTitle(), QStringLiteral("Vellacode"));
        QCOMPARE(stats->RecordCount().Value, 0);
    }

    void keepStatsOffAndOnDuringAGameStillRecords() {
        host->loginScript = {ScriptedHost::LogInAs("ann")};
        frm->UserID->trigger();
        PlayRow(Wrong());
        host->answers.push_back(AnswerOk);
        frm->DoStats->trigger();
        QCOMPARE(host->LastText(), QStringLiteral("Are you sure you want to do this Ann?  Stats "
                                                  "for current game will be discarded!"));
        QCOMPARE(host->messages.back().Title, QStringLiteral("Woah!"));
        QVERIFY(host->messages.back().Default == AnswerCancel);
        QVERIFY(!frm->DoStats->isChecked());
        frm->DoStats->trigger();  // checking never asks
        QCOMPARE(host->messages.size(), size_t(1));
        QVERIFY(frm->DoStats->isChecked());
        Win();
        QCOMPARE(stats->ReadAll().Value.at(0).TotMoves[0], 2);
    }

    void keepStatsOffDuringAGameWithNobodyLoggedIn() {
        PlayRow(Wrong());
        host->answers.push_back(AnswerCancel);
        frm->DoStats->trigger();
        QCOMPARE(
            host->LastText(),
            QStringLiteral(
                "Are you sure you want to do this ?  Stats for current game will be discarded!"));
        QVERIFY(frm->DoStats->isChecked());
    }

    void changeOfPlayerDuringAGameAbandonsIt() {
        host->loginScript = {ScriptedHost::LogInAs("smith")};
        frm->UserID->trigger();
        PlayRow(Wrong());
        frm->UserID->trigger();  // a game that counts for Smith
        QCOMPARE(
            host->LastText(),
            QStringLiteral("Please finish your game first--we are keeping stats on you Smith!"));
        QCOMPARE(host->messages.back().Title, QStringLiteral("Not So Fast!"));
        QCOMPARE(host->logins, 1);

        host->answers.push_back(AnswerOk);
        frm->DoStats->trigger();  // statistics off: a change of player is allowed
        host->loginScript = {ScriptedHost::LogInAs("jones")};
        frm->UserID->trigger();
        QCOMPARE(frm->Game().CurRow, 0);
        QVERIFY(!frm->Game().InGame);
        QVERIFY(frm->RptChk->isEnabled() && frm->BlnkChk->isEnabled());
        QCOMPARE(frm->windowTitle(), QStringLiteral("Current Player: Jones"));
        QCOMPARE(stats->RecordCount().Value, 0);  // the abandoned game is not recorded

        // Closing the window later without a choice leaves the next game alone, although the
        // earlier opening changed the player.
        frm->DoStats->trigger();  // off, between games: no question
        QVERIFY(!frm->DoStats->isChecked());
        PlayRow(Wrong());
        host->loginScript = {ScriptedHost::CloseWindow()};
        frm->UserID->trigger();
        QCOMPARE(frm->Game().CurRow, 1);
    }

    void exitDuringAGameAsksFirst() {
        host->loginScript = {ScriptedHost::LogInAs("ann")};
        Win();
        PlayRow(Wrong());
        host->answers = {AnswerYes};
        frm->Exit->trigger();
        const MessageRequest q = host->messages.back();
        QCOMPARE(q.Text, QStringLiteral("Wouldn't you like to finish your game first?"));
        QVERIFY(q.Title == QStringLiteral("Woah!") && q.Buttons == MsgButtons::YesNo &&
                q.Default == AnswerYes);
        QVERIFY(frm->isVisible());
        QCOMPARE(frm->Game().CurRow, 1);

        host->answers = {AnswerNo};
        frm->Exit->trigger();
        QVERIFY(!frm->isVisible());
        QCOMPARE(stats->ReadAll().Value.at(0).NumGames[0], 1);  // the dropped game is not recorded
        const QByteArray backup = Bytes("stats.bak");
        QCOMPARE(backup, Bytes("stats.dat"));
        // The window's own close afterwards does not back up a second time.
        Write("stats.dat", QByteArray(143, 'x'));
        frm->close();
        QCOMPARE(Bytes("stats.bak"), backup);
    }

    void statisticsPictureOnAFirstRun() {
        input::Click(frm->StatImg, Qt::LeftButton);
        QCOMPARE(host->LastText(), QStringLiteral("No stats to show!"));
        QVERIFY(!QFileInfo::exists("stats.dat"));
        QVERIFY(host->statsGameTypes.empty());

        host->loginScript = {ScriptedHost::LogInAs("ann")};
        Win();
        input::Click(frm->BlnkChk, Qt::LeftButton);
        input::Click(frm->StatImg, Qt::LeftButton);
        QCOMPARE(host->statsGameTypes, std::vector<int>{1});
    }

    void aGameThatCannotBeRecordedSaysSo() {
        QDir().mkdir("stats.dat");
        host->loginScript = {ScriptedHost::LogInAs("ann")};
        Win();
        QVERIFY(host->LastText().startsWith(QStringLiteral("This game was not recorded.")));
        QVERIFY(host->LastText().contains(QStringLiteral("stats.dat")));
        QCOMPARE(frm->Game().CurRow, 0);  // the program goes on
        frm->Exit->trigger();
        QVERIFY(
            host->LastText().startsWith(QStringLiteral("The statistics could not be backed up.")));
        QVERIFY(QFileInfo("stats.dat").isDir());
    }

    void helpAndAbout() {
        frm->About->trigger();
        QCOMPARE(host->LastText(),
                 QStringLiteral(
                     "Vellacode " VELLACODE_VERSION
                     " by the Vellacode developers, published by the Vellacode project, 2026"));
        QVERIFY(host->messages.back().Icon == MsgIcon::None);

        frm->HlpContents->trigger();
        HelpViewer* help = frm->HelpWindow();
        QVERIFY(help && help->isVisible() && !help->isModal());
        // A window to assistive technology, titled with its caption.
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(help);
        QCOMPARE(window->role(), QAccessible::Window);
        QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Vellacode Help"));
        QVERIFY(help->Browser()->toPlainText().contains(QStringLiteral("Vellacode Help")));
        QVERIFY(help->Browser()->toPlainText().contains(QStringLiteral("Playing a game")));
        frm->HlpContents->trigger();  // brought to the front, not opened twice
        QCOMPARE(frm->HelpWindow(), help);
        help->Browser()->setSource(QUrl(QStringLiteral("qrc:/assets/help/playing.html")));
        QVERIFY(
            help->Browser()->toPlainText().contains(QStringLiteral("Backspace takes out the peg")));
        help->close();
        QTRY_VERIFY(frm->HelpWindow() == nullptr);

        frm->activateWindow();
        QApplication::setActiveWindow(frm.get());
        QVERIFY(QTest::qWaitForWindowActive(frm.get()));
        input::Key(frm.get(), Qt::Key_F1);  // F1 opens it too, on the contents page
        QVERIFY(frm->HelpWindow() && frm->HelpWindow()->isVisible());
        QVERIFY(frm->HelpWindow()->Browser()->source().toString().endsWith(
            QStringLiteral("contents.html")));
        frm->close();
        QTRY_VERIFY(frm->HelpWindow() == nullptr);
    }

    // The game's frame is 300 x 480 at 100, 50; the help window is 480 x 520.
    void helpOpensBesideTheGame_data() {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("room on the right") << QRect(0, 0, 1280, 1024) << QRect(408, 50, 480, 520);
        QTest::newRow("room on the left only")
            << QRect(-600, 0, 1000, 1024) << QRect(-388, 50, 480, 520);
        QTest::newRow("no room: the wider side, kept on the screen")
            << QRect(0, 0, 800, 600) << QRect(320, 50, 480, 520);
        QTest::newRow("a short screen lifts it")
            << QRect(0, 0, 1280, 540) << QRect(408, 20, 480, 520);
    }
    void helpOpensBesideTheGame() {
        QFETCH(QRect, screen);
        QFETCH(QRect, expected);
        QCOMPARE(HelpViewer::Beside(QRect(100, 50, 300, 480), QSize(480, 520), screen), expected);
    }

    void theBuiltProgramComesUp() {
        QProcess program;
        program.setWorkingDirectory(folder.path());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(VELLACODE_EXE), {});
        QVERIFY(program.waitForStarted());
        QVERIFY(!program.waitForFinished(1500));  // still running: it came up
        program.kill();
        program.waitForFinished();
        const QString errors = QString::fromLocal8Bit(program.readAllStandardError());
        QVERIFY2(
            !errors.contains(QStringLiteral("rror")) && !errors.contains(QStringLiteral("annot")),
            qPrintable(errors));
    }
};

QTEST_MAIN(WholeProgramTest)
#include "whole_program_test.moc"

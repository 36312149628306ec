// The real windows on a real X server, driven by keys and pointer moves that the server itself
// delivers: the log-in type-ahead, Tab, Enter and Escape as the platform sends them, Enter on a
// focused button, real drags and secondary clicks on the board, and the help window's role.
#include <QAccessible>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "rigs.h"
#include "stats/player_name.h"
#include "ui/game_window.h"
#include "ui/help_viewer.h"
#include "ui/login_dialog.h"
#include "ui/peg_drag.h"
#include "ui/peg_hole.h"
#include "ui/pictures.h"
#include "ui/statistics_dialog.h"
#include "xtest_input.h"

using namespace vella;

namespace {

QPoint Centre(QWidget* control) {
    return control->mapToGlobal(control->rect().center());
}

// Shows `window` and waits until it has the keyboard.
void Activate(QWidget* window) {
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

}  // namespace

class RealInputTest : public QObject, private DialogRig {
    Q_OBJECT

  private:
    // Runs `script` and lets the program handle what it sends until it is done.
    static void Send(std::function<void(XTestInput&)> script) {
        bool done = false;
        InputScript input([&](XTestInput& x) {
            script(x);
            done = true;
        });
        QTRY_VERIFY_WITH_TIMEOUT(done, 10000);
        input.Join();
        QTest::qWait(50);
    }

  private slots:
    void initTestCase() {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
        QVERIFY2(XTestInput().Ready(), "the X server offers no XTest extension");
    }
    void init() { ResetDialogRig(); }

    void logInTypeAheadTabEnterAndEscape() {
        Players({"bob", "boris"});
        LoginChoice choice = Login();
        LoginDialog frm(choice, layout);
        Activate(&frm);
        Send([](XTestInput& x) { x.Type("b"); });
        QCOMPARE(frm.nameBox->currentText(), QStringLiteral("BOB"));
        QCOMPARE(frm.nameBox->lineEdit()->selectedText(), QStringLiteral("OB"));
        Send([](XTestInput& x) { x.Type("o"); });
        QCOMPARE(frm.nameBox->currentText(), QStringLiteral("BOB"));
        QCOMPARE(frm.nameBox->lineEdit()->selectedText(), QStringLiteral("B"));

        Send([](XTestInput& x) { x.Tap(XK_Tab); });
        QCOMPARE(frm.focusWidget(), frm.okButton);
        Send([](XTestInput& x) { x.Tap(XK_Tab, {XK_Shift_L}); });
        QCOMPARE(frm.focusWidget(), frm.nameBox);
        QCOMPARE(frm.nameBox->currentText(), QStringLiteral("BOB"));

        Send([](XTestInput& x) { x.Tap(XK_Return); });
        QVERIFY(!frm.isVisible());
        QCOMPARE(choice.Outcome().Player, Player("bob"));

        LoginChoice second = Login();
        LoginDialog again(second, layout);
        Activate(&again);
        Send([](XTestInput& x) {
            x.Type("z");
            x.Tap(XK_Escape);
        });
        QVERIFY(!again.isVisible());
        QVERIFY(second.Outcome().How == LoginOutcome::Kind::Closed);
    }

    // Every paste goes through the type-ahead: Ctrl+V, Shift+Insert and the middle button.
    void pastesAreTypedIntoTheNameBox() {
        LoginChoice choice = Login();
        LoginDialog frm(choice, layout);
        Activate(&frm);
        QApplication::clipboard()->setText(QStringLiteral("ann"));
        Send([](XTestInput& x) { x.Tap(XK_v, {XK_Control_L}); });
        QCOMPARE(frm.nameBox->currentText(), QStringLiteral("ANN"));
        QApplication::clipboard()->setText(QStringLiteral("-b"));
        Send([](XTestInput& x) { x.Tap(XK_Insert, {XK_Shift_L}); });
        QCOMPARE(frm.nameBox->currentText(), QStringLiteral("ANN-B"));
        QApplication::clipboard()->setText(QStringLiteral("ee"), QClipboard::Selection);
        const QPoint box = Centre(frm.nameBox->lineEdit());
        Send([box](XTestInput& x) { x.Click(box, 2); });
        QCOMPARE(frm.nameBox->currentText(), QStringLiteral("ANN-BEE"));
    }

    void enterOnAFocusedNoKeepStatsDeclines() {
        LoginChoice choice = Login();
        LoginDialog frm(choice, layout);
        Activate(&frm);
        Send([](XTestInput& x) {
            x.Type("ann");
            x.Tap(XK_Tab);
            x.Tap(XK_Tab);
            x.Tap(XK_Return);
        });
        QVERIFY(!frm.isVisible());
        QVERIFY(choice.Outcome().How == LoginOutcome::Kind::Declined);
    }

    void enterOnAFocusedDeletePlayerAsksFirst() {
        Players({"ann", "bob"});
        auto browser = Browse();
        StatisticsDialog frm(*browser, layout);
        Activate(&frm);
        frm.playerBox->setFocus();
        host.answers.push_back(Answer::Cancel);
        Send([](XTestInput& x) {
            x.Tap(XK_Tab);
            x.Tap(XK_Return);
        });
        QCOMPARE(host.messages.size(), size_t(1));
        QCOMPARE(host.LastMessage().Title, std::string("Woah!"));
        QVERIFY(frm.isVisible());
    }

    void dragsAndSecondaryClicksOnTheBoard() {
        GameRig game;
        game.OpenWindow(std::make_unique<StatsFile>(folder.path().toStdString()));
        GameWindow& frm = *game.frm;
        Activate(&frm);

        const QPoint blue = Centre(game.PaletteColor(Color::Blue));
        const QPoint hole1 = Centre(game.Hole(1));
        const QPoint hole3 = Centre(game.Hole(3));
        // The dragged peg's picture is round: the screen just inside its corner stays as it was.
        const QPoint corner = hole1 - DragHotSpot(game.pictures.Peg(Color::Blue)) + QPoint(2, 2);
        unsigned long before = 0, during = 0;
        Send([&](XTestInput& x) {
            before = x.PixelAt(corner);
            x.MoveTo(blue);
            x.Button(1, true);  // the drag starts at the press
            x.GlideTo(blue, hole1);
            Pause(300);
            during = x.PixelAt(corner);
            x.Button(1, false);
        });
        QCOMPARE(game.Peg(1), QStringLiteral("blue"));
        QCOMPARE(during, before);

        Send([&](XTestInput& x) {
            x.MoveTo(hole1);
            x.Button(1, true);
            x.GlideTo(hole1, hole3);
            x.Button(1, false);
        });
        QCOMPARE(game.Peg(1), QStringLiteral("empty"));
        QCOMPARE(game.Peg(3), QStringLiteral("blue"));

        Send([&](XTestInput& x) { x.Click(Centre(game.PaletteColor(Color::Red)), 3); });
        QCOMPARE(game.Peg(0), QStringLiteral("red"));
    }

    void helpIsAWindowBesideTheGame() {
        GameRig game;
        game.OpenWindow(std::make_unique<StatsFile>(folder.path().toStdString()));
        Activate(game.frm.get());
        Send([](XTestInput& x) { x.Tap(XK_F1); });
        QWidget* help = game.HelpWindow();
        QVERIFY(help);
        QTRY_VERIFY(help->isVisible());
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(help);
        QCOMPARE(window->role(), QAccessible::Window);
        QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Vellacode Help"));
        QTRY_VERIFY(!help->frameGeometry().intersects(game.frm->frameGeometry()));
    }
};

QTEST_MAIN(RealInputTest)
#include "real_input_test.moc"

// The log-in window: that it shows what its choice lists and offers, hands it every key and
// button as a person gives them, and closes or stays as the choice says.
#include "ui/login_dialog.h"

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "input.h"
#include "rigs.h"
#include "stats/player_name.h"

using namespace vella;

class LoginDialogTest : public QObject, private DialogRig {
    Q_OBJECT

  private:
    static QLineEdit* Edit(LoginDialog& frm) { return frm.nameBox->lineEdit(); }
    static void Open(LoginDialog& frm) {
        frm.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frm));
    }
    static QString Shown(LoginDialog& frm) { return frm.nameBox->currentText(); }
    static bool LeftBy(const LoginChoice& choice, LoginOutcome::Kind how) {
        return choice.Outcome().How == how;
    }

  private slots:
    void init() { ResetDialogRig(); }

    void captionsAndLayout() {
        LoginChoice choice = Login();
        LoginDialog frm(choice, layout);
        QCOMPARE(frm.windowTitle(), QStringLiteral("¿Quién Es Usted?"));
        QCOMPARE(frm.explanation->text(),
                 QStringLiteral("We need your name if you want us to keep stats on you."));
        QCOMPARE(frm.prompt->text(), QStringLiteral("Type your \"User ID\""));
        QCOMPARE(frm.okButton->text(), QStringLiteral("OK"));
        QCOMPARE(frm.cancelButton->text(), QStringLiteral("Cancel"));
        QCOMPARE(frm.noStatsButton->text(), QStringLiteral("No Keep Stats"));
        QVERIFY(frm.okButton->isDefault());
        QCOMPARE(frm.size(), QSize(194, 129));
        QCOMPARE(frm.nameBox->geometry(), QRect(8, 64, 137, 21));
        QCOMPARE(frm.noStatsButton->geometry(), frm.cancelButton->geometry());
        QVERIFY(!frm.windowIcon().isNull());
    }

    void showsWhatItsChoiceListsAndOffers() {
        Players({"ann", "bob"});
        LogIn(session, Player("zed"));
        LoginChoice choice = Login();
        LoginDialog frm(choice, layout);
        QCOMPARE(frm.nameBox->count(), 3);
        QCOMPARE(frm.nameBox->itemText(2), QStringLiteral("ZED"));
        QCOMPARE(frm.nameBox->currentIndex(), 2);
        QVERIFY(frm.cancelButton->isVisibleTo(&frm) && frm.cancelButton->isEnabled());
        QVERIFY(!frm.noStatsButton->isVisibleTo(&frm) && !frm.noStatsButton->isEnabled());

        session = PlayerSession();
        LoginChoice nobody = Login();
        LoginDialog offering(nobody, layout);
        QCOMPARE(offering.nameBox->currentIndex(), -1);
        QVERIFY(offering.noStatsButton->isVisibleTo(&offering) &&
                offering.noStatsButton->isEnabled());
        QVERIFY(!offering.cancelButton->isVisibleTo(&offering) &&
                !offering.cancelButton->isEnabled());
    }

    void typeAheadAsTyped() {
        Players({"bob", "boris"});
        LoginChoice choice = Login();
        LoginDialog frm(choice, layout);
        Open(frm);
        input::Type(&frm, QStringLiteral("b"));
        QCOMPARE(Shown(frm), QStringLiteral("BOB"));
        QCOMPARE(Edit(frm)->selectedText(), QStringLiteral("OB"));
        QCOMPARE(Edit(frm)->cursorPosition(), 3);
        input::Key(&frm, Qt::Key_Backspace);
        QCOMPARE(Shown(frm), QString());
        input::Type(&frm, QStringLiteral("bo"));  // Delete takes the completion away
        input::Key(&frm, Qt::Key_Delete);
        QCOMPARE(Shown(frm), QStringLiteral("BO"));
        QVERIFY(choice.Ok());  // what OK takes
        QCOMPARE(choice.Outcome().Player, Player("bo"));
        input::Key(&frm, Qt::Key_Home);  // cursor keys move and select, as in any edit box
        QCOMPARE(Edit(frm)->cursorPosition(), 0);
        input::Key(&frm, Qt::Key_End, Qt::ShiftModifier);
        QCOMPARE(Edit(frm)->selectedText(), QStringLiteral("BO"));
        input::Key(&frm, Qt::Key_Backspace);
        input::Key(&frm, Qt::Key_Backspace);
        // Chords and editing keys never reach the name.
        for (Qt::Key key : {Qt::Key_V, Qt::Key_X, Qt::Key_A, Qt::Key_Z})
            input::Key(&frm, key, Qt::ControlModifier);
        input::Type(&frm, QStringLiteral("josé"));
        input::Type(&frm, QStringLiteral("€"), Qt::ControlModifier | Qt::AltModifier);  // AltGr
        QCOMPARE(Shown(frm), QStringLiteral("JOSÉ€"));
    }

    void tabMovesTheFocusAndTypesNothing() {
        LoginChoice choice = Login();
        LoginDialog frm(choice, layout);
        Open(frm);
        input::Type(&frm, QStringLiteral("a"));
        input::Key(&frm, Qt::Key_Tab);
        QCOMPARE(frm.focusWidget(), frm.okButton);
        input::Key(&frm, Qt::Key_Tab);
        QCOMPARE(frm.focusWidget(), frm.noStatsButton);  // "Cancel" is not offered
        input::Key(&frm, Qt::Key_Backtab, Qt::ShiftModifier);
        input::Key(&frm, Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(frm.focusWidget(), frm.nameBox);
        QCOMPARE(Shown(frm), QStringLiteral("A"));
    }

    // Which names OK takes is the choice's; the window stays open on a refusal, Enter in the
    // box presses OK, and Escape leaves with nothing changed.
    void okClosesOnlyWhenTheNameIsTaken() {
        LoginChoice choice = Login();
        LoginDialog frm(choice, layout);
        Open(frm);
        input::Type(&frm, QStringLiteral("   "));
        input::Click(frm.okButton);
        QCOMPARE(host.LastText(), std::string("Please enter a valid name, 15 characters or less"));
        QVERIFY(frm.isVisible() && LeftBy(choice, LoginOutcome::Kind::Closed));
        QCOMPARE(frm.focusWidget(), frm.nameBox);
        input::Type(&frm, QStringLiteral("x"));
        input::Key(&frm, Qt::Key_Return);
        QCOMPARE(frm.result(), int(QDialog::Accepted));
        QCOMPARE(choice.Outcome().Player, Player("   x"));

        LoginChoice closed = Login();
        LoginDialog second(closed, layout);
        Open(second);
        input::Type(&second, QStringLiteral("bob"));
        input::Key(&second, Qt::Key_Escape);
        QVERIFY(!second.isVisible() && LeftBy(closed, LoginOutcome::Kind::Closed));
    }

    // A click, Enter or Space on the button that has the focus, not the default one.
    void theOtherButtonDeclinesOrCancels_data() {
        QTest::addColumn<bool>("loggedIn");
        QTest::addColumn<int>("key");  // 0: a click
        QTest::newRow("No Keep Stats, click") << false << 0;
        QTest::newRow("No Keep Stats, Enter") << false << int(Qt::Key_Return);
        QTest::newRow("No Keep Stats, Space") << false << int(Qt::Key_Space);
        QTest::newRow("Cancel, click") << true << 0;
        QTest::newRow("Cancel, Enter") << true << int(Qt::Key_Enter);
        QTest::newRow("Cancel, Space") << true << int(Qt::Key_Space);
    }
    void theOtherButtonDeclinesOrCancels() {
        QFETCH(bool, loggedIn);
        QFETCH(int, key);
        if (loggedIn) LogIn(session, Player("ann"));
        LoginChoice choice = Login();
        LoginDialog frm(choice, layout);
        Open(frm);
        QPushButton* button = loggedIn ? frm.cancelButton : frm.noStatsButton;
        if (key == 0) {
            input::Click(button);
        } else {
            input::Type(&frm, QStringLiteral("bob"));
            input::Key(&frm, Qt::Key_Tab);
            input::Key(&frm, Qt::Key_Tab);
            QCOMPARE(frm.focusWidget(), button);
            input::Key(&frm, Qt::Key(key));
        }
        QVERIFY(!frm.isVisible());
        QVERIFY(LeftBy(choice,
                       loggedIn ? LoginOutcome::Kind::Cancelled : LoginOutcome::Kind::Declined));
    }

    void oddInputIsShownAsTypedUntilRefused() {
        Players({"ann", "bob"});
        LoginChoice choice = Login();
        LoginDialog frm(choice, layout);
        Open(frm);
        input::Type(&frm, QStringLiteral("Zo\U0001F600\u05E9\u05DC"));     // an emoji, Hebrew
        QCOMPARE(Shown(frm), QStringLiteral("ZO\U0001F600\u05E9\u05DC"));  // as typed
        input::Key(&frm, Qt::Key_Backspace);
        QCOMPARE(Shown(frm), QStringLiteral("ZO\U0001F600\u05E9"));
        QCOMPARE(Edit(frm)->cursorPosition(), 5);  // after the last character

        QApplication::clipboard()->setText(QStringLiteral("ann\n\tlee\u0007"));
        input::Key(&frm, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(Shown(frm), QStringLiteral("ZO\U0001F600\u05E9ANNLEE"));
        QApplication::clipboard()->setText(QStringLiteral("x"));
        input::Key(&frm, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(Shown(frm), QStringLiteral("ZO\U0001F600\u05E9ANNLEEX"));

        // An input method's commit is typed like keys; it cannot bypass the type-ahead.
        QInputMethodEvent commit;
        commit.setCommitString(QStringLiteral("é"));
        QApplication::sendEvent(QApplication::focusObject(), &commit);
        QCOMPARE(Shown(frm), QStringLiteral("ZO\U0001F600\u05E9ANNLEEXÉ"));

        input::Type(&frm, QString(1000, QLatin1Char('x')));
        QCOMPARE(Shown(frm).size(), 1013);
        // Letters the file cannot hold are refused with their reason, and the window stays.
        input::Click(frm.okButton);
        QVERIFY(QString::fromStdString(host.LastText())
                    .startsWith(QStringLiteral("These characters cannot be kept in a player's "
                                               "name: \U0001F600 \u05E9.")));
        QVERIFY(frm.isVisible() && LeftBy(choice, LoginOutcome::Kind::Closed));
        // A listed player chosen instead, with the arrow keys, is taken.
        input::Key(&frm, Qt::Key_Down);
        QCOMPARE(Shown(frm), QStringLiteral("ANN"));
        input::Key(&frm, Qt::Key_Return);
        QVERIFY(!frm.isVisible() && LeftBy(choice, LoginOutcome::Kind::Chosen));
        QCOMPARE(choice.Outcome().Player, Player("ann"));
    }
};

QTEST_MAIN(LoginDialogTest)
#include "login_dialog_test.moc"

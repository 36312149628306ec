// The log-in window: what it offers, what it preselects, the type-ahead as typed, and each way
// of leaving it. Keys and clicks reach it through its window, as a person's do.
#include "ui/user_frm.h"

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "input.h"
#include "rigs.h"
#include "stats/names.h"
#include "text_fits.h"

using namespace vella;

class UserFrmTest : public QObject, private DialogRig {
    Q_OBJECT

  private:
    void Players(std::initializer_list<const char*> names) {
        for (const char* name : names)
            stats->RecordGame(StoredName(name), FinishedGame{0, 0, true, 5});
    }
    static QLineEdit* Edit(UserFrm& frm) { return frm.Combo1->lineEdit(); }
    static void Open(UserFrm& frm) {
        frm.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frm));
    }
    static QString Shown(UserFrm& frm) { return frm.Combo1->currentText(); }
    static bool LeftBy(UserFrm& frm, LoginOutcome::Kind how) { return frm.Outcome().How == how; }

  private slots:
    void init() { ResetDialogRig(); }

    void captionsAndLayout() {
        UserFrm frm(session, *stats, host);
        QCOMPARE(frm.windowTitle(), QStringLiteral("¿Quién Es Usted?"));
        QCOMPARE(frm.Label2->text(),
                 QStringLiteral("We need your name if you want us to keep stats on you."));
        QCOMPARE(frm.Label1->text(), QStringLiteral("Type your \"User ID\""));
        QCOMPARE(frm.Command1->text(), QStringLiteral("OK"));
        QCOMPARE(frm.CancelBtn->text(), QStringLiteral("Cancel"));
        QCOMPARE(frm.NoStats->text(), QStringLiteral("No Keep Stats"));
        QVERIFY(frm.Command1->isDefault());
        QCOMPARE(frm.size(), QSize(194, 129));
        QCOMPARE(frm.Combo1->geometry(), QRect(8, 64, 137, 21));
        QCOMPARE(frm.NoStats->geometry(), frm.CancelBtn->geometry());
        QVERIFY(!frm.windowIcon().isNull());
        QCOMPARE(ClippedCaptions(&frm).join(QStringLiteral("; ")), QString());
    }

    void emptyFileNobodyLoggedInOffersNoKeepStats() {
        UserFrm frm(session, *stats, host);
        QCOMPARE(frm.Combo1->count(), 0);
        QCOMPARE(frm.Combo1->currentText(), QString());
        QVERIFY(frm.NoStats->isVisibleTo(&frm) && frm.NoStats->isEnabled());
        QVERIFY(!frm.CancelBtn->isVisibleTo(&frm) && !frm.CancelBtn->isEnabled());
        QVERIFY(QFileInfo::exists(folder.filePath("stats.dat")));  // opening creates it empty
    }

    void preselection() {
        Players({"ann"});
        {
            UserFrm frm(session, *stats, host);
            QCOMPARE(frm.Combo1->currentText(), QStringLiteral("ANN            "));
        }
        Players({"bob"});
        {
            UserFrm frm(session, *stats, host);
            QCOMPARE(frm.Combo1->currentIndex(), -1);
        }
        LogIn(session, StoredName("bob"));
        {
            UserFrm frm(session, *stats, host);
            QCOMPARE(frm.Combo1->currentIndex(), 1);
            QVERIFY(frm.CancelBtn->isVisibleTo(&frm));
        }
        LogIn(session, StoredName("zed"));  // no record yet: appended and selected, never matched
        UserFrm frm(session, *stats, host);
        Open(frm);
        QCOMPARE(frm.Combo1->count(), 3);
        QCOMPARE(frm.Combo1->currentIndex(), 2);
        QCOMPARE(frm.PlayerCount, 2);
        input::Type(&frm, QStringLiteral("z"));
        QCOMPARE(Shown(frm), QStringLiteral("Z"));
    }

    void typeAheadAsTyped() {
        Players({"bob", "boris"});
        UserFrm frm(session, *stats, host);
        Open(frm);
        input::Type(&frm, QStringLiteral("b"));
        QCOMPARE(Shown(frm), QStringLiteral("BOB"));
        QCOMPARE(Edit(frm)->selectedText(), QStringLiteral("OB"));
        input::Type(&frm, QStringLiteral("o"));
        QCOMPARE(Shown(frm), QStringLiteral("BOB"));
        QCOMPARE(Edit(frm)->selectedText(), QStringLiteral("B"));
        QCOMPARE(frm.TypedText(), std::string("BO"));
        input::Key(&frm, Qt::Key_Backspace);
        QCOMPARE(Shown(frm), QStringLiteral("B"));
        input::Key(&frm, Qt::Key_Backspace);
        input::Key(&frm, Qt::Key_Backspace);
        QCOMPARE(Shown(frm), QString());
        // Chords and editing keys never reach the name.
        for (auto [key, mods] :
             {std::pair{Qt::Key_V, Qt::ControlModifier}, std::pair{Qt::Key_X, Qt::ControlModifier},
              std::pair{Qt::Key_A, Qt::ControlModifier},
              std::pair{Qt::Key_Z, Qt::ControlModifier}}) {
            input::Key(&frm, key, mods);
        }
        QCOMPARE(frm.TypedText(), std::string());
        QCOMPARE(Shown(frm), QString());
        input::Type(&frm, QStringLiteral("josé"));
        QCOMPARE(Shown(frm), QStringLiteral("JOSÉ"));
    }

    void tabMovesTheFocusAndTypesNothing() {
        UserFrm frm(session, *stats, host);
        Open(frm);
        input::Type(&frm, QStringLiteral("a"));
        input::Key(&frm, Qt::Key_Tab);
        QCOMPARE(frm.focusWidget(), frm.Command1);
        input::Key(&frm, Qt::Key_Tab);
        QCOMPARE(frm.focusWidget(), frm.NoStats);  // "Cancel" is not offered
        input::Key(&frm, Qt::Key_Backtab, Qt::ShiftModifier);
        input::Key(&frm, Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(frm.focusWidget(), frm.Combo1);
        QCOMPARE(frm.TypedText(), std::string("A"));
        QCOMPARE(Shown(frm), QStringLiteral("A"));
    }

    void okLogsInOrRefusesAnInvalidName_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");  // empty: refused
        QTest::newRow("blanks") << "   "
                                << "";
        QTest::newRow("blanks past the fifteenth") << "               bob"
                                                   << "";
        QTest::newRow("long") << "mary-ann wilkinson"
                              << "MARY-ANN WILKIN";
        QTest::newRow("leading space") << " ann"
                                       << " ANN           ";
    }
    void okLogsInOrRefusesAnInvalidName() {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        UserFrm frm(session, *stats, host);
        Open(frm);
        input::Type(&frm, typed);
        input::Click(frm.Command1);
        if (stored.isEmpty()) {
            QCOMPARE(host.LastText(),
                     std::string("Please enter a valid name, 15 characters or less"));
            QCOMPARE(host.messages.back().Title, std::string("Vellacode"));
            QVERIFY(host.messages.back().Icon == MsgIcon::None);
            QVERIFY(LeftBy(frm, LoginOutcome::Kind::Closed));
            QVERIFY(frm.isVisible());
            QCOMPARE(frm.focusWidget(), frm.Combo1);
        } else {
            QVERIFY(host.messages.empty());
            QCOMPARE(frm.result(), int(QDialog::Accepted));
            QVERIFY(LeftBy(frm, LoginOutcome::Kind::Chosen));
            QCOMPARE(QString::fromStdString(frm.Outcome().PlayerName), stored);
        }
    }

    void enterPressesOkEscapeChangesNothing() {
        UserFrm frm(session, *stats, host);
        Open(frm);
        input::Type(&frm, QStringLiteral("ann"));
        input::Key(&frm, Qt::Key_Return);
        QCOMPARE(frm.result(), int(QDialog::Accepted));
        QVERIFY(LeftBy(frm, LoginOutcome::Kind::Chosen));
        QCOMPARE(frm.Outcome().PlayerName, std::string("ANN            "));

        UserFrm second(session, *stats, host);
        Open(second);
        input::Type(&second, QStringLiteral("bob"));
        input::Key(&second, Qt::Key_Escape);
        QVERIFY(!second.isVisible());
        QVERIFY(LeftBy(second, LoginOutcome::Kind::Closed));
    }

    // Enter and Space press the button that has the focus, not the default one.
    void theFocusedButtonAnswersEnterAndSpace_data() {
        QTest::addColumn<bool>("loggedIn");
        QTest::addColumn<int>("key");
        QTest::newRow("No Keep Stats, Enter") << false << int(Qt::Key_Return);
        QTest::newRow("No Keep Stats, Space") << false << int(Qt::Key_Space);
        QTest::newRow("Cancel, Enter") << true << int(Qt::Key_Enter);
        QTest::newRow("Cancel, Space") << true << int(Qt::Key_Space);
    }
    void theFocusedButtonAnswersEnterAndSpace() {
        QFETCH(bool, loggedIn);
        QFETCH(int, key);
        if (loggedIn) LogIn(session, StoredName("ann"));
        UserFrm frm(session, *stats, host);
        Open(frm);
        input::Type(&frm, QStringLiteral("bob"));
        input::Key(&frm, Qt::Key_Tab);
        input::Key(&frm, Qt::Key_Tab);
        QCOMPARE(frm.focusWidget(), loggedIn ? frm.CancelBtn : frm.NoStats);
        input::Key(&frm, Qt::Key(key));
        QVERIFY(!frm.isVisible());
        QVERIFY(
            LeftBy(frm, loggedIn ? LoginOutcome::Kind::Cancelled : LoginOutcome::Kind::Declined));
    }

    void clicksOnNoKeepStatsAndCancel() {
        {
            UserFrm frm(session, *stats, host);
            Open(frm);
            input::Click(frm.NoStats);
            QVERIFY(LeftBy(frm, LoginOutcome::Kind::Declined));
        }
        LogIn(session, StoredName("ann"));
        UserFrm frm(session, *stats, host);
        Open(frm);
        input::Click(frm.CancelBtn);
        QVERIFY(LeftBy(frm, LoginOutcome::Kind::Cancelled));
    }

    void oddInputIsShownAsItWillBeStored() {
        UserFrm frm(session, *stats, host);
        Open(frm);
        input::Type(&frm, QStringLiteral("Zo\U0001F600\u05E9\u05DC"));  // an emoji, Hebrew
        QCOMPARE(Shown(frm), QStringLiteral("ZO???"));
        input::Key(&frm, Qt::Key_Backspace);
        QCOMPARE(Shown(frm), QStringLiteral("ZO??"));

        QApplication::clipboard()->setText(QStringLiteral("ann\n\tlee\u0007"));
        input::Key(&frm, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(Shown(frm), QStringLiteral("ZO??ANNLEE"));
        QApplication::clipboard()->setText(QStringLiteral("x"));
        input::Key(&frm, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(Shown(frm), QStringLiteral("ZO??ANNLEEX"));

        // An input method's commit is typed like keys; it cannot bypass the type-ahead.
        QInputMethodEvent commit;
        commit.setCommitString(QStringLiteral("é"));
        QApplication::sendEvent(QApplication::focusObject(), &commit);
        QCOMPARE(Shown(frm), QStringLiteral("ZO??ANNLEEXÉ"));

        input::Type(&frm, QString(1000, QLatin1Char('x')));
        QCOMPARE(Shown(frm).size(), 1012);
        // Letters the file cannot hold are refused with their reason, and the window stays.
        input::Click(frm.Command1);
        QCOMPARE(QString::fromStdString(host.LastText()),
                 QStringLiteral("These characters cannot be kept in a player's name: \U0001F600 "
                                "\u05E9. The statistics keep Western European letters only; "
                                "please type the name with those."));
        QVERIFY(frm.isVisible() && !LeftBy(frm, LoginOutcome::Kind::Chosen));

        UserFrm other(session, *stats, host);
        Open(other);
        input::Type(&other, QStringLiteral("josé lópez-garcía"));
        input::Click(other.Command1);
        QCOMPARE(other.Outcome().PlayerName, std::string("JOS\xC9 L\xD3PEZ-GARC"));
    }

    void unreadableFileIsReportedAndTheListIsEmpty() {
        QDir(folder.path()).mkdir(QStringLiteral("stats.dat"));
        UserFrm frm(session, *stats, host);
        QCOMPARE(frm.Combo1->count(), 0);
        QVERIFY(QString::fromStdString(host.LastText()).contains(QStringLiteral("stats.dat")));
    }
};

QTEST_MAIN(UserFrmTest)
#include "user_frm_test.moc"

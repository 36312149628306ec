// The log-in window: what it offers, what it preselects, the type-ahead as typed, and each way
// of leaving it.
#include "stats/user_frm.h"

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

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
    QLineEdit* Edit(UserFrm& frm) { return frm.Combo1->lineEdit(); }

    // Types characters that have no key of their own on a test keyboard.
    static void TypeText(QWidget* target, const QString& text) {
        for (char32_t c : text.toStdU32String()) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier,
                            QString::fromUcs4(&c, 1));
            QApplication::sendEvent(target, &press);
        }
    }

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
        LogIn(session, "bob");
        {
            UserFrm frm(session, *stats, host);
            QCOMPARE(frm.Combo1->currentIndex(), 1);
            QVERIFY(frm.CancelBtn->isVisibleTo(&frm));
        }
        LogIn(session, "zed");  // no record yet: appended and selected, never matched
        UserFrm frm(session, *stats, host);
        QCOMPARE(frm.Combo1->count(), 3);
        QCOMPARE(frm.Combo1->currentIndex(), 2);
        QCOMPARE(frm.PlayerCount, 2);
        QTest::keyClicks(Edit(frm), "z");
        QCOMPARE(frm.Combo1->currentText(), QStringLiteral("Z"));
    }

    void typeAheadAsTyped() {
        Players({"bob", "boris"});
        UserFrm frm(session, *stats, host);
        QTest::keyClicks(Edit(frm), "b");
        QCOMPARE(frm.Combo1->currentText(), QStringLiteral("BOB"));
        QCOMPARE(Edit(frm)->selectedText(), QStringLiteral("OB"));
        QTest::keyClicks(Edit(frm), "o");
        QCOMPARE(frm.Combo1->currentText(), QStringLiteral("BOB"));
        QCOMPARE(Edit(frm)->selectedText(), QStringLiteral("B"));
        QCOMPARE(frm.TypedText(), std::string("BO"));
        QTest::keyClick(Edit(frm), Qt::Key_Backspace);
        QCOMPARE(frm.Combo1->currentText(), QStringLiteral("B"));
        QTest::keyClick(Edit(frm), Qt::Key_Backspace);
        QTest::keyClick(Edit(frm), Qt::Key_Backspace);
        QCOMPARE(frm.Combo1->currentText(), QString());
        // Control keys never reach the name.
        QTest::keyClick(Edit(frm), Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(Edit(frm), Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(frm.TypedText(), std::string());
        TypeText(Edit(frm), QStringLiteral("josé"));
        QCOMPARE(frm.Combo1->currentText(), QStringLiteral("JOSÉ"));
    }

    void okLogsInOrRefusesAnInvalidName() {
        UserFrm frm(session, *stats, host);
        frm.Combo1->setEditText(QStringLiteral("   "));
        frm.Command1_Click();
        QCOMPARE(host.LastText(),
                 QStringLiteral("Please enter a valid name, 15 characters or less"));
        QCOMPARE(host.messages.back().Title, QStringLiteral("Vellacode"));
        QVERIFY(host.messages.back().Icon == MsgIcon::None);
        QVERIFY(!session.LoggedIn());
        QCOMPARE(frm.result(), int(QDialog::Rejected));

        frm.Combo1->setEditText(QStringLiteral("               Bob"));
        frm.Command1_Click();
        QCOMPARE(host.messages.size(), size_t(2));

        frm.Combo1->setEditText(QStringLiteral("mary-ann wilkinson"));
        frm.Command1_Click();
        QCOMPARE(frm.result(), int(QDialog::Accepted));
        QCOMPARE(session.PlayerName, std::string("MARY-ANN WILKIN"));
        QVERIFY(session.KeepStats);
    }

    void enterPressesOkEscapeChangesNothing() {
        UserFrm frm(session, *stats, host);
        frm.show();
        QTest::keyClicks(Edit(frm), "ann");
        QTest::keyClick(Edit(frm), Qt::Key_Return);
        QCOMPARE(frm.result(), int(QDialog::Accepted));
        QCOMPARE(session.PlayerName, std::string("ANN            "));

        PlayerSession other;
        UserFrm second(other, *stats, host);
        second.show();
        QTest::keyClicks(Edit(second), "bob");
        QTest::keyClick(Edit(second), Qt::Key_Escape);
        QVERIFY(!second.isVisible());
        QVERIFY(!other.LoggedIn() && !other.LoginCancelled && !other.StatsDeclined &&
                other.KeepStats);
    }

    void noKeepStatsAndCancel() {
        {
            UserFrm frm(session, *stats, host);
            frm.NoStats->click();
            QVERIFY(!session.KeepStats && session.StatsDeclined);
        }
        LogIn(session, "ann");
        UserFrm frm(session, *stats, host);
        frm.CancelBtn->click();
        QVERIFY(session.LoginCancelled);
        QCOMPARE(session.PlayerName, std::string("ANN            "));
    }

    void oddInputIsShownAsItWillBeStored() {
        UserFrm frm(session, *stats, host);
        TypeText(Edit(frm),
                 QStringLiteral("Zo\U0001F600\u05E9\u05DC"));  // an emoji, Hebrew letters
        QCOMPARE(frm.Combo1->currentText(), QStringLiteral("ZO???"));
        QTest::keyClick(Edit(frm), Qt::Key_Backspace);
        QCOMPARE(frm.Combo1->currentText(), QStringLiteral("ZO??"));

        QApplication::clipboard()->setText(QStringLiteral("ann\n\tlee\u0007"));
        QTest::keyClick(Edit(frm), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(frm.Combo1->currentText(), QStringLiteral("ZO??ANNLEE"));

        TypeText(Edit(frm), QString(1000, QLatin1Char('x')));
        QCOMPARE(frm.Combo1->currentText().size(), 1010);
        frm.Command1_Click();
        QCOMPARE(session.PlayerName, std::string("ZO??ANNLEEXXXXX"));
    }

    void unreadableFileIsReportedAndTheListIsEmpty() {
        QDir(folder.path()).mkdir(QStringLiteral("stats.dat"));
        UserFrm frm(session, *stats, host);
        QCOMPARE(frm.Combo1->count(), 0);
        QVERIFY(host.LastText().contains(QStringLiteral("stats.dat")));
    }
};

QTEST_MAIN(UserFrmTest)
#include "user_frm_test.moc"

// The statistics window: its layout, that it shows what its browser holds (the list, the
// selection, each view's figures and headers), and that it hands it each choice a person makes.
#include "ui/stats_frm.h"

#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "input.h"
#include "rigs.h"
#include "stats/names.h"
#include "text_fits.h"

using namespace vella;

class StatsFrmTest : public QObject, private DialogRig {
    Q_OBJECT

  private:
    void Record(const char* name, std::int16_t colorSet, std::int16_t type, bool won,
                std::int16_t moves) {
        QVERIFY(stats->RecordGame(StoredName(name), FinishedGame{colorSet, type, won, moves}).Ok());
    }
    // Three players, best games 3, 4 and 5 moves, the second logged in.
    void AnnBobCarlWithBobLoggedIn() {
        Record("ann", 0, 0, true, 3);
        Record("bob", 0, 0, true, 4);
        Record("carl", 0, 0, true, 5);
        LogIn(session, StoredName("bob"));
    }
    static void Open(StatsFrm& frm) {
        frm.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frm));
    }
    static QStringList Items(QComboBox* box) {
        QStringList items;
        for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
        return items;
    }
    static QStringList Column(StatsFrm& frm, int k) {
        return {frm.NumGamesLbl[k]->text(), frm.WinsLbl[k]->text(), frm.PctLbl[k]->text(),
                frm.MvsPerGmLbl[k]->text(), frm.BestLbl[k]->text(), frm.WrstLbl[k]->text()};
    }

  private slots:
    void init() { ResetDialogRig(); }

    void captionsAndLayout() {
        Record("ann", 0, 0, true, 4);
        auto browser = Browse();
        StatsFrm frm(*browser);
        QCOMPARE(frm.windowTitle(), QStringLiteral("Player Stats"));
        QCOMPARE(frm.size(), QSize(471, 215));
        QCOMPARE(frm.Label1->text(), QStringLiteral("Select Player:"));
        QCOMPARE(frm.RemPlayrBtn->text(), QStringLiteral("Delete Player"));
        QCOMPARE(frm.Command1->text(), QStringLiteral("Cool"));
        QVERIFY(frm.Command1->isDefault());
        QCOMPARE(frm.Frame1->title(), QStringLiteral("Select Game Type"));
        const QStringList options{"Standard Game",           "Blanks Allowed",
                                  "Repeats Allowed",         "Blanks And Repeats Allowed",
                                  "Totals For 6 & 7 Colors", "Totals For All Game Types"};
        for (int i = 0; i < 6; ++i) {
            // What a screen reader reads, mnemonic markers resolved.
            QCOMPARE(
                QAccessible::queryAccessibleInterface(frm.GameTypeOpt[i])->text(QAccessible::Name),
                options[i]);
        }
        QCOMPARE(frm.font().pointSize(), 8);
        const QStringList rows{"Games Played",           "Games Won",       "Percent Games Won",
                               "Average Moves Per Game", "Best Game (won)", "Worst Game (won)"};
        QCOMPARE((QStringList{frm.Label2->text(), frm.Label3->text(), frm.Label4->text(),
                              frm.Label7->text(), frm.Label5->text(), frm.Label6->text()}),
                 rows);
        QVERIFY(frm.Combo1->font().bold());
        QVERIFY(!frm.Combo1->isEditable());
        QCOMPARE(frm.Combo1->geometry(), QRect(88, 8, 105, 21));
        QCOMPARE(frm.NumGamesLbl[1]->geometry(), QRect(224, 72, 41, 17));
        QCOMPARE(frm.Label6->geometry(), QRect(8, 192, 97, 17));  // the last row
        QCOMPARE(frm.Frame1->geometry(), QRect(280, 8, 177, 169));
        QCOMPARE(frm.Command1->geometry(), QRect(280, 184, 177, 25));
        QVERIFY(!frm.windowIcon().isNull());
        QCOMPARE(ClippedCaptions(&frm).join(QStringLiteral("; ")), QString());
    }

    void viewsShowTheirFiguresAndHeaders() {
        Record("ann", 0, 0, true, 4);
        Record("ann", 0, 0, true, 6);
        Record("ann", 0, 0, true, 5);
        Record("ann", 0, 0, false, 7);  // 3 wins in 4 games, 22 moves
        Record("ann", 1, 3, false, 10);
        auto browser = Browse();
        StatsFrm frm(*browser);
        Open(frm);
        QCOMPARE(Column(frm, 0), (QStringList{"4", "3", "75%", "5.5", "4", "6"}));
        QCOMPARE(Column(frm, 1), (QStringList{"0", "-", "-", "-", "-", "-"}));
        QVERIFY(frm.SixLabel->isVisible() && frm.SevenLabel->isVisible() && frm.Line3->isVisible());
        QVERIFY(!frm.TotalLabel->isVisible());

        input::Click(frm.GameTypeOpt[3]);
        QCOMPARE(Column(frm, 1), (QStringList{"1", "0", "0%", "10.0", "-", "-"}));

        input::Click(frm.GameTypeOpt[5]);
        QCOMPARE(Column(frm, 0), (QStringList{"5", "3", "60%", "6.4", "4", "6"}));
        QVERIFY(!frm.NumGamesLbl[1]->isVisible() && !frm.WrstLbl[1]->isVisible());
        QVERIFY(!frm.SixLabel->isVisible() && !frm.SevenLabel->isVisible() &&
                !frm.Line3->isVisible());
        QVERIFY(frm.TotalLabel->isVisible() && frm.Line2->isVisible());

        input::Click(frm.GameTypeOpt[4]);
        QCOMPARE(Column(frm, 1), (QStringList{"1", "0", "0%", "10.0", "-", "-"}));
        QVERIFY(frm.NumGamesLbl[1]->isVisible() && frm.SixLabel->isVisible() &&
                frm.Line3->isVisible());
        QVERIFY(!frm.TotalLabel->isVisible());
    }

    void opensOnTheBrowsersPlayerAndViewAndFollowsTheList() {
        Record("ann", 0, 2, true, 3);
        Record("bob", 0, 2, true, 8);
        LogIn(session, StoredName("bob"));
        auto browser = Browse(GameType::Repeats);
        StatsFrm frm(*browser);
        QCOMPARE(Items(frm.Combo1), (QStringList{"ANN            ", "BOB            "}));
        QCOMPARE(frm.Combo1->currentIndex(), 1);
        QVERIFY(frm.GameTypeOpt[2]->isChecked());
        QCOMPARE(frm.BestLbl[0]->text(), QStringLiteral("8"));
        Open(frm);
        input::Click(frm.Combo1);  // the list opens on the selected entry; Up picks ann
        input::Key(QApplication::activePopupWidget(), Qt::Key_Up);
        input::Key(QApplication::activePopupWidget(), Qt::Key_Return);
        QCOMPARE(browser->Selected(), 0);
        QCOMPARE(frm.BestLbl[0]->text(), QStringLiteral("3"));
    }

    // The list after a deletion or a change by another program is the browser's; the only
    // player's deletion closes the window.
    void theListIsShownAgainAfterAChangeOrTheWindowCloses() {
        AnnBobCarlWithBobLoggedIn();
        {
            auto browser = Browse();
            StatsFrm frm(*browser);
            Open(frm);
            host.answers = {Answer::Ok};
            input::Click(frm.RemPlayrBtn);
            QCOMPARE(Items(frm.Combo1), (QStringList{"ANN            ", "CARL           "}));
            QCOMPARE(frm.Combo1->currentIndex(), 0);
            QCOMPARE(frm.BestLbl[0]->text(), QStringLiteral("3"));
            QCOMPARE(frm.focusWidget(), frm.Command1);
            QVERIFY(frm.isVisible());

            frm.Combo1->setFocus();
            input::Key(&frm, Qt::Key_Down);  // carl
            QVERIFY(StatsFile(folder.path().toStdString()).RemovePlayer(1, StoredName("ann")).Ok());
            input::Click(frm.GameTypeOpt[5]);
            QCOMPARE(Items(frm.Combo1), (QStringList{"CARL           "}));
            QCOMPARE(frm.Combo1->currentIndex(), 0);
            QCOMPARE(frm.BestLbl[0]->text(), QStringLiteral("5"));
        }
        host.answers = {Answer::Ok};
        auto browser = Browse();
        StatsFrm last(*browser);
        Open(last);
        input::Click(last.RemPlayrBtn);
        QVERIFY(!QFileInfo::exists(folder.filePath("stats.dat")));
        QVERIFY(!last.isVisible());
    }

    // Enter presses the focused button; with the focus on the list it answers "Cool".
    void enterPressesTheFocusedButton() {
        Record("ann", 0, 0, true, 3);
        Record("bob", 0, 0, true, 4);
        auto browser = Browse();
        StatsFrm frm(*browser);
        Open(frm);
        frm.Combo1->setFocus();
        input::Key(&frm, Qt::Key_Tab);
        QCOMPARE(frm.focusWidget(), frm.RemPlayrBtn);
        host.answers.push_back(Answer::Cancel);
        input::Key(&frm, Qt::Key_Return);
        QCOMPARE(host.messages.size(), size_t(1));
        QCOMPARE(host.LastMessage().Title, std::string("Woah!"));
        QVERIFY(frm.isVisible());

        frm.Combo1->setFocus();
        input::Key(&frm, Qt::Key_Enter);
        QCOMPARE(host.messages.size(), size_t(1));
        QVERIFY(!frm.isVisible());
    }
};

QTEST_MAIN(StatsFrmTest)
#include "stats_frm_test.moc"

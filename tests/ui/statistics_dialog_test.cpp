// The statistics window: its layout, that it shows what its browser holds (the list, the
// selection, each view's figures and headers), and that it hands it each choice a person makes.
#include "ui/statistics_dialog.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionComboBox>
#include <QtTest>

#include "input.h"
#include "rigs.h"
#include "stats/player_name.h"
#include "stats/stats_files.h"
#include "text_fits.h"

using namespace vella;

class StatisticsDialogTest : public QObject, private DialogRig {
    Q_OBJECT

  private:
    void Record(const char* name, std::int16_t colorSet, std::int16_t type, bool won,
                std::int16_t moves) {
        QVERIFY(stats->RecordGame(Player(name), FinishedGame{colorSet, type, won, moves}).Ok());
    }
    // Three players, best games 3, 4 and 5 moves, the second logged in.
    void AnnBobCarlWithBobLoggedIn() {
        Record("ann", 0, 0, true, 3);
        Record("bob", 0, 0, true, 4);
        Record("carl", 0, 0, true, 5);
        LogIn(session, Player("bob"));
    }
    static void Open(StatisticsDialog& frm) {
        frm.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frm));
    }
    static QStringList Items(QComboBox* box) {
        QStringList items;
        for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
        return items;
    }
    static QStringList Column(StatisticsDialog& frm, int k) {
        return {frm.gamesFigures[k]->text(),   frm.winsFigures[k]->text(),
                frm.percentFigures[k]->text(), frm.movesFigures[k]->text(),
                frm.bestFigures[k]->text(),    frm.worstFigures[k]->text()};
    }

  private slots:
    void init() { ResetDialogRig(); }

    void captionsAndLayout() {
        Record("ann", 0, 0, true, 4);
        auto browser = Browse();
        StatisticsDialog frm(*browser, layout);
        const QRect designed = frm.playerBox->geometry();
        // The longest name a file holds shows whole in the font in use, in the box and its list.
        Record("christopher smith", 0, 0, true, 4);
        auto longer = Browse();
        StatisticsDialog wide(*longer, layout);
        const int needed = QFontMetrics(wide.playerBox->font())
                               .horizontalAdvance(QStringLiteral("CHRISTOPHER SMI"));
        QStyleOptionComboBox option;
        option.initFrom(wide.playerBox);
        QVERIFY(wide.playerBox->style()
                    ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField,
                                     wide.playerBox)
                    .width() >= needed);
        QVERIFY(wide.playerBox->geometry().right() < wide.viewGroup->geometry().left());
        QVERIFY(wide.playerBox->view()->minimumWidth() >= needed);
        QCOMPARE(frm.windowTitle(), QStringLiteral("Player Stats"));
        QCOMPARE(frm.size(), QSize(471, 215));
        QCOMPARE(frm.playerPrompt->text(), QStringLiteral("Select Player:"));
        QCOMPARE(frm.deleteButton->text(), QStringLiteral("Delete Player"));
        QCOMPARE(frm.coolButton->text(), QStringLiteral("Cool"));
        QVERIFY(frm.coolButton->isDefault());
        QCOMPARE(frm.viewGroup->title(), QStringLiteral("Select Game Type"));
        const QStringList options{"Standard Game",           "Blanks Allowed",
                                  "Repeats Allowed",         "Blanks And Repeats Allowed",
                                  "Totals For 6 & 7 Colors", "Totals For All Game Types"};
        for (int i = 0; i < 6; ++i) {
            // What a screen reader reads, mnemonic markers resolved.
            QCOMPARE(
                QAccessible::queryAccessibleInterface(frm.viewButtons[i])->text(QAccessible::Name),
                options[i]);
        }
        QCOMPARE(frm.font().pointSize(), 8);
        const QStringList rows{"Games Played",           "Games Won",       "Percent Games Won",
                               "Average Moves Per Game", "Best Game (won)", "Worst Game (won)"};
        QCOMPARE((QStringList{frm.gamesCaption->text(), frm.winsCaption->text(),
                              frm.percentCaption->text(), frm.movesCaption->text(),
                              frm.bestCaption->text(), frm.worstCaption->text()}),
                 rows);
        QVERIFY(frm.playerBox->font().bold());
        QVERIFY(!frm.playerBox->isEditable());
        QCOMPARE(designed, QRect(88, 8, 105, 21));
        QCOMPARE(frm.gamesFigures[1]->geometry(), QRect(224, 72, 41, 17));
        QCOMPARE(frm.worstCaption->geometry(), QRect(8, 192, 97, 17));  // the last row
        QCOMPARE(frm.viewGroup->geometry(), QRect(280, 8, 177, 169));
        QCOMPARE(frm.coolButton->geometry(), QRect(280, 184, 177, 25));
        QVERIFY(!frm.windowIcon().isNull());
    }

    void viewsShowTheirFiguresAndHeaders() {
        Record("ann", 0, 0, true, 4);
        Record("ann", 0, 0, true, 6);
        Record("ann", 0, 0, true, 5);
        Record("ann", 0, 0, false, 7);  // 3 wins in 4 games, 22 moves
        Record("ann", 1, 3, false, 10);
        auto browser = Browse();
        StatisticsDialog frm(*browser, layout);
        Open(frm);
        QCOMPARE(Column(frm, 0), (QStringList{"4", "3", "75%", "5.5", "4", "6"}));
        QCOMPARE(Column(frm, 1), (QStringList{"0", "-", "-", "-", "-", "-"}));
        QVERIFY(frm.sixColorsHeader->isVisible() && frm.sevenColorsHeader->isVisible() &&
                frm.sevenColorsRule->isVisible());
        QVERIFY(!frm.totalHeader->isVisible());

        input::Click(frm.viewButtons[3]);
        QCOMPARE(Column(frm, 1), (QStringList{"1", "0", "0%", "10.0", "-", "-"}));

        input::Click(frm.viewButtons[5]);
        QCOMPARE(Column(frm, 0), (QStringList{"5", "3", "60%", "6.4", "4", "6"}));
        QVERIFY(!frm.gamesFigures[1]->isVisible() && !frm.worstFigures[1]->isVisible());
        QVERIFY(!frm.sixColorsHeader->isVisible() && !frm.sevenColorsHeader->isVisible() &&
                !frm.sevenColorsRule->isVisible());
        QVERIFY(frm.totalHeader->isVisible() && frm.sixColorsRule->isVisible());

        input::Click(frm.viewButtons[4]);
        QCOMPARE(Column(frm, 1), (QStringList{"1", "0", "0%", "10.0", "-", "-"}));
        QVERIFY(frm.gamesFigures[1]->isVisible() && frm.sixColorsHeader->isVisible() &&
                frm.sevenColorsRule->isVisible());
        QVERIFY(!frm.totalHeader->isVisible());
    }

    // The largest counts a record holds, and their sums, show whole in every view.
    void figuresAreNeverCut() {
        PlayerRec rec = FreshRecord(Player("ann"));
        rec.NumGames.fill(INT32_MAX);
        rec.TotMoves.fill(INT32_MAX);
        const RecordBytes bytes = EncodeRecord(rec);
        WriteBytes(stats->DatPath(), {bytes.begin(), bytes.end()});
        auto browser = Browse();
        StatisticsDialog frm(*browser, layout);
        Open(frm);
        for (auto [view, games] :
             {std::pair{0, "2147483647"}, {4, "8589934588"}, {5, "17179869176"}}) {
            input::Click(frm.viewButtons[view]);
            QCOMPARE(frm.gamesFigures[0]->text(), QString::fromLatin1(games));
            QCOMPARE(ClippedCaptions(&frm).join(QStringLiteral("; ")), QString());
        }
    }

    void opensOnTheBrowsersPlayerAndViewAndFollowsTheList() {
        Record("ann", 0, 2, true, 3);
        Record("bob", 0, 2, true, 8);
        LogIn(session, Player("bob"));
        auto browser = Browse(GameType::Repeats);
        StatisticsDialog frm(*browser, layout);
        QCOMPARE(Items(frm.playerBox), (QStringList{"ANN", "BOB"}));
        QCOMPARE(frm.playerBox->currentIndex(), 1);
        QVERIFY(frm.viewButtons[2]->isChecked());
        QCOMPARE(frm.bestFigures[0]->text(), QStringLiteral("8"));
        Open(frm);
        input::Click(frm.playerBox);  // the list opens on the selected entry; Up picks ann
        input::Key(QApplication::activePopupWidget(), Qt::Key_Up);
        input::Key(QApplication::activePopupWidget(), Qt::Key_Return);
        QCOMPARE(browser->Selected(), 0);
        QCOMPARE(frm.bestFigures[0]->text(), QStringLiteral("3"));
    }

    // The list after a deletion or a change by another program is the browser's; the only
    // player's deletion closes the window.
    void theListIsShownAgainAfterAChangeOrTheWindowCloses() {
        AnnBobCarlWithBobLoggedIn();
        {
            auto browser = Browse();
            StatisticsDialog frm(*browser, layout);
            Open(frm);
            host.answers = {Answer::Ok};
            input::Click(frm.deleteButton);
            QCOMPARE(Items(frm.playerBox), (QStringList{"ANN", "CARL"}));
            QCOMPARE(frm.playerBox->currentIndex(), 0);
            QCOMPARE(frm.bestFigures[0]->text(), QStringLiteral("3"));
            QCOMPARE(frm.focusWidget(), frm.coolButton);
            QVERIFY(frm.isVisible());
        }
        QVERIFY(StatsFile(folder.path().toStdString()).RemovePlayer(0, Player("ANN")).Ok());
        host.answers = {Answer::Ok};
        auto browser = Browse();  // on the only player
        StatisticsDialog last(*browser, layout);
        Open(last);
        input::Click(last.deleteButton);
        QVERIFY(!QFileInfo::exists(folder.filePath("stats.dat")));
        QVERIFY(!last.isVisible());
    }

    // Enter presses the focused button; with the focus on the list it answers "Cool".
    void enterPressesTheFocusedButton() {
        Record("ann", 0, 0, true, 3);
        Record("bob", 0, 0, true, 4);
        auto browser = Browse();
        StatisticsDialog frm(*browser, layout);
        Open(frm);
        frm.playerBox->setFocus();
        input::Key(&frm, Qt::Key_Tab);
        QCOMPARE(frm.focusWidget(), frm.deleteButton);
        host.answers.push_back(Answer::Cancel);
        input::Key(&frm, Qt::Key_Return);
        QCOMPARE(host.messages.size(), size_t(1));
        QCOMPARE(host.LastMessage().Title, std::string("Woah!"));
        QVERIFY(frm.isVisible());

        frm.playerBox->setFocus();
        input::Key(&frm, Qt::Key_Enter);
        QCOMPARE(host.messages.size(), size_t(1));
        QVERIFY(!frm.isVisible());
    }
};

QTEST_MAIN(StatisticsDialogTest)
#include "statistics_dialog_test.moc"

// The real message boxes: title, text, buttons, icon, default button, the answer codes, and
// what Escape and the close command answer; and the log-in and statistics windows run over
// their views. A box left open fails the test within seconds instead of hanging it.
#include "ui/qt_modal_host.h"

#include <QClipboard>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>
#include <utility>

#include "input.h"
#include "play/login_choice.h"
#include "play/messages.h"
#include "play/stats_browser.h"
#include "rigs.h"
#include "stats/player_name.h"
#include "stats/stats_file.h"

using namespace vella;

namespace {

MessageRequest Request(MsgButtons buttons, MsgIcon icon, Answer def) {
    return MessageRequest{"Text  with two spaces", "Woah!", buttons, icon, def, {}};
}

}  // namespace

class QtModalHostTest : public QObject, private WindowLook {
    Q_OBJECT

    QTimer watchdog;
    QStringList leftOpen;

  private slots:
    void initTestCase() {
        connect(&watchdog, &QTimer::timeout, [this] {
            if (QWidget* window = QApplication::activeModalWidget()) {
                leftOpen << window->windowTitle();
                window->hide();
            }
        });
        watchdog.start(3000);
    }
    void cleanup() { QCOMPARE(std::exchange(leftOpen, {}).join(QStringLiteral(", ")), QString()); }

    // The text is shown as it is written, spaces kept, never read as formatting.
    void okBoxShowsWhatWasAskedAsWrittenAndEscapeAnswersOk() {
        QtModalHost host(layout, pictures);
        MessageRequest request = Request(MsgButtons::Ok, MsgIcon::None, Answer::Ok);
        request.Text = "Stats for <i>x</i>&amp;  will be permanently deleted!";
        request.Detail = "Below it";
        const Answer answer = Ask(host, request, [](QMessageBox* box) {
            QCOMPARE(box->windowTitle(), QStringLiteral("Woah!"));
            auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            QVERIFY(label && label->textFormat() == Qt::PlainText);
            QCOMPARE(label->text(),
                     QStringLiteral("Stats for <i>x</i>&amp;  will be permanently deleted!"));
            QCOMPARE(box->informativeText(), QStringLiteral("Below it"));
            QCOMPARE(box->icon(), QMessageBox::NoIcon);
            QCOMPARE(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
            input::Key(box, Qt::Key_Escape);
        });
        QVERIFY(answer == Answer::Ok);
    }

    // A folder name wider than the screen is broken across lines, not cut off, and Copy still
    // gives the path as it was written.
    void aPathWiderThanTheScreenWrapsAndCopiesAsWritten() {
        QtModalHost host(layout, pictures);
        const QString path =
            "/home/" + QStringLiteral("Statistikdatei_Nr_1😀").repeated(14) + "/stats.dat";
        MessageRequest request = Request(MsgButtons::Ok, MsgIcon::Exclamation, Answer::Ok);
        request.Text = ("Could not open \"" + path + "\".").toStdString();
        Ask(host, request, [&request](QMessageBox* box) {
            for (QLabel* label : box->findChildren<QLabel*>()) {
                if (!label->text().contains(QStringLiteral("Could not"))) continue;
                QVERIFY(label->minimumSizeHint().width() <= label->width());
            }
            QVERIFY(box->text().isValidUtf16());  // no break inside a character
            QVERIFY(box->screen()->availableGeometry().contains(box->frameGeometry()));
            input::Key(box, Qt::Key_C, Qt::ControlModifier);
            QCOMPARE(QGuiApplication::clipboard()->text(), QString::fromStdString(request.Text));
            input::Key(box, Qt::Key_Escape);
        });
    }

    void okCancelDefaultsToCancelAndEscapeCancels() {
        QtModalHost host(layout, pictures);
        Answer answer =
            Ask(host, Request(MsgButtons::OkCancel, MsgIcon::Exclamation, Answer::Cancel),
                [](QMessageBox* box) {
                    QCOMPARE(box->icon(), QMessageBox::Warning);
                    QCOMPARE(box->defaultButton(), box->button(QMessageBox::Cancel));
                    input::Key(box, Qt::Key_Escape);
                });
        QVERIFY(answer == Answer::Cancel);
        answer = Ask(host, Request(MsgButtons::OkCancel, MsgIcon::Exclamation, Answer::Cancel),
                     [](QMessageBox* box) { input::Click(box->button(QMessageBox::Ok)); });
        QVERIFY(answer == Answer::Ok);
    }

    // The result, log-in and statistics windows run over their views, each where designed
    // beside its game window: the game window as designed (client area at 189, 114), and moved.
    void windowsRunOverTheirViewsBesideTheGameWindow() {
        QTemporaryDir folder;
        StatsFile stats(folder.path().toStdString());
        QVERIFY(stats.RecordGame(Player("ann"), {0, 0, true, 4}).Ok());
        QtModalHost host(layout, pictures);
        QMainWindow game;
        game.setCentralWidget(new QWidget);
        host.SetParent(&game);
        QStringList shown;
        QList<QPoint> places;
        const auto answer = [&](Qt::Key key) {
            QTimer::singleShot(0, [&, key] {
                QWidget* window = QApplication::activeModalWidget();
                QVERIFY(window);
                shown << window->windowTitle();
                places << window->geometry().topLeft();
                input::Key(window, key);
            });
        };
        for (const QPoint moved : {QPoint(0, 0), QPoint(100, 40)}) {
            game.setGeometry(QRect(QPoint(189, 114) + moved, QSize(291, 452)));
            game.show();
            shown.clear();
            places.clear();
            answer(Qt::Key_Return);
            host.ShowResult(ResultFor(true, {0, 1, 2, 3}, 6));
            LoginChoice choice(host, PlayerSession{}, stats.ReadNames().Value);
            answer(Qt::Key_Return);  // the only player is preselected
            host.RunLogin(choice);
            QCOMPARE(choice.Outcome().Player, Player("ANN"));
            StatsBrowser browser(host, stats);
            QVERIFY(browser.Open({}, GameType::Standard));
            answer(Qt::Key_Escape);
            host.RunStatistics(browser);
            QCOMPARE(shown, (QStringList{"Congratulations!", "¿Quién Es Usted?", "Player Stats"}));
            QCOMPARE(places, (QList<QPoint>{QPoint(220, 97) + moved, QPoint(235, 140) + moved,
                                            QPoint(129, 142) + moved}));
        }
    }

    void yesNoCannotBeDismissedWithoutAnAnswer() {
        QtModalHost host(layout, pictures);
        Answer answer = Ask(host, Request(MsgButtons::YesNo, MsgIcon::Exclamation, Answer::Yes),
                            [](QMessageBox* box) {
                                QCOMPARE(box->defaultButton(), box->button(QMessageBox::Yes));
                                input::Key(box, Qt::Key_Escape);
                                QVERIFY(box->isVisible());
                                box->close();
                                QVERIFY(box->isVisible());
                                input::Click(box->button(QMessageBox::No));
                            });
        QVERIFY(answer == Answer::No);
        answer = Ask(host, Request(MsgButtons::YesNo, MsgIcon::Exclamation, Answer::Yes),
                     [](QMessageBox* box) { input::Key(box, Qt::Key_Return); });
        QVERIFY(answer == Answer::Yes);
    }
};

QTEST_MAIN(QtModalHostTest)
#include "qt_modal_host_test.moc"

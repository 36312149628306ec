// The real message boxes: title, text, buttons, icon, default button, the answer codes, and
// what Escape and the close command answer.
#include "ui/qt_modal_host.h"

#include <QMessageBox>
#include <QPushButton>
#include <QtTest>
#include <functional>

#include "input.h"
#include "stats/names.h"
#include "stats/stats_file.h"

using namespace vella;

namespace {

// Runs `act` on the message box once it is showing, then returns the host's answer.
Answer Ask(QtModalHost& host, const MessageRequest& request,
           std::function<void(QMessageBox*)> act) {
    QTimer::singleShot(0, [act] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        act(box);
    });
    return host.Message(request);
}

MessageRequest Request(MsgButtons buttons, MsgIcon icon, Answer def) {
    return MessageRequest{"Text  with two spaces", "Woah!", buttons, icon, def};
}

}  // namespace

class QtModalHostTest : public QObject {
    Q_OBJECT

  private slots:
    void okBoxShowsWhatWasAskedAndEscapeAnswersOk() {
        QtModalHost host;
        const Answer answer =
            Ask(host, Request(MsgButtons::Ok, MsgIcon::None, Answer::Ok), [](QMessageBox* box) {
                QCOMPARE(box->windowTitle(), QStringLiteral("Woah!"));
                QCOMPARE(box->text(), QStringLiteral("Text  with two spaces"));
                QCOMPARE(box->icon(), QMessageBox::NoIcon);
                QCOMPARE(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
                input::Key(box, Qt::Key_Escape);
            });
        QVERIFY(answer == Answer::Ok);
    }

    void okCancelDefaultsToCancelAndEscapeCancels() {
        QtModalHost host;
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

    // The players cannot be read: the failure is shown, and no empty statistics window after it.
    void anUnreadableFileOpensNoStatisticsWindow() {
        QTemporaryDir folder;
        QDir(folder.path()).mkdir(QStringLiteral("stats.dat"));
        StatsFile stats(folder.path().toStdString());
        QtModalHost host;
        QStringList shown;
        QTimer closer;
        connect(&closer, &QTimer::timeout, [&shown] {
            if (QWidget* window = QApplication::activeModalWidget()) {
                shown << window->windowTitle();
                input::Key(window, Qt::Key_Escape);
            }
        });
        closer.start(20);
        host.ShowStats(StoredName("ann"), stats, 0);
        QCOMPARE(shown.size(), 1);
        QVERIFY(shown[0] != QStringLiteral("Player Stats"));
    }

    void yesNoCannotBeDismissedWithoutAnAnswer() {
        QtModalHost host;
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

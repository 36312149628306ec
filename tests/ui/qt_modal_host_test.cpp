// The real message boxes: title, text, buttons, icon, default button, the answer codes, and
// what Escape and the close command answer.
#include "ui/qt_modal_host.h"

#include <QMessageBox>
#include <QPushButton>
#include <QtTest>
#include <functional>

#include "input.h"

using namespace vella;

namespace {

// Runs `act` on the message box once it is showing, then returns the host's answer.
int Answer(QtModalHost& host, const MessageRequest& request,
           std::function<void(QMessageBox*)> act) {
    QTimer::singleShot(0, [act] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        act(box);
    });
    return host.Message(request);
}

MessageRequest Request(MsgButtons buttons, MsgIcon icon, MsgAnswer def) {
    MessageRequest request{QStringLiteral("Text  with two spaces"), QStringLiteral("Woah!"),
                           buttons, icon, def};
    return request;
}

}  // namespace

class QtModalHostTest : public QObject {
    Q_OBJECT

  private slots:
    void okBoxShowsWhatWasAskedAndEscapeAnswersOk() {
        QtModalHost host;
        const int answer =
            Answer(host, Request(MsgButtons::Ok, MsgIcon::None, AnswerOk), [](QMessageBox* box) {
                QCOMPARE(box->windowTitle(), QStringLiteral("Woah!"));
                QCOMPARE(box->text(), QStringLiteral("Text  with two spaces"));
                QCOMPARE(box->icon(), QMessageBox::NoIcon);
                QCOMPARE(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
                input::Key(box, Qt::Key_Escape);
            });
        QCOMPARE(answer, 1);
    }

    void okCancelDefaultsToCancelAndEscapeCancels() {
        QtModalHost host;
        int answer = Answer(host, Request(MsgButtons::OkCancel, MsgIcon::Exclamation, AnswerCancel),
                            [](QMessageBox* box) {
                                QCOMPARE(box->icon(), QMessageBox::Warning);
                                QCOMPARE(box->defaultButton(), box->button(QMessageBox::Cancel));
                                input::Key(box, Qt::Key_Escape);
                            });
        QCOMPARE(answer, 2);
        answer = Answer(host, Request(MsgButtons::OkCancel, MsgIcon::Exclamation, AnswerCancel),
                        [](QMessageBox* box) { input::Click(box->button(QMessageBox::Ok)); });
        QCOMPARE(answer, 1);
    }

    void yesNoCannotBeDismissedWithoutAnAnswer() {
        QtModalHost host;
        int answer = Answer(host, Request(MsgButtons::YesNo, MsgIcon::Exclamation, AnswerYes),
                            [](QMessageBox* box) {
                                QCOMPARE(box->defaultButton(), box->button(QMessageBox::Yes));
                                input::Key(box, Qt::Key_Escape);
                                QVERIFY(box->isVisible());
                                box->close();
                                QVERIFY(box->isVisible());
                                input::Click(box->button(QMessageBox::No));
                            });
        QCOMPARE(answer, 7);
        answer = Answer(host, Request(MsgButtons::YesNo, MsgIcon::Exclamation, AnswerYes),
                        [](QMessageBox* box) { input::Key(box, Qt::Key_Return); });
        QCOMPARE(answer, 6);
    }
};

QTEST_MAIN(QtModalHostTest)
#include "qt_modal_host_test.moc"

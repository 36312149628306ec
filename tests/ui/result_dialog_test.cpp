// The result window: titles, texts, fonts, colours, the secret's pictures, the blink and closing.
#include "ui/result_dialog.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "input.h"
#include "play/messages.h"
#include "play/speech.h"
#include "rigs.h"
#include "text_fits.h"
#include "ui/dialog_style.h"
#include "ui/pictures.h"
#include "ui/twips.h"

using namespace vella;

// How long the result message stays as it is between its turns, from when the window is made.
struct Blinks : QObject {
    QElapsedTimer clock;
    QList<qint64> steps;
    qint64 last = 0;

    Blinks() { clock.start(); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Hide || (event->type() == QEvent::Show && last)) {
            steps << clock.elapsed() - last;
            last = clock.elapsed();
        }
        return false;
    }
};

class ResultDialogTest : public QObject {
    Q_OBJECT

  private:
    Layout layout;
    Pictures pictures{layout, false};

    // The controls as a person or a screen reader finds them.
    static QLabel* Message(ResultDialog& frm, const ResultRequest& request) {
        return Find<QLabel>(&frm, QString::fromStdString(request.Spoken));
    }
    static QPushButton* Button(ResultDialog& frm, const ResultRequest& request) {
        return Find<QPushButton>(&frm, QString::fromStdString(request.Button));
    }

  private slots:
    // The mid-end's words, as given; a won game's message large and blinking, a lost game's
    // smaller and steady; a blank position shows only the cell's border.
    void showsTheOutcomeAndTheSecret() {
        for (const bool won : {true, false}) {
            const ResultRequest request =
                ResultFor(won, won ? Pattern{0, 6, 2, 5} : Pattern{6, 1, 6, 3}, won ? 7 : 6);
            Blinks blinks;
            ResultDialog frm(request, layout, pictures);
            frm.show();
            QLabel* message = Message(frm, request);
            message->installEventFilter(&blinks);
            QCOMPARE(frm.windowTitle(), QString::fromStdString(request.Title));
            QCOMPARE(message->text(), QString::fromStdString(request.Message));
            QCOMPARE(message->font().pointSize(), won ? 24 : 10);
            QVERIFY(message->font().bold());
            QCOMPARE(message->palette().color(QPalette::WindowText), QColor(255, 255, 0));
            for (int i = 0; i < 4; ++i) {
                const ColorCode code = request.Secret[i];
                QLabel* peg = Find<QLabel>(&frm, QString::fromStdString(request.PegNames[i]));
                QCOMPARE(
                    peg->pixmap().toImage(),
                    (code == request.BlankCode ? pictures.Empty() : pictures.Peg(code)).toImage());
                QCOMPARE(peg->geometry(), QRect(28 + 40 * i, 24, 32, 32));
            }
            // A win blinks: shown for 500 ms, then hidden for 500 ms, then shown for 800 ms; a
            // loss does not. A busy machine may only make a step longer (a coarse timer may fire
            // up to 5 % early).
            QTest::qWait(2000);
            const QList<qint64> steps = blinks.steps;
            QVERIFY2(won ? steps.size() >= 3 : steps.isEmpty(),
                     qPrintable(QDebug::toString(steps)));
            if (won) QVERIFY(steps[0] >= 475 && steps[1] >= 475 && steps[2] >= 760);
        }
    }

    void layoutAndFonts() {
        const ResultRequest request = ResultFor(true, {0, 1, 2, 3}, 6);
        ResultDialog frm(request, layout, pictures);
        auto* secretGroup = frm.findChild<QGroupBox*>();
        QCOMPARE(Message(frm, request)->alignment(), Qt::AlignCenter);
        QCOMPARE(Button(frm, request)->font().pointSizeF(), 13.5);
        QCOMPARE(secretGroup->title(), QStringLiteral("The Secret Pattern"));
        // Every text in the dialogs' one family and width; only sizes and weights differ.
        for (QWidget* text : std::initializer_list<QWidget*>{Message(frm, request),
                                                             Button(frm, request), secretGroup}) {
            QCOMPARE(text->font().family(), DialogFont(layout).family());
            QCOMPARE(text->font().stretch(), DialogFont(layout).stretch());
        }
        QCOMPARE(secretGroup->font().pointSize(), 8);
        QCOMPARE(frm.size(), QSize(229, 188));
        QCOMPARE(Button(frm, request)->geometry(), QRect(8, 144, 209, 33));
        QCOMPARE(ClippedCaptions(&frm).join(QStringLiteral("; ")), QString());
    }

    // Closing stops the blink: the message stays as it was.
    void onlyTheButtonTakesFocusAndEnterOrSpaceCloses() {
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Space}) {
            const ResultRequest request = ResultFor(true, {0, 1, 2, 3}, 6);
            ResultDialog frm(request, layout, pictures);
            frm.show();
            QVERIFY(input::Activate(&frm));
            QCOMPARE(QApplication::focusWidget(), Button(frm, request));
            input::Key(&frm, key);
            QTRY_VERIFY(!frm.isVisible());
            QCOMPARE(frm.result(), int(QDialog::Accepted));
            QLabel* message = Message(frm, request);
            QTest::qWait(600);
            QVERIFY(!message->isHidden());
        }
        const ResultRequest request = ResultFor(false, {0, 1, 2, 3}, 6);
        ResultDialog frm(request, layout, pictures);
        for (QWidget* w : frm.findChildren<QWidget*>()) {
            if (w != Button(frm, request)) QCOMPARE(w->focusPolicy(), Qt::NoFocus);
        }
    }
};

QTEST_MAIN(ResultDialogTest)
#include "result_dialog_test.moc"

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
#include "text_fits.h"
#include "ui/dialog_style.h"
#include "ui/pictures.h"

using namespace vella;

class ResultDialogTest : public QObject {
    Q_OBJECT

  private slots:
    // The mid-end's words, as given; a won game's message large and blinking, a lost game's
    // smaller and steady; a blank position shows only the cell's border.
    void showsTheOutcomeAndTheSecret() {
        for (const bool won : {true, false}) {
            const ResultRequest request =
                ResultFor(won, won ? Pattern{0, 6, 2, 5} : Pattern{6, 1, 6, 3}, won ? 7 : 6);
            ResultDialog frm(request);
            QCOMPARE(frm.windowTitle(), QString::fromStdString(request.Title));
            QCOMPARE(frm.message->text(), QString::fromStdString(request.Message));
            QCOMPARE(frm.okButton->text(), QString::fromStdString(request.Button));
            QCOMPARE(frm.message->font().pointSize(), won ? 24 : 10);
            QVERIFY(frm.message->font().bold());
            QCOMPARE(frm.message->palette().color(QPalette::WindowText), QColor(255, 255, 0));
            QCOMPARE(frm.blinkTimer->isActive(), won);
            for (int i = 0; i < 4; ++i) {
                const ColorCode code = request.Secret[i];
                QCOMPARE(frm.secretPegs[i]->pixmap().toImage(),
                         (code == request.BlankCode ? pictures::Empty() : pictures::Peg(code))
                             .toImage());
                QCOMPARE(frm.secretPegs[i]->geometry(), QRect(28 + 40 * i, 24, 32, 32));
            }
        }
    }

    void layoutAndFonts() {
        ResultDialog frm(ResultFor(true, {0, 1, 2, 3}, 6));
        QCOMPARE(frm.message->alignment(), Qt::AlignCenter);
        QCOMPARE(frm.okButton->font().pointSizeF(), 13.5);
        QCOMPARE(frm.secretGroup->title(), QStringLiteral("The Secret Pattern"));
        // Every text in the dialogs' one family and width; only sizes and weights differ.
        for (QWidget* text :
             std::initializer_list<QWidget*>{frm.message, frm.okButton, frm.secretGroup}) {
            QCOMPARE(text->font().family(), DialogFont().family());
            QCOMPARE(text->font().stretch(), DialogFont().stretch());
        }
        QCOMPARE(frm.secretGroup->font().pointSize(), 8);
        QCOMPARE(frm.blinkTimer->interval(), 500);
        QCOMPARE(frm.size(), QSize(229, 188));
        QCOMPARE(frm.okButton->geometry(), QRect(8, 144, 209, 33));
        QCOMPARE(ClippedCaptions(&frm).join(QStringLiteral("; ")), QString());
    }

    void labelBlinksHiddenFiveHundredShownEightHundred() {
        ResultDialog frm(ResultFor(true, {0, 1, 2, 3}, 6));
        frm.show();
        QVERIFY(frm.message->isVisible());
        frm.onBlink();
        QVERIFY(!frm.message->isVisible());
        QCOMPARE(frm.blinkTimer->interval(), 500);
        frm.onBlink();
        QVERIFY(frm.message->isVisible());
        QCOMPARE(frm.blinkTimer->interval(), 800);
        QTRY_VERIFY_WITH_TIMEOUT(!frm.message->isVisible(), 2000);  // the real timer ticks too
    }

    void onlyTheButtonTakesFocusAndEnterOrSpaceCloses() {
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Space}) {
            ResultDialog frm(ResultFor(true, {0, 1, 2, 3}, 6));
            frm.show();
            QVERIFY(input::Activate(&frm));
            QCOMPARE(QApplication::focusWidget(), frm.okButton);
            input::Key(&frm, key);
            QTRY_VERIFY(!frm.isVisible());
            QCOMPARE(frm.result(), int(QDialog::Accepted));
            QVERIFY(!frm.blinkTimer->isActive());
        }
        ResultDialog frm(ResultFor(false, {0, 1, 2, 3}, 6));
        for (QWidget* w : frm.findChildren<QWidget*>()) {
            if (w != frm.okButton) QCOMPARE(w->focusPolicy(), Qt::NoFocus);
        }
    }
};

QTEST_MAIN(ResultDialogTest)
#include "result_dialog_test.moc"

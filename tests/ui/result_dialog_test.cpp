// The result window: titles, texts, fonts, colours, the secret's pictures, the blink and closing.
#include "ui/result_dialog.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "input.h"
#include "play/board_names.h"
#include "text_fits.h"
#include "ui/dialog_style.h"
#include "ui/pictures.h"

using namespace vella;

class ResultDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void wonGameCongratulatesAndShowsTheSecret() {
        ResultDialog frm(ResultFor(true, {0, 6, 2, 5}, 7));
        QCOMPARE(frm.windowTitle(), QStringLiteral("Congratulations!"));
        QCOMPARE(frm.message->text(), QStringLiteral("You Won!!"));
        QCOMPARE(frm.message->font().pointSize(), 24);
        QVERIFY(frm.message->font().bold());
        QCOMPARE(frm.message->palette().color(QPalette::WindowText), QColor(255, 255, 0));
        QCOMPARE(frm.message->alignment(), Qt::AlignCenter);
        QCOMPARE(frm.okButton->text(), QStringLiteral("I'm Cool"));
        QCOMPARE(frm.okButton->font().pointSizeF(), 13.5);
        QCOMPARE(frm.secretGroup->title(), QStringLiteral("The Secret Pattern"));
        // Every text in the dialogs' one family and width; only sizes and weights differ.
        for (QWidget* text :
             {static_cast<QWidget*>(frm.message), static_cast<QWidget*>(frm.okButton),
              static_cast<QWidget*>(frm.secretGroup)}) {
            QCOMPARE(text->font().family(), DialogFont().family());
            QCOMPARE(text->font().stretch(), DialogFont().stretch());
        }
        QCOMPARE(frm.secretGroup->font().pointSize(), 8);
        QVERIFY(frm.blinkTimer->isActive());
        QCOMPARE(frm.blinkTimer->interval(), 500);
        const int codes[] = {0, 6, 2, 5};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(frm.secretPegs[i]->pixmap().toImage(), pictures::Peg(codes[i]).toImage());
            QCOMPARE(frm.secretPegs[i]->geometry(), QRect(28 + 40 * i, 24, 32, 32));
        }
        QCOMPARE(frm.size(), QSize(229, 188));
        QCOMPARE(frm.okButton->geometry(), QRect(8, 144, 209, 33));
        QCOMPARE(ClippedCaptions(&frm).join(QStringLiteral("; ")), QString());
    }

    void lostGameIsSteadyAndSmaller() {
        ResultDialog frm(ResultFor(false, {6, 1, 6, 3}, 6));
        QCOMPARE(frm.windowTitle(), QStringLiteral("Better Luck Next Time"));
        QCOMPARE(frm.message->text(), QStringLiteral("I'm Sorry.  You Didn't Win This Time."));
        QCOMPARE(frm.message->font().pointSize(), 10);
        QVERIFY(frm.message->font().bold());
        QCOMPARE(frm.message->palette().color(QPalette::WindowText), QColor(255, 255, 0));
        QCOMPARE(frm.okButton->text(), QStringLiteral("I Will Try Harder"));
        QVERIFY(!frm.blinkTimer->isActive());
        // Blank positions show only the cell's border.
        QCOMPARE(frm.secretPegs[0]->pixmap().toImage(), pictures::Empty().toImage());
        QCOMPARE(frm.secretPegs[2]->pixmap().toImage(), pictures::Empty().toImage());
        QCOMPARE(frm.secretPegs[1]->pixmap().toImage(), pictures::Peg(1).toImage());
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
            QApplication::setActiveWindow(&frm);
            QVERIFY(QTest::qWaitForWindowActive(&frm));
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

// The result window: titles, texts, fonts, colours, the secret's pictures, the blink and closing.
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "input.h"
#include "text_fits.h"
#include "ui/dialog_style.h"
#include "ui/pictures.h"
#include "ui/real_colors_frm.h"

using namespace vella;

class ResultWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void wonGameCongratulatesAndShowsTheSecret() {
        RealColorsFrm frm(ResultRequest{true, {0, 6, 2, 5}, 7});
        QCOMPARE(frm.windowTitle(), QStringLiteral("Congratulations!"));
        QCOMPARE(frm.Label1->text(), QStringLiteral("You Won!!"));
        QCOMPARE(frm.Label1->font().pointSize(), 24);
        QVERIFY(frm.Label1->font().bold());
        QCOMPARE(frm.Label1->palette().color(QPalette::WindowText), QColor(255, 255, 0));
        QCOMPARE(frm.Label1->alignment(), Qt::AlignCenter);
        QCOMPARE(frm.OKBtn->text(), QStringLiteral("I'm Cool"));
        QCOMPARE(frm.OKBtn->font().pointSizeF(), 13.5);
        QCOMPARE(frm.Frame1->title(), QStringLiteral("The Secret Pattern"));
        // Every text in the dialogs' one family and width; only sizes and weights differ.
        for (QWidget* text : {static_cast<QWidget*>(frm.Label1), static_cast<QWidget*>(frm.OKBtn),
                              static_cast<QWidget*>(frm.Frame1)}) {
            QCOMPARE(text->font().family(), DialogFont().family());
            QCOMPARE(text->font().stretch(), DialogFont().stretch());
        }
        QCOMPARE(frm.Frame1->font().pointSize(), 8);
        QVERIFY(frm.Timer1->isActive());
        QCOMPARE(frm.Timer1->interval(), 500);
        const int codes[] = {0, 6, 2, 5};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(frm.AnsImg[i]->pixmap().toImage(), pictures::Peg(codes[i]).toImage());
            QCOMPARE(frm.AnsImg[i]->geometry(), QRect(28 + 40 * i, 24, 32, 32));
        }
        QCOMPARE(frm.size(), QSize(229, 188));
        QCOMPARE(frm.OKBtn->geometry(), QRect(8, 144, 209, 33));
        QCOMPARE(ClippedCaptions(&frm).join(QStringLiteral("; ")), QString());
    }

    void lostGameIsSteadyAndSmaller() {
        RealColorsFrm frm(ResultRequest{false, {6, 1, 6, 3}, 6});
        QCOMPARE(frm.windowTitle(), QStringLiteral("Better Luck Next Time"));
        QCOMPARE(frm.Label1->text(), QStringLiteral("I'm Sorry.  You Didn't Win This Time."));
        QCOMPARE(frm.Label1->font().pointSize(), 10);
        QVERIFY(frm.Label1->font().bold());
        QCOMPARE(frm.Label1->palette().color(QPalette::WindowText), QColor(255, 255, 0));
        QCOMPARE(frm.OKBtn->text(), QStringLiteral("I Will Try Harder"));
        QVERIFY(!frm.Timer1->isActive());
        // Blank positions show only the cell's border.
        QCOMPARE(frm.AnsImg[0]->pixmap().toImage(), pictures::Empty().toImage());
        QCOMPARE(frm.AnsImg[2]->pixmap().toImage(), pictures::Empty().toImage());
        QCOMPARE(frm.AnsImg[1]->pixmap().toImage(), pictures::Peg(1).toImage());
    }

    void labelBlinksHiddenFiveHundredShownEightHundred() {
        RealColorsFrm frm(ResultRequest{true, {0, 1, 2, 3}, 6});
        frm.show();
        QVERIFY(frm.Label1->isVisible());
        frm.Timer1_Timer();
        QVERIFY(!frm.Label1->isVisible());
        QCOMPARE(frm.Timer1->interval(), 500);
        frm.Timer1_Timer();
        QVERIFY(frm.Label1->isVisible());
        QCOMPARE(frm.Timer1->interval(), 800);
        QTRY_VERIFY_WITH_TIMEOUT(!frm.Label1->isVisible(), 2000);  // the real timer ticks too
    }

    void onlyTheButtonTakesFocusAndEnterOrSpaceCloses() {
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Space}) {
            RealColorsFrm frm(ResultRequest{true, {0, 1, 2, 3}, 6});
            frm.show();
            QApplication::setActiveWindow(&frm);
            QVERIFY(QTest::qWaitForWindowActive(&frm));
            QCOMPARE(QApplication::focusWidget(), frm.OKBtn);
            input::Key(&frm, key);
            QTRY_VERIFY(!frm.isVisible());
            QCOMPARE(frm.result(), int(QDialog::Accepted));
            QVERIFY(!frm.Timer1->isActive());
        }
        RealColorsFrm frm(ResultRequest{false, {0, 1, 2, 3}, 6});
        for (QWidget* w : frm.findChildren<QWidget*>()) {
            if (w != frm.OKBtn) QCOMPARE(w->focusPolicy(), Qt::NoFocus);
        }
    }
};

QTEST_MAIN(ResultWindowTest)
#include "result_window_test.moc"

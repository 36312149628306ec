// The game window at 200 %: the layout keeps its logical geometry and every picture is drawn
// from its double-size design, pixel for pixel, never scaled up.
#include <QLabel>
#include <QtTest>

#include "input.h"
#include "play/messages.h"
#include "play/speech.h"
#include "rigs.h"
#include "ui/game_window.h"
#include "ui/help_viewer.h"
#include "ui/peg_hole.h"
#include "ui/pictures.h"
#include "ui/result_dialog.h"
#include "ui/score_view.h"
#include "ui/twips.h"

using namespace vella;

class HiDpiTest : public QObject, private GameRig {
    Q_OBJECT

  private slots:
    void picturesAreDrawnAtDoubleResolution() {
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
        ScratchStats scratch;
        scratch.Reset();
        OpenWindow(std::make_unique<StatsFile>(scratch.folder.path().toStdString()));
        QCOMPARE(frm->centralWidget()->size(), QSize(291, 452));
        QCOMPARE(Hole(0)->geometry(), QRect(8, 376, 32, 32));
        // The screen, 1600 × 1200 device pixels, is 800 × 600 at this scale: the window is drawn
        // as designed, and wholly on it.
        const QRect screen = frm->screen()->availableGeometry();
        QVERIFY2(screen.contains(frm->frameGeometry()), qPrintable(QDebug::toString(screen)));

        input::Click(PaletteColor(2), Qt::RightButton);
        const QPixmap hole = Hole(0)->pixmap();
        QCOMPARE(hole.devicePixelRatio(), 2.0);
        QCOMPARE(hole.size(), QSize(64, 64));
        QCOMPARE(hole.toImage(), QImage(QStringLiteral(":/assets/peg2@2x.xpm"))
                                     .convertToFormat(hole.toImage().format()));
        QCOMPARE(PaletteColor(5)->pixmap().size(), QSize(64, 64));
        QCOMPARE(pictures.StatsChart().size(), QSize(64, 64));
        QCOMPARE(DragHotSpot(hole), QPoint(16, 16));  // the peg's centre, in logical pixels

        // On screen the peg is drawn one device pixel for one: no colour appears that the
        // design, the hole's background or its border does not have (scaling up would blend
        // new ones in), and the body keeps every pixel of the double-size design.
        const QImage shot = Hole(0)->grab().toImage();
        QCOMPARE(shot.size(), QSize(64, 64));
        const QImage design(QStringLiteral(":/assets/peg2@2x.xpm"));
        QSet<QRgb> allowed{Hole(0)->palette().color(QPalette::Window).rgb(),
                           QColor(Qt::black).rgb()};
        QSet<QRgb> seen;
        int designRed = 0, shotRed = 0;
        for (int i = 0; i < 64 * 64; ++i) {
            const QColor drawn = design.pixelColor(i % 64, i / 64);
            const QColor shown = shot.pixelColor(i % 64, i / 64);
            if (drawn.alpha() == 255) allowed << drawn.rgb();
            seen << shown.rgb();
            designRed += drawn == QColor(255, 0, 0);
            shotRed += shown == QColor(255, 0, 0);
        }
        QVERIFY((seen - allowed).isEmpty());
        QCOMPARE(shotRed, designRed);

        Item(ContentsCaption)->trigger();  // a help window larger than the screen is fitted
        QVERIFY(screen.contains(HelpWindow()->frameGeometry()));

        ResultDialog result(ResultFor(true, {0, 1, 6, 3}, 6), layout, pictures);
        QCOMPARE(Find<QLabel>(&result, "secret peg 1: black")->pixmap().size(), QSize(64, 64));
        QVERIFY(!frm->windowIcon().pixmap(QSize(32, 32)).isNull());
    }

    // On the plain 800 × 800 screen, 400 × 400 at this scale, the window is drawn smaller to fit:
    // its controls, fonts and pictures alike.
    void aScreenTooSmallDrawsEveryWindowSmaller() {
        OpenWindow(std::make_unique<StatsFile>(std::filesystem::path()));
        QVERIFY(frm->screen()->availableGeometry().contains(frm->frameGeometry()));
        QVERIFY(layout.Scale() < 0.8 && Hole(0)->width() == layout.Px(480));
        input::Click(PaletteColor(2), Qt::RightButton);
        QCOMPARE(Hole(0)->pixmap().deviceIndependentSize().toSize(), Hole(0)->size());
        QCOMPARE(CheckButton()->font().pointSizeF(), 30 * layout.Scale());
        ResultDialog result(ResultFor(true, {0, 1, 6, 3}, 6), layout, pictures);
        QCOMPARE(Find<QLabel>(&result, "secret peg 1: black")->pixmap().size(),
                 Hole(0)->size() * 2);
    }

    // The score boxes of a row share their inner lines, as wide as the outer ones, however
    // much smaller the windows are drawn. (Captions at every scale: translations_test.)
    void scoreBoxLinesStayEvenAtEveryLayoutScale() {
        for (int twipsPerPixel = 15; twipsPerPixel <= 30; ++twipsPerPixel) {
            layout = Layout(twipsPerPixel);
            ScoreView scores(layout, nullptr);
            const auto box = [&scores](int k) {
                return scores.findChild<QLabel*>(QStringLiteral("score%1").arg(k))->geometry();
            };
            QCOMPARE(box(0).right(), box(1).left());
            QCOMPARE(box(2).bottom(), box(0).top());
        }
    }
};

QTEST_MAIN(HiDpiTest)
#include "hidpi_test.moc"

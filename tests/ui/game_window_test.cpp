// The game window as a player sees it: layout, menus, focus, placing pegs, scores, and whole
// games driven through its handlers.
#include "ui/game_window.h"

#include <QCheckBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QtTest>
#include <memory>

#include "input.h"
#include "play/messages.h"
#include "play/speech.h"
#include "rigs.h"
#include "text_fits.h"
#include "ui/image_control.h"
#include "ui/pictures.h"
#include "ui/result_dialog.h"
#include "ui/screen_fit.h"

using namespace vella;

namespace {

QColor Background(QLabel* indicator) {
    return indicator->palette().color(QPalette::Window);
}

bool SamePicture(const QPixmap& a, const QPixmap& b) {
    return a.toImage() == b.toImage();
}

void Drop(QWidget* target, QMimeData* mime) {
    std::unique_ptr<QMimeData> data(mime);
    // As in a real drag, the target is entered before the peg is dropped on it.
    QDragEnterEvent enter(QPoint(16, 16), Qt::MoveAction, data.get(), Qt::LeftButton,
                          Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(QPointF(16, 16), Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
}

void Drop(QWidget* target, const DragSource& source) {
    Drop(target, EncodeDrag(source));
}

// A drag as another running copy of the program would start it.
QMimeData* ForeignDrag(const char* source) {
    auto* data = new QMimeData;
    data->setData(PegMimeType, QByteArray(source) + ":0b0a8f59-other-copy");
    return data;
}

QStringList Captions(QWidget* menu) {
    QStringList captions;
    for (QAction* action : menu->actions())
        captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return captions;
}

}  // namespace

class GameWindowTest : public QObject, private GameRig {
    Q_OBJECT

  private:
    QTemporaryDir folder;
    std::vector<DragSource> drags;
    std::vector<QPixmap> dragPictures;

    void Place(int color) { input::Click(frm->paletteColors[color], Qt::RightButton); }
    void PlaceRow(std::initializer_list<int> colors) {
        for (int c : colors) Place(c);
    }
    void Guess() { input::Click(frm->checkButton, Qt::LeftButton); }

  private slots:
    // Named as the program names itself: without an organisation, Windows keeps no settings.
    void initTestCase() { QCoreApplication::setOrganizationName(QStringLiteral("Vellacode")); }

    void init() {
        OpenWindow(std::make_unique<StatsFile>(folder.path().toStdString()), Pattern{0, 1, 2, 3});
        drags.clear();
        dragPictures.clear();
        frm->StartDrag = [this](const DragSource& s, const QPixmap& picture) {
            drags.push_back(s);
            dragPictures.push_back(picture);
        };
    }

    void cleanup() {
        frm.reset();
        QDir(folder.path()).removeRecursively();
        QDir().mkpath(folder.path());
    }

    void windowIsFixedAndPlacedAsDesigned() {
        QCOMPARE(frm->windowTitle(), QStringLiteral("Vellacode"));
        QCOMPARE(frm->centralWidget()->size(), QSize(291, 452));
        QCOMPARE(frm->minimumSize(), frm->maximumSize());
        QCOMPARE(frm->centralWidget()->mapToGlobal(QPoint(0, 0)), QPoint(189, 114));
        QVERIFY(!frm->windowIcon().isNull());
    }

    void controlsSitWhereDesigned() {
        QCOMPARE(frm->board->geometry(), QRect(4, 8, 173, 417));
        QCOMPARE(frm->scoreFrame->geometry(), QRect(180, 8, 49, 417));
        QCOMPARE(frm->holes[0]->geometry(), QRect(8, 376, 32, 32));    // row 0 at the bottom left
        QCOMPARE(frm->holes[39]->geometry(), QRect(128, 16, 32, 32));  // row 9 at the top right
        for (int k = 0; k < 4; ++k) {                                  // the lower pair first
            QCOMPARE(frm->scoreBoxes[k]->geometry(),
                     QRect(8 + 16 * (k % 2), 392 - 16 * (k / 2), 17, 17));
        }
        QCOMPARE(frm->statisticsButton->geometry(), QRect(236, 20, 45, 32));
        QVERIFY(frm->statisticsButton->hasScaledContents());
        QCOMPARE(frm->paletteFrame->geometry(), QRect(236, 56, 49, 217));
        QCOMPARE(frm->paletteColors[5]->geometry(), QRect(8, 176, 32, 32));
        QCOMPARE(frm->checkButton->geometry(), QRect(236, 368, 49, 57));
        QCOMPARE(frm->repeatsBox->geometry(), QRect(8, 432, 153, 17));
        QCOMPARE(frm->blanksBox->geometry(), QRect(176, 432, 105, 17));
        QVERIFY(frm->blankPeg->isHidden());
        QCOMPARE(ClippedCaptions(frm.get()).join(QStringLiteral("; ")), QString());
    }

    void startUpStateIsWhatThePlayerFirstSees() {
        for (int i = 0; i < 6; ++i) QVERIFY(frm->paletteColors[i]->isVisible());
        QVERIFY(!frm->paletteColors[6]->isVisible());
        for (int i = 0; i < HoleCount; ++i) {
            QVERIFY(SamePicture(frm->holes[i]->pixmap(), pictures::Empty()));
            QCOMPARE(Background(frm->scoreBoxes[i]),
                     i < 4 ? QColor(255, 0, 0) : QColor(148, 148, 148));
        }
        QVERIFY(!frm->repeatsBox->isChecked() && frm->repeatsBox->isEnabled());
        QVERIFY(!frm->blanksBox->isChecked() && frm->blanksBox->isEnabled());
        QCOMPARE(frm->repeatsBox->text(), QStringLiteral("Allow Repeated Colors"));
        QCOMPARE(frm->blanksBox->text(), QStringLiteral("Allow Blanks"));
        QCOMPARE(frm->checkButton->text(), QStringLiteral("?"));
        QCOMPARE(frm->checkButton->font().pointSize(), 30);
        QVERIFY(frm->checkButton->font().bold());
        QCOMPARE(QApplication::focusWidget(), frm->checkButton);
        QCOMPARE(frm->Game().Secret(), (Pattern{0, 1, 2, 3}));
    }

    void menusReadAsDesigned() {
        QCOMPARE(Captions(frm->menuBar()), (QStringList{"&Stuff", "&Options", "&Help"}));
        QCOMPARE(Captions(frm->stuffMenu), (QStringList{"&Log In...", "E&xit"}));
        QCOMPARE(Captions(frm->optionsMenu),
                 (QStringList{"&6 Colors", "&7 Colors", "-", "&Keep Stats", "-", "Peg &Symbols"}));
        QCOMPARE(Captions(frm->helpMenu), (QStringList{"&Contents", "&About..."}));
        QCOMPARE(
            (QList<bool>{frm->sixColorsAction->isChecked(), frm->sevenColorsAction->isChecked(),
                         frm->keepStatsAction->isChecked(), frm->pegSymbolsAction->isChecked()}),
            (QList<bool>{true, false, true, false}));
        for (QMenu* menu : {frm->stuffMenu, frm->optionsMenu, frm->helpMenu})
            for (QAction* action : menu->actions()) QVERIFY(action->shortcut().isEmpty());
    }

    // The statistics picture is a Tab stop, marked only while it has the focus, and Space or
    // Enter clicks it.
    void tabCyclesGuessBlanksRepeatsAndTheStatisticsPicture() {
        QVERIFY(input::Activate(frm.get()));
        const QImage plain = frm->statisticsButton->grab().toImage();
        for (Qt::Key press : {Qt::Key_Space, Qt::Key_Return}) {
            frm->checkButton->setFocus();
            for (QWidget* next : std::initializer_list<QWidget*>{frm->blanksBox, frm->repeatsBox,
                                                                 frm->statisticsButton}) {
                input::Key(frm.get(), Qt::Key_Tab);
                QCOMPARE(QApplication::focusWidget(), next);
            }
            const QImage marked = frm->statisticsButton->grab().toImage();
            QCOMPARE(marked.pixelColor(0, marked.height() / 2),
                     frm->statisticsButton->palette().color(QPalette::Highlight));
            input::Key(frm.get(), press);
            QCOMPARE(host->LastText(), std::string("No stats to show!"));
            QCOMPARE(QApplication::focusWidget(), frm->checkButton);
        }
        QCOMPARE(host->messages.size(), size_t(2));
        QCOMPARE(frm->statisticsButton->grab().toImage(), plain);
        input::Key(frm.get(), Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), frm->statisticsButton);  // the cycle closes
    }

    void secondaryClicksPlaceAndEmptyPegs() {
        PlaceRow({2, 1, 3, 4});
        QVERIFY(SamePicture(frm->holes[0]->pixmap(), pictures::Peg(2)));
        QVERIFY(SamePicture(frm->holes[3]->pixmap(), pictures::Peg(4)));
        Place(0);  // a full row: replaces column 0
        QVERIFY(SamePicture(frm->holes[0]->pixmap(), pictures::Peg(0)));
        input::Click(frm->holes[1], Qt::RightButton);
        QVERIFY(SamePicture(frm->holes[1]->pixmap(), pictures::Empty()));
        QCOMPARE(frm->Game().Board()[1], 6);
        const auto board = frm->Game().Board();
        input::Click(frm->holes[5], Qt::RightButton);  // another row: nothing
        QCOMPARE(frm->Game().Board(), board);
    }

    void dropsFromMimeDataAlone() {
        Drop(frm->holes[2], DragSource{DragSource::Kind::Palette, 5});
        QVERIFY(SamePicture(frm->holes[2]->pixmap(), pictures::Peg(5)));
        Drop(frm->holes[0], DragSource{DragSource::Kind::Hole, 2});
        QVERIFY(SamePicture(frm->holes[0]->pixmap(), pictures::Peg(5)));
        QVERIFY(SamePicture(frm->holes[2]->pixmap(), pictures::Empty()));
        Drop(frm->holes[8], DragSource{DragSource::Kind::Palette, 1});  // outside the current row
        QCOMPARE(frm->Game().Board()[8], 6);
        Drop(frm->holes[1], DragSource{DragSource::Kind::Palette, 6});  // yellow is not in play
        QCOMPARE(frm->Game().Board()[1], 6);
        // Another copy's hole is not this board's to move; its palette is as good as ours.
        Drop(frm->holes[3], ForeignDrag("hole:0"));
        QCOMPARE(frm->Game().Board()[0], 5);
        QCOMPARE(frm->Game().Board()[3], 6);
        Drop(frm->holes[3], ForeignDrag("palette:2"));
        QCOMPARE(frm->Game().Board()[3], 2);
        QVERIFY(!frm->paletteColors[0]->acceptDrops());
        QVERIFY(frm->holes[0]->acceptDrops());
    }

    void primaryPressStartsDragsOnlyFromPaletteAndFilledCurrentHoles() {
        input::Click(frm->paletteColors[3], Qt::LeftButton);
        input::Click(frm->holes[0], Qt::LeftButton);  // empty hole
        Place(3);
        input::Click(frm->holes[0], Qt::LeftButton);
        QCOMPARE(drags.size(), size_t(2));
        QVERIFY(drags[0].kind == DragSource::Kind::Palette && drags[0].index == 3);
        QVERIFY(drags[1].kind == DragSource::Kind::Hole && drags[1].index == 0);
    }

    void enterAndSpacePressTheFocusedGuessButton() {
        QVERIFY(input::Activate(frm.get()));
        frm->checkButton->setFocus();
        input::Key(frm.get(), Qt::Key_Return);
        input::Key(frm.get(), Qt::Key_Space);
        QCOMPARE(host->messages.size(), size_t(2));  // an empty row, refused twice
        QCOMPARE(host->LastText(), std::string("You left some blanks.  Try your guess again."));
    }

    void scoreIsPaintedWhitesThenBlacksAndOptionsLock() {
        PlaceRow({0, 2, 1, 4});  // against 0 1 2 3: 1 exact, 2 colour only
        Guess();
        QCOMPARE(Background(frm->scoreBoxes[0]), QColor(Qt::white));
        QCOMPARE(Background(frm->scoreBoxes[1]), QColor(Qt::white));
        QCOMPARE(Background(frm->scoreBoxes[2]), QColor(Qt::black));
        QCOMPARE(Background(frm->scoreBoxes[3]),
                 QColor(148, 148, 148));  // the button colour, darkened
        for (int i = 4; i < 8; ++i) QCOMPARE(Background(frm->scoreBoxes[i]), QColor(Qt::red));
        QVERIFY(!frm->repeatsBox->isEnabled() && !frm->blanksBox->isEnabled());
        frm->sevenColorsAction->trigger();
        QCOMPARE(host->LastText(), std::string("Please wait until this game is over."));
        QVERIFY(frm->sixColorsAction->isChecked() && !frm->sevenColorsAction->isChecked());
        QVERIFY(!frm->paletteColors[6]->isVisible());
    }

    void colourCountAndOptionsChangeBetweenGames() {
        Place(4);
        frm->sevenColorsAction->trigger();
        QVERIFY(frm->sevenColorsAction->isChecked() && !frm->sixColorsAction->isChecked());
        QVERIFY(frm->paletteColors[6]->isVisible());
        QCOMPARE(frm->paletteFrame->height(), 249);
        QVERIFY(SamePicture(frm->holes[0]->pixmap(), pictures::Empty()));
        QCOMPARE(Background(frm->scoreBoxes[0]), QColor(Qt::red));
        frm->sevenColorsAction->trigger();  // already in force
        QVERIFY(frm->sevenColorsAction->isChecked());
        QVERIFY(host->messages.empty());

        Place(6);
        random->Queue({7, 6, 5, 4}, 8);
        input::Click(frm->blanksBox, Qt::LeftButton);
        QVERIFY(frm->blanksBox->isChecked() && !frm->repeatsBox->isChecked());
        QCOMPARE(frm->Game().Secret(), (Pattern{7, 6, 5, 4}));
        QCOMPARE(frm->Game().Board()[0], 6);  // the peg stays
        QCOMPARE(QApplication::focusWidget(), frm->checkButton);
    }

    // Peg symbols: chosen from the menu by keys, on every peg of the board, the palette, the drag
    // and the result window; nothing else changes; remembered for the next run; off again,
    // every picture is as before, pixel for pixel.
    void pegSymbolsAreShownEverywhereAndRemembered() {
        QSettings().clear();
        PlaceRow({2, 1});
        Guess();  // refused: a game stays as it is through every switch
        const QPixmap plain = frm->holes[0]->pixmap();
        QVERIFY(input::Activate(frm.get()));
        input::Key(frm.get(), Qt::Key_O, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget());
        input::Key(QApplication::activePopupWidget(), Qt::Key_S);
        QVERIFY(frm->pegSymbolsAction->isChecked());
        QVERIFY(
            SamePicture(frm->holes[0]->pixmap(), QPixmap(QStringLiteral(":/assets/peg2s.xpm"))));
        QVERIFY(!SamePicture(frm->holes[0]->pixmap(), plain));
        for (int i = 0; i < MaxColors; ++i) {
            QVERIFY(SamePicture(frm->paletteColors[i]->pixmap(),
                                QPixmap(QStringLiteral(":/assets/peg%1s.xpm").arg(i))));
        }
        QVERIFY(SamePicture(frm->holes[2]->pixmap(), pictures::Empty()));  // the empty hole stays
        input::Click(frm->paletteColors[4]);
        input::Click(frm->holes[1]);
        QCOMPARE(drags.size(), size_t(2));  // the picture that follows the pointer
        QVERIFY(SamePicture(dragPictures[0], QPixmap(QStringLiteral(":/assets/peg4s.xpm"))));
        QVERIFY(SamePicture(dragPictures[1], QPixmap(QStringLiteral(":/assets/peg1s.xpm"))));
        ResultDialog result(ResultFor(false, {3, 4, 5, 0}, 6));
        QVERIFY(SamePicture(result.secretPegs[1]->pixmap(), pictures::Peg(4)));
        QCOMPARE(host->messages.size(), size_t(1));  // only the refused row's
        QCOMPARE(frm->Game().RowPattern(0), (Pattern{2, 1, 6, 6}));
        QCOMPARE(QSettings().value(QStringLiteral("PegSymbols")).toBool(), true);

        frm.reset();  // the next run
        OpenWindow(std::make_unique<StatsFile>(folder.path().toStdString()));
        QVERIFY(frm->pegSymbolsAction->isChecked());
        QVERIFY(SamePicture(frm->paletteColors[0]->pixmap(),
                            QPixmap(QStringLiteral(":/assets/peg0s.xpm"))));
        frm->pegSymbolsAction->trigger();
        QVERIFY(SamePicture(frm->paletteColors[0]->pixmap(),
                            QPixmap(QStringLiteral(":/assets/peg0.xpm"))));
        QCOMPARE(QSettings().value(QStringLiteral("PegSymbols")).toBool(), false);
        QSettings().clear();
    }

    // An empty score box stands out from a white and a black one (a contrast of 3 or more) under
    // any palette: the button colour where it does, else its nearest shade that does.
    void emptyScoreBoxesAreToldApart_data() {
        QTest::addColumn<QColor>("button");
        QTest::addColumn<QColor>("empty");
        QTest::newRow("default light") << QColor(239, 239, 239) << QColor(148, 148, 148);
        QTest::newRow("dark") << QColor(53, 53, 53) << QColor(90, 90, 90);
        QTest::newRow("mid grey stays") << QColor(128, 128, 128) << QColor(128, 128, 128);
        QTest::newRow("white") << QColor(255, 255, 255) << QColor(148, 148, 148);
        QTest::newRow("black") << QColor(0, 0, 0) << QColor(90, 90, 90);
        QTest::newRow("light blue") << QColor(200, 220, 255) << QColor(83, 146, 255);
    }
    void emptyScoreBoxesAreToldApart() {
        QFETCH(QColor, button);
        QFETCH(QColor, empty);
        QCOMPARE(EmptyIndicatorColor(button).rgb(), empty.rgb());
        QVERIFY(ContrastRatio(empty, Qt::white) >= 3 && ContrastRatio(empty, Qt::black) >= 3);
        // Painted from the button colour, not the window's, which gives another shade.
        const QPalette before = QApplication::palette();
        QPalette palette = before;
        palette.setColor(QPalette::Button, button);
        palette.setColor(QPalette::Window, button.lightness() > 128 ? Qt::black : Qt::white);
        QApplication::setPalette(palette);
        const QColor painted = GameWindow::IndicatorColor(Indicator::Empty);
        QApplication::setPalette(before);
        QCOMPARE(painted.rgb(), empty.rgb());
        const int nearer = empty.toHsl().lightness() + (button.lightness() > 128 ? 1 : -1);
        if (empty != button) {
            const QColor step =
                QColor::fromHsl(empty.toHsl().hslHue(), empty.toHsl().hslSaturation(), nearer);
            QVERIFY(ContrastRatio(step, Qt::white) < 3 || ContrastRatio(step, Qt::black) < 3);
        }
    }

    // A window opens where it was designed where it fits there, and is otherwise moved, not
    // resized, onto the screen: the game window (291 × 473 with its menu) on screens of several
    // sizes and scales.
    void windowsAreMovedOntoSmallScreens_data() {
        QTest::addColumn<QRect>("available");  // in device-independent pixels
        QTest::addColumn<QPoint>("placed");
        QTest::newRow("1920x1080 at 1") << QRect(0, 0, 1920, 1080) << QPoint(189, 93);
        QTest::newRow("1366x768 at 1.5") << QRect(0, 0, 911, 512) << QPoint(189, 39);
        QTest::newRow("1280x1024 at 2") << QRect(0, 0, 640, 512) << QPoint(189, 39);
        QTest::newRow("800x600 at 2, smaller than the window")
            << QRect(0, 0, 400, 300) << QPoint(109, 0);
        QTest::newRow("a second screen") << QRect(1920, 24, 1280, 1000) << QPoint(1920, 93);
    }
    void windowsAreMovedOntoSmallScreens() {
        QFETCH(QRect, available);
        QFETCH(QPoint, placed);
        const QRect fitted = FitOnScreen(QRect(189, 93, 291, 473), available);
        QCOMPARE(fitted.topLeft(), placed);
        QCOMPARE(fitted.size(), QSize(291, 473));
        // A screen too small for the layout draws it smaller: fewest twips a pixel that fit.
        const QSize client(4365, 6780);
        QCOMPARE(TwipsPerPixelToFit(client, QSize(291, 452)), 15);
        QCOMPARE(TwipsPerPixelToFit(client, QSize(291, 451)), 16);
        QCOMPARE(TwipsPerPixelToFit(client, QSize(200, 1000)), 22);
        QCOMPARE(TwipsPerPixelToFit(client, QSize(4000, 4000)), 15);
    }

    void firstRowWinShowsTheResultAndStartsAFreshGame() {
        frm->keepStatsAction->trigger();  // statistics off: no log-in after a game
        PlaceRow({0, 1, 2, 3});
        Guess();
        QCOMPARE(host->results.size(), size_t(1));
        // The fresh game is painted: options open, the board empty, row 0 marked.
        QVERIFY(frm->repeatsBox->isEnabled() && frm->blanksBox->isEnabled());
        QVERIFY(SamePicture(frm->holes[0]->pixmap(), pictures::Empty()));
        QCOMPARE(Background(frm->scoreBoxes[0]), QColor(Qt::red));
    }
};

QTEST_MAIN(GameWindowTest)
#include "game_window_test.moc"

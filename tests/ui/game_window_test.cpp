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
#include "ui/contrast.h"
#include "ui/peg_drag.h"
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

}  // namespace

class GameWindowTest : public QObject, private GameRig {
    Q_OBJECT

  private:
    QTemporaryDir folder;

    void Place(int color) { input::Click(PaletteColor(color), Qt::RightButton); }
    void PlaceRow(std::initializer_list<int> colors) {
        for (int c : colors) Place(c);
    }
    void Guess() { input::Click(CheckButton(), Qt::LeftButton); }
    QStringList Pegs() {
        QStringList pegs;
        for (int i = 0; i < HoleCount; ++i) pegs << Peg(i);
        return pegs;
    }

  private slots:
    // Named as the program names itself: without an organisation, Windows keeps no settings.
    void initTestCase() { QCoreApplication::setOrganizationName(QStringLiteral("Vellacode")); }

    void init() {
        OpenWindow(std::make_unique<StatsFile>(folder.path().toStdString()), Pattern{0, 1, 2, 3});
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
        QCOMPARE(Frame(BoardName)->geometry(), QRect(4, 8, 173, 417));
        QCOMPARE(Frame(ScoresName)->geometry(), QRect(180, 8, 49, 417));
        QCOMPARE(Hole(0)->geometry(), QRect(8, 376, 32, 32));    // row 0 at the bottom left
        QCOMPARE(Hole(39)->geometry(), QRect(128, 16, 32, 32));  // row 9 at the top right
        for (int k = 0; k < 4; ++k) {                            // the lower pair first
            QCOMPARE(ScoreBox(k)->geometry(), QRect(8 + 16 * (k % 2), 392 - 16 * (k / 2), 17, 17));
        }
        QCOMPARE(StatisticsButton()->geometry(), QRect(236, 20, 45, 32));
        QCOMPARE(Frame(PaletteName)->geometry(), QRect(236, 56, 49, 217));
        QCOMPARE(PaletteColor(5)->geometry(), QRect(8, 176, 32, 32));
        QCOMPARE(CheckButton()->geometry(), QRect(236, 368, 49, 57));
        QCOMPARE(RepeatsBox()->geometry(), QRect(8, 432, 153, 17));
        QCOMPARE(BlanksBox()->geometry(), QRect(176, 432, 105, 17));
    }

    void startUpStateIsWhatThePlayerFirstSees() {
        for (int i = 0; i < 6; ++i) QVERIFY(PaletteColor(i)->isVisible());
        QVERIFY(!PaletteColor(6)->isVisible());
        for (int i = 0; i < HoleCount; ++i) {
            QVERIFY(SamePicture(Hole(i)->pixmap(), pictures.Empty()));
            QCOMPARE(Background(ScoreBox(i)), i < 4 ? QColor(255, 0, 0) : QColor(148, 148, 148));
        }
        QVERIFY(!RepeatsBox()->isChecked() && RepeatsBox()->isEnabled());
        QVERIFY(!BlanksBox()->isChecked() && BlanksBox()->isEnabled());
        QCOMPARE(RepeatsBox()->text(), QStringLiteral("Allow Repeated Colors"));
        QCOMPARE(BlanksBox()->text(), QStringLiteral("Allow Blanks"));
        QCOMPARE(CheckButton()->text(), QStringLiteral("?"));
        QCOMPARE(CheckButton()->font().pointSize(), 30);
        QVERIFY(CheckButton()->font().bold());
        QCOMPARE(QApplication::focusWidget(), CheckButton());
    }

    void menusReadAsDesigned() {
        QCOMPARE(MenuCaptions(frm->menuBar()), (QStringList{"&Stuff", "&Options", "&Help"}));
        QCOMPARE(MenuCaptions(Menu(StuffMenuCaption)), (QStringList{"&Log In...", "E&xit"}));
        QCOMPARE(MenuCaptions(Menu(OptionsMenuCaption)),
                 (QStringList{"&6 Colors", "&7 Colors", "-", "&Keep Stats", "-", "Peg &Symbols"}));
        QCOMPARE(MenuCaptions(Menu(HelpMenuCaption)), (QStringList{"&Contents", "&About..."}));
        QCOMPARE((QList<bool>{
                     Item(SixColorsCaption)->isChecked(), Item(SevenColorsCaption)->isChecked(),
                     Item(KeepStatsCaption)->isChecked(), Item(PegSymbolsCaption)->isChecked()}),
                 (QList<bool>{true, false, true, false}));
        for (QMenu* menu :
             {Menu(StuffMenuCaption), Menu(OptionsMenuCaption), Menu(HelpMenuCaption)})
            for (QAction* action : menu->actions()) QVERIFY(action->shortcut().isEmpty());
    }

    // The statistics picture is a Tab stop, marked only while it has the focus, and Space or
    // Enter clicks it.
    void tabCyclesGuessBlanksRepeatsAndTheStatisticsPicture() {
        QVERIFY(input::Activate(frm.get()));
        const QImage plain = StatisticsButton()->grab().toImage();
        for (Qt::Key press : {Qt::Key_Space, Qt::Key_Return}) {
            CheckButton()->setFocus();
            for (QWidget* next :
                 std::initializer_list<QWidget*>{BlanksBox(), RepeatsBox(), StatisticsButton()}) {
                input::Key(frm.get(), Qt::Key_Tab);
                QCOMPARE(QApplication::focusWidget(), next);
            }
            const QImage marked = StatisticsButton()->grab().toImage();
            QCOMPARE(marked.pixelColor(0, marked.height() / 2),
                     StatisticsButton()->palette().color(QPalette::Highlight));
            input::Key(frm.get(), press);
            QCOMPARE(host->LastText(), std::string("No stats to show!"));
            QCOMPARE(QApplication::focusWidget(), CheckButton());
        }
        QCOMPARE(host->messages.size(), size_t(2));
        QCOMPARE(StatisticsButton()->grab().toImage(), plain);
        input::Key(frm.get(), Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), StatisticsButton());  // the cycle closes
    }

    void secondaryClicksPlaceAndEmptyPegs() {
        PlaceRow({2, 1, 3, 4});
        QVERIFY(SamePicture(Hole(0)->pixmap(), pictures.Peg(2)));
        QVERIFY(SamePicture(Hole(3)->pixmap(), pictures.Peg(4)));
        Place(0);  // a full row: replaces column 0
        QVERIFY(SamePicture(Hole(0)->pixmap(), pictures.Peg(0)));
        input::Click(Hole(1), Qt::RightButton);
        QVERIFY(SamePicture(Hole(1)->pixmap(), pictures.Empty()));
        QCOMPARE(Peg(1), QStringLiteral("empty"));
        const QStringList pegs = Pegs();
        input::Click(Hole(5), Qt::RightButton);  // another row: nothing
        QCOMPARE(Pegs(), pegs);
    }

    void dropsFromMimeDataAlone() {
        Drop(Hole(2), DragSource{DragSource::Kind::Palette, 5});
        QVERIFY(SamePicture(Hole(2)->pixmap(), pictures.Peg(5)));
        Drop(Hole(0), DragSource{DragSource::Kind::Hole, 2});
        QVERIFY(SamePicture(Hole(0)->pixmap(), pictures.Peg(5)));
        QVERIFY(SamePicture(Hole(2)->pixmap(), pictures.Empty()));
        Drop(Hole(8), DragSource{DragSource::Kind::Palette, 1});  // outside the current row
        QCOMPARE(Peg(8), QStringLiteral("empty"));
        Drop(Hole(1), DragSource{DragSource::Kind::Palette, 6});  // yellow is not in play
        QCOMPARE(Peg(1), QStringLiteral("empty"));
        // Another copy's hole is not this board's to move; its palette is as good as ours.
        Drop(Hole(3), ForeignDrag("hole:0"));
        QCOMPARE(Peg(0), QStringLiteral("magenta"));
        QCOMPARE(Peg(3), QStringLiteral("empty"));
        Drop(Hole(3), ForeignDrag("palette:2"));
        QCOMPARE(Peg(3), QStringLiteral("red"));
        QVERIFY(!PaletteColor(0)->acceptDrops());
        QVERIFY(Hole(0)->acceptDrops());
    }

    void enterAndSpacePressTheFocusedGuessButton() {
        QVERIFY(input::Activate(frm.get()));
        CheckButton()->setFocus();
        input::Key(frm.get(), Qt::Key_Return);
        input::Key(frm.get(), Qt::Key_Space);
        QCOMPARE(host->messages.size(), size_t(2));  // an empty row, refused twice
        QCOMPARE(host->LastText(), std::string("You left some blanks.  Try your guess again."));
    }

    void scoreIsPaintedWhitesThenBlacksAndOptionsLock() {
        PlaceRow({0, 2, 1, 4});  // against 0 1 2 3: 1 exact, 2 colour only
        Guess();
        QCOMPARE(Background(ScoreBox(0)), QColor(Qt::white));
        QCOMPARE(Background(ScoreBox(1)), QColor(Qt::white));
        QCOMPARE(Background(ScoreBox(2)), QColor(Qt::black));
        QCOMPARE(Background(ScoreBox(3)), QColor(148, 148, 148));  // the button colour, darkened
        for (int i = 4; i < 8; ++i) QCOMPARE(Background(ScoreBox(i)), QColor(Qt::red));
        QVERIFY(!RepeatsBox()->isEnabled() && !BlanksBox()->isEnabled());
        Item(SevenColorsCaption)->trigger();
        QCOMPARE(host->LastText(), std::string("Please wait until this game is over."));
        QVERIFY(Item(SixColorsCaption)->isChecked() && !Item(SevenColorsCaption)->isChecked());
        QVERIFY(!PaletteColor(6)->isVisible());
    }

    void colourCountAndOptionsChangeBetweenGames() {
        Place(4);
        Item(SevenColorsCaption)->trigger();
        QVERIFY(Item(SevenColorsCaption)->isChecked() && !Item(SixColorsCaption)->isChecked());
        QVERIFY(PaletteColor(6)->isVisible());
        QCOMPARE(Frame(PaletteName)->height(), 249);
        QVERIFY(SamePicture(Hole(0)->pixmap(), pictures.Empty()));
        QCOMPARE(Background(ScoreBox(0)), QColor(Qt::red));
        Item(SevenColorsCaption)->trigger();  // already in force
        QVERIFY(Item(SevenColorsCaption)->isChecked());
        QVERIFY(host->messages.empty());

        Place(6);
        const std::size_t drawn = random->Used();
        random->Queue({7, 6, 5, 4}, 8);
        input::Click(BlanksBox(), Qt::LeftButton);
        QVERIFY(BlanksBox()->isChecked() && !RepeatsBox()->isChecked());
        QCOMPARE(random->Used(), drawn + 4);         // a new secret
        QCOMPARE(Peg(0), QStringLiteral("yellow"));  // the peg stays
        QCOMPARE(QApplication::focusWidget(), CheckButton());
    }

    // Peg symbols: chosen from the menu by keys, on every peg of the board, the palette and the
    // result window; nothing else changes; remembered for the next run; off again,
    // every picture is as before, pixel for pixel.
    void pegSymbolsAreShownEverywhereAndRemembered() {
        QSettings().clear();
        PlaceRow({2, 1});
        Guess();  // refused: a game stays as it is through every switch
        const QPixmap plain = Hole(0)->pixmap();
        QVERIFY(input::Activate(frm.get()));
        input::Key(frm.get(), Qt::Key_O, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget());
        input::Key(QApplication::activePopupWidget(), Qt::Key_S);
        QVERIFY(Item(PegSymbolsCaption)->isChecked());
        QVERIFY(SamePicture(Hole(0)->pixmap(), QPixmap(QStringLiteral(":/assets/peg2s.xpm"))));
        QVERIFY(!SamePicture(Hole(0)->pixmap(), plain));
        for (int i = 0; i < MaxColors; ++i) {
            QVERIFY(SamePicture(PaletteColor(i)->pixmap(),
                                QPixmap(QStringLiteral(":/assets/peg%1s.xpm").arg(i))));
        }
        QVERIFY(SamePicture(Hole(2)->pixmap(), pictures.Empty()));  // the empty hole stays
        ResultDialog result(ResultFor(false, {3, 4, 5, 0}, 6), layout, pictures);
        QVERIFY(SamePicture(Find<QLabel>(&result, "secret peg 2: cyan")->pixmap(),
                            QPixmap(QStringLiteral(":/assets/peg4s.xpm"))));
        QCOMPARE(host->messages.size(), size_t(1));  // only the refused row's
        QCOMPARE(Pegs().mid(0, 4), (QStringList{"red", "blue", "empty", "empty"}));
        QCOMPARE(QSettings().value(QStringLiteral("PegSymbols")).toBool(), true);

        frm.reset();  // the next run
        OpenWindow(std::make_unique<StatsFile>(folder.path().toStdString()));
        QVERIFY(Item(PegSymbolsCaption)->isChecked());
        QVERIFY(
            SamePicture(PaletteColor(0)->pixmap(), QPixmap(QStringLiteral(":/assets/peg0s.xpm"))));
        Item(PegSymbolsCaption)->trigger();
        QVERIFY(
            SamePicture(PaletteColor(0)->pixmap(), QPixmap(QStringLiteral(":/assets/peg0.xpm"))));
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
        Item(SixColorsCaption)->trigger();  // the window paints again
        const QColor painted = Background(ScoreBox(4));
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
    void windowsAreMovedOntoSmallScreens() {
        // Screens in device-independent pixels: 1920x1080 at 1, 1366x768 at 1.5, 1280x1024 at 2,
        // 800x600 at 2 (smaller than the window), and a second screen.
        for (const auto& [available, placed] : {std::pair{QRect(0, 0, 1920, 1080), QPoint(189, 93)},
                                                {QRect(0, 0, 911, 512), QPoint(189, 39)},
                                                {QRect(0, 0, 640, 512), QPoint(189, 39)},
                                                {QRect(0, 0, 400, 300), QPoint(109, 0)},
                                                {QRect(1920, 24, 1280, 1000), QPoint(1920, 93)}}) {
            const QRect fitted = FitOnScreen(QRect(189, 93, 291, 473), available);
            QCOMPARE(fitted.topLeft(), placed);
            QCOMPARE(fitted.size(), QSize(291, 473));
        }
        // A screen too small for the layout draws it smaller: fewest twips a pixel that fit.
        const QSize client(4365, 6780);
        QCOMPARE(TwipsPerPixelToFit(client, QSize(291, 452)), 15);
        QCOMPARE(TwipsPerPixelToFit(client, QSize(291, 451)), 16);
        QCOMPARE(TwipsPerPixelToFit(client, QSize(200, 1000)), 22);
        QCOMPARE(TwipsPerPixelToFit(client, QSize(4000, 4000)), 15);
    }

    void firstRowWinShowsTheResultAndStartsAFreshGame() {
        Item(KeepStatsCaption)->trigger();  // statistics off: no log-in after a game
        PlaceRow({0, 1, 2, 3});
        Guess();
        QCOMPARE(host->results.size(), size_t(1));
        // The fresh game is painted: options open, the board empty, row 0 marked.
        QVERIFY(RepeatsBox()->isEnabled() && BlanksBox()->isEnabled());
        QVERIFY(SamePicture(Hole(0)->pixmap(), pictures.Empty()));
        QCOMPARE(Background(ScoreBox(0)), QColor(Qt::red));
    }
};

QTEST_MAIN(GameWindowTest)
#include "game_window_test.moc"

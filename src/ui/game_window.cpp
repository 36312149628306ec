// The game window: its menus and controls, the handlers that forward to the mid-end, the keys
// that place and remove pegs, painting, and the end of the run.
#include "ui/game_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDrag>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

#include "play/captions.h"
#include "play/speech.h"
#include "ui/announcer.h"
#include "ui/board_view.h"
#include "ui/dialog_style.h"
#include "ui/help_viewer.h"
#include "ui/language.h"
#include "ui/palette_view.h"
#include "ui/peg_drag.h"
#include "ui/picture_button.h"
#include "ui/pictures.h"
#include "ui/score_view.h"
#include "ui/settings.h"
#include "ui/twips.h"

namespace vella {
namespace {

constexpr QSize ClientTwips(4365, 6780);

}  // namespace

GameWindow::GameWindow(ModalHost& host, RandomSource& random, StatsFile& stats, Layout& layout,
                       Pictures& pictures, QWidget* parent)
    : QMainWindow(parent), play_(host, random, stats), layout_(layout), pictures_(pictures) {
    setWindowIcon(Pictures::ProgramIcon());
    BuildMenus();
    layout.FitTo(screen(), ClientTwips, menuBar()->sizeHint().height());
    BuildControls();
    ShowCaptionsWhole(this);
    BuildKeyboard();
    play_.Changed = [this] { Paint(); };
    play_.Say = [this](const std::string& sentence) {
        QWidget* focused = QApplication::focusWidget();
        Announce(focused && focused->window() == this ? focused : checkButton_,
                 QString::fromStdString(sentence));
    };
    play_.StartUp();

    QMainWindow::layout()->setSizeConstraint(QLayout::SetFixedSize);
    PlaceClientArea(this, layout_, GameClientLeft, GameClientTop, menuBar()->sizeHint().height());
    checkButton_->setFocus();
}

GameWindow::~GameWindow() = default;

void GameWindow::BuildMenus() {
    QMenu* stuff = menuBar()->addMenu(Caption(StuffMenuCaption));
    logInAction_ = stuff->addAction(QString(), this, &GameWindow::onLogIn);
    stuff->addAction(Caption(ExitCaption), this, &GameWindow::onExit);

    QMenu* options = menuBar()->addMenu(Caption(OptionsMenuCaption));
    sixColorsAction_ =
        options->addAction(Caption(SixColorsCaption), this, &GameWindow::onSixColors);
    sevenColorsAction_ =
        options->addAction(Caption(SevenColorsCaption), this, &GameWindow::onSevenColors);
    options->addSeparator();
    keepStatsAction_ =
        options->addAction(Caption(KeepStatsCaption), this, &GameWindow::onKeepStats);
    options->addSeparator();
    pegSymbolsAction_ =
        options->addAction(Caption(PegSymbolsCaption), this, &GameWindow::onPegSymbols);
    pegSymbolsAction_->setStatusTip(Caption(PegSymbolsTip));
    pegSymbolsAction_->setWhatsThis(pegSymbolsAction_->statusTip());
    for (QAction* item :
         {sixColorsAction_, sevenColorsAction_, keepStatsAction_, pegSymbolsAction_})
        item->setCheckable(true);

    QMenu* help = menuBar()->addMenu(Caption(HelpMenuCaption));
    help->addAction(Caption(ContentsCaption), this, &GameWindow::onHelpContents);
    help->addAction(Caption(AboutCaption), this, &GameWindow::onAbout);
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this,
            &GameWindow::onHelpContents);
}

void GameWindow::BuildControls() {
    auto* client = new QWidget(this);
    client->setFixedSize(layout_.Px(ClientTwips.width()), layout_.Px(ClientTwips.height()));
    client->setFont(DialogFont(layout_));
    setCentralWidget(client);

    board_ = new BoardView(layout_, client);
    connect(board_, &BoardView::holePressed, this, &GameWindow::onHolePress);
    connect(board_, &BoardView::pegDropped, this, &GameWindow::onPegDropped);
    scores_ = new ScoreView(layout_, client);

    statisticsButton_ = new PictureButton(pictures_.StatsChart(), client);
    statisticsButton_->setGeometry(layout_.Rect(3540, 300, 675, 480));
    statisticsButton_->setAccessibleName(Caption(StatisticsButtonName));
    statisticsButton_->setAccessibleDescription(Caption(StatisticsButtonDescription));
    connect(statisticsButton_, &PictureButton::clicked, this, &GameWindow::onShowStatistics);

    palette_ = new PaletteView(layout_, client);
    connect(palette_, &PaletteView::colorPressed, this, &GameWindow::onPalettePress);

    // The design's blank peg beside the palette, never shown.
    auto* blankPeg = new QLabel(client);
    blankPeg->setGeometry(layout_.Rect(3660, 4800, 480, 480));
    blankPeg->setPixmap(pictures_.Empty());
    blankPeg->hide();

    checkButton_ = new QPushButton(Caption(CheckButtonCaption), client);
    checkButton_->setGeometry(layout_.Rect(3540, 5520, 735, 855));
    checkButton_->setAccessibleName(Caption(CheckButtonName));
    SetFont(checkButton_, layout_, 30, true);
    checkButton_->setFocusPolicy(Qt::StrongFocus);
    connect(checkButton_, &QPushButton::clicked, this, &GameWindow::onCheckRow);
    checkButton_->installEventFilter(this);

    repeatsBox_ = new QCheckBox(Caption(RepeatsCaption), client);
    repeatsBox_->setGeometry(layout_.Rect(120, 6480, 2295, 255));
    connect(repeatsBox_, &QCheckBox::clicked, this, &GameWindow::onRepeatsClicked);

    blanksBox_ = new QCheckBox(Caption(BlanksCaption), client);
    blanksBox_->setGeometry(layout_.Rect(2640, 6480, 1575, 255));
    connect(blanksBox_, &QCheckBox::clicked, this, &GameWindow::onBlanksClicked);

    setTabOrder(checkButton_, blanksBox_);
    setTabOrder(blanksBox_, repeatsBox_);
    setTabOrder(repeatsBox_, statisticsButton_);
}

// For people who do not use a mouse: keys 1 to 7 place a colour as a secondary click on the
// palette does, Backspace takes out the peg placed last; on "?", Enter checks the row and Up and
// Down read the rows back (see eventFilter).
void GameWindow::BuildKeyboard() {
    for (int i = 0; i < MaxColors; ++i) {
        connect(new QShortcut(QKeySequence(Qt::Key_1 + i), this), &QShortcut::activated, this,
                [this, i] { play_.PlaceColor(static_cast<ColorCode>(i)); });
    }
    connect(new QShortcut(QKeySequence(Qt::Key_Backspace), this), &QShortcut::activated, this,
            [this] { play_.TakeBackLast(); });
}

void GameWindow::Paint() {
    const GameState& game = play_.Game();
    const GameOptions& options = play_.Options();
    palette_->Show(options.Colors, pictures_);
    board_->Show(game, pictures_);
    scores_->Show(game);
    sixColorsAction_->setChecked(options.Colors == ColorSet::Six);
    sevenColorsAction_->setChecked(options.Colors == ColorSet::Seven);
    blanksBox_->setChecked(options.BlanksAllowed);
    repeatsBox_->setChecked(options.RepeatsAllowed);
    blanksBox_->setEnabled(!play_.OptionsLocked());
    repeatsBox_->setEnabled(!play_.OptionsLocked());
    setWindowTitle(QString::fromStdString(MainCaption(play_.Session())));
    logInAction_->setText(QString::fromStdString(UserIdCaption(play_.Session())));
    keepStatsAction_->setChecked(play_.Session().KeepStats);
    pegSymbolsAction_->setChecked(pictures_.PegSymbols());
}

void GameWindow::onRepeatsClicked(bool checked) {
    play_.AllowRepeats(checked);
    checkButton_->setFocus();
}

void GameWindow::onBlanksClicked(bool checked) {
    play_.AllowBlanks(checked);
    checkButton_->setFocus();
}

void GameWindow::onPalettePress(int color, Qt::MouseButton button) {
    if (button == Qt::LeftButton) {
        BeginDrag(DragSource{DragSource::Kind::Palette, color}, pictures_.Peg(color));
    } else if (button == Qt::RightButton) {
        play_.PlaceColor(static_cast<ColorCode>(color));
    }
}

void GameWindow::onHolePress(int hole, Qt::MouseButton button) {
    if (button == Qt::RightButton) play_.EmptyHole(hole);
    if (button == Qt::LeftButton && play_.Game().CanDragHole(hole)) {
        BeginDrag(DragSource{DragSource::Kind::Hole, hole},
                  pictures_.Peg(play_.Game().Board()[hole]));
    }
}

void GameWindow::BeginDrag(const DragSource& source, const QPixmap& image) {
    auto* drag = new QDrag(this);
    drag->setMimeData(EncodeDrag(source));
    drag->setPixmap(image);
    drag->setHotSpot(DragHotSpot(image));
    KeepDragOutline(image);
    drag->exec(Qt::MoveAction);
}

void GameWindow::onShowStatistics() {
    play_.OpenStatistics();
    checkButton_->setFocus();
}

void GameWindow::onExit() {
    if (play_.MayExit()) close();
}

// A choice of the player's own, kept for the next run; it changes nothing but the pictures.
void GameWindow::onPegSymbols() {
    pictures_.SetPegSymbols(!pictures_.PegSymbols());
    settings::SetPegSymbols(pictures_.PegSymbols());
    Paint();
}

void GameWindow::onHelpContents() {
    if (!help_) help_ = new HelpViewer(this);
    help_->ShowContents();
}

// Every end of the program from its window comes here, once: Exit, the window's close button,
// the end of the session. The help viewer closes with the game.
void GameWindow::closeEvent(QCloseEvent* event) {
    play_.Quit(ending_);
    if (help_) help_->close();
    event->accept();
}

void GameWindow::Open(const Status& folder) {
    show();
    QTimer::singleShot(0, this, [this, folder] { play_.CheckStatistics(folder); });
}

void GameWindow::CloseFromOutside() {
    ending_ = GameController::Ending::FromOutside;
    close();
}

// Enter presses the focused "?" as Space does; outside a dialog a button would ignore it. Up
// and Down read the rows back, for a player who cannot see them.
bool GameWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == checkButton_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            checkButton_->click();
            return true;
        }
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            play_.Review(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace vella

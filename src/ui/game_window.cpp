// The game window's controls, menus, painting, start-up and shutdown.
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

#include "play/captions.h"
#include "ui/announcer.h"
#include "ui/dialog_style.h"
#include "ui/help_viewer.h"
#include "ui/image_control.h"
#include "ui/pictures.h"
#include "ui/screen_fit.h"
#include "ui/settings.h"
#include "ui/twips.h"

namespace vella {
namespace {

constexpr int SixColorFrameHeight = 3255;
constexpr int SevenColorFrameHeight = 3735;
constexpr QSize ClientTwips(4365, 6780);

QFrame* MakeFrame(QWidget* parent, QRect geometry) {
    auto* frame = new QFrame(parent);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame->setGeometry(geometry);
    return frame;
}

}  // namespace

GameWindow::GameWindow(ModalHost& host, RandomSource& random, StatsFile& stats, QWidget* parent)
    : QMainWindow(parent), play_(host, random, stats) {
    StartDrag = [this](const DragSource& source, const QPixmap& image) {
        BeginDrag(source, image);
    };
    setWindowIcon(pictures::ProgramIcon());
    pictures::SetPegSymbols(settings::PegSymbols());
    BuildMenus();
    FitLayoutToScreen(screen(), ClientTwips, menuBar()->sizeHint().height());
    BuildControls();
    BuildKeyboard();
    play_.Changed = [this] { Paint(); };
    play_.Say = [this](const std::string& sentence) {
        QWidget* focused = QApplication::focusWidget();
        Announce(focused && focused->window() == this ? focused : checkButton,
                 QString::fromStdString(sentence));
    };
    play_.StartUp();

    layout()->setSizeConstraint(QLayout::SetFixedSize);
    // The client area below the menu bar starts at 2835, 1710 twips on the screen.
    PlaceClientArea(this, 2835, 1710, menuBar()->sizeHint().height());
    checkButton->setFocus();
}

GameWindow::~GameWindow() = default;

// The board's holes, and beside them each row's score boxes.
void GameWindow::BuildBoard(QWidget* client) {
    board = MakeFrame(client, TwipsRect(60, 120, 2595, 6255));
    scoreFrame = MakeFrame(client, TwipsRect(2700, 120, 735, 6255));
    for (int i = 0; i < HoleCount; ++i) {
        const int r = i / RowLength;
        const int k = i % RowLength;
        auto* hole = new ImageControl(i, board);
        hole->setGeometry(TwipsRect(120 + 600 * k, 240 + 600 * (9 - r), 480, 480));
        hole->setFrameStyle(QFrame::Box | QFrame::Plain);
        hole->SetTakesDrops(true);
        connect(hole, &ImageControl::MouseDown, this, &GameWindow::onHolePress);
        connect(hole, &ImageControl::DragDrop, this, &GameWindow::onHoleDrop);
        holes[i] = hole;

        auto* indicator = new QLabel(scoreFrame);
        const int left = k % 2 == 0 ? 120 : 360;
        const int top = (k < 2 ? 480 : 240) + 600 * (9 - r);
        indicator->setGeometry(TwipsRect(left, top, 255, 255));
        indicator->setFrameStyle(QFrame::Box | QFrame::Plain);
        indicator->setAutoFillBackground(true);
        scoreBoxes[i] = indicator;
    }
}

void GameWindow::BuildControls() {
    auto* client = new QWidget(this);
    client->setFixedSize(Twips(ClientTwips.width()), Twips(ClientTwips.height()));
    client->setFont(DialogFont());
    setCentralWidget(client);
    BuildBoard(client);

    statisticsButton = new ImageControl(0, client);
    statisticsButton->setGeometry(TwipsRect(3540, 300, 675, 480));
    statisticsButton->setPixmap(pictures::StatsChart());
    statisticsButton->setScaledContents(true);
    statisticsButton->MakeButton();
    connect(statisticsButton, &ImageControl::Click, this, &GameWindow::onShowStatistics);

    paletteFrame = MakeFrame(client, TwipsRect(3540, 840, 735, SevenColorFrameHeight));
    for (int i = 0; i < MaxColors; ++i) {
        auto* color = new ImageControl(i, paletteFrame);
        color->setGeometry(TwipsRect(120, 240 + 480 * i, 480, 480));
        color->setPixmap(pictures::Peg(i));
        connect(color, &ImageControl::MouseDown, this, &GameWindow::onPalettePress);
        paletteColors[i] = color;
    }

    blankPeg = new QLabel(client);
    blankPeg->setGeometry(TwipsRect(3660, 4800, 480, 480));
    blankPeg->setPixmap(pictures::Empty());
    blankPeg->hide();

    checkButton = new QPushButton(QStringLiteral("?"), client);
    checkButton->setGeometry(TwipsRect(3540, 5520, 735, 855));
    SetFont(checkButton, 30, true);
    checkButton->setFocusPolicy(Qt::StrongFocus);
    connect(checkButton, &QPushButton::clicked, this, &GameWindow::onCheckRow);
    checkButton->installEventFilter(this);

    repeatsBox = new QCheckBox(QStringLiteral("Allow Repeated Colors"), client);
    repeatsBox->setGeometry(TwipsRect(120, 6480, 2295, 255));
    connect(repeatsBox, &QCheckBox::clicked, this, &GameWindow::onRepeatsClicked);

    blanksBox = new QCheckBox(QStringLiteral("Allow Blanks"), client);
    blanksBox->setGeometry(TwipsRect(2640, 6480, 1575, 255));
    connect(blanksBox, &QCheckBox::clicked, this, &GameWindow::onBlanksClicked);

    setTabOrder(checkButton, blanksBox);
    setTabOrder(blanksBox, repeatsBox);
    setTabOrder(repeatsBox, statisticsButton);
}

void GameWindow::BuildMenus() {
    stuffMenu = menuBar()->addMenu(QStringLiteral("&Stuff"));
    logInAction = stuffMenu->addAction(QStringLiteral("&Log In..."), this, &GameWindow::onLogIn);
    exitAction = stuffMenu->addAction(QStringLiteral("E&xit"), this, &GameWindow::onExit);

    optionsMenu = menuBar()->addMenu(QStringLiteral("&Options"));
    sixColorsAction =
        optionsMenu->addAction(QStringLiteral("&6 Colors"), this, &GameWindow::onSixColors);
    sevenColorsAction =
        optionsMenu->addAction(QStringLiteral("&7 Colors"), this, &GameWindow::onSevenColors);
    optionsMenu->addSeparator();
    keepStatsAction =
        optionsMenu->addAction(QStringLiteral("&Keep Stats"), this, &GameWindow::onKeepStats);
    optionsMenu->addSeparator();
    pegSymbolsAction = optionsMenu->addAction(QString::fromUtf8(PegSymbolsCaption), this,
                                              &GameWindow::onPegSymbols);
    pegSymbolsAction->setStatusTip(QString::fromUtf8(PegSymbolsTip));
    pegSymbolsAction->setWhatsThis(pegSymbolsAction->statusTip());
    for (QAction* item : {sixColorsAction, sevenColorsAction, keepStatsAction, pegSymbolsAction})
        item->setCheckable(true);
    pegSymbolsAction->setChecked(pictures::PegSymbols());

    helpMenu = menuBar()->addMenu(QStringLiteral("&Help"));
    helpContentsAction =
        helpMenu->addAction(QStringLiteral("&Contents"), this, &GameWindow::onHelpContents);
    aboutAction = helpMenu->addAction(QStringLiteral("&About..."), this, &GameWindow::onAbout);

    auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
    connect(f1, &QShortcut::activated, this, &GameWindow::onHelpContents);
}

QColor GameWindow::IndicatorColor(Indicator state) {
    switch (state) {
        case Indicator::Current:
            return QColor(255, 0, 0);
        case Indicator::White:
            return QColor(255, 255, 255);
        case Indicator::Black:
            return QColor(0, 0, 0);
        case Indicator::Empty:
            break;
    }
    return EmptyIndicatorColor(QApplication::palette().color(QPalette::Button));
}

void GameWindow::Paint() {
    PaintPalette();
    PaintBoard();
    PaintSession();
    blanksBox->setChecked(play_.Options().BlanksAllowed);
    repeatsBox->setChecked(play_.Options().RepeatsAllowed);
    blanksBox->setEnabled(!play_.OptionsLocked());
    repeatsBox->setEnabled(!play_.OptionsLocked());
}

void GameWindow::PaintBoard() {
    const GameState& game = Game();
    const auto indicators = game.Indicators();
    for (int i = 0; i < HoleCount; ++i) {
        const ColorCode code = game.Board()[i];
        holes[i]->setPixmap(code == game.BlankCode() ? pictures::Empty() : pictures::Peg(code));
        QPalette palette = scoreBoxes[i]->palette();
        palette.setColor(QPalette::Window, IndicatorColor(indicators[i]));
        scoreBoxes[i]->setPalette(palette);
    }
    NameBoard();
}

void GameWindow::PaintPalette() {
    for (int i = 0; i < MaxColors; ++i) paletteColors[i]->setPixmap(pictures::Peg(i));
    const bool seven = play_.Options().Colors == ColorSet::Seven;
    QRect frame = paletteFrame->geometry();
    frame.setHeight(Twips(seven ? SevenColorFrameHeight : SixColorFrameHeight));
    paletteFrame->setGeometry(frame);
    paletteColors[Color::Yellow]->setVisible(seven);
    sixColorsAction->setChecked(!seven);
    sevenColorsAction->setChecked(seven);
}

void GameWindow::PaintSession() {
    setWindowTitle(QString::fromStdString(MainCaption(Session())));
    logInAction->setText(QString::fromStdString(UserIdCaption(Session())));
    keepStatsAction->setChecked(Session().KeepStats);
}

void GameWindow::BeginDrag(const DragSource& source, const QPixmap& image) {
    auto* drag = new QDrag(this);
    drag->setMimeData(EncodeDrag(source));
    drag->setPixmap(image);
    drag->setHotSpot(DragHotSpot(image));
    KeepDragOutline(image);
    drag->exec(Qt::MoveAction);
}

// Every end of the program from its window comes here, once: Exit, the window's close button,
// the end of the session. The help viewer closes with the game.
void GameWindow::closeEvent(QCloseEvent* event) {
    play_.Quit(ending_);
    if (help_) help_->close();
    event->accept();
}

void GameWindow::CloseFromOutside() {
    ending_ = Play::Ending::FromOutside;
    close();
}

// Enter presses the focused "?" as Space does; outside a dialog a button would ignore it.
bool GameWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == checkButton && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            checkButton->click();
            return true;
        }
        // Up and Down read the rows back, for a player who cannot see them.
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            play_.Review(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace vella

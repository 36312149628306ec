// The game window's controls, menus, painting, start-up and shutdown.
#include "ui/main_frm.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDrag>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QShortcut>

#include "play/captions.h"
#include "ui/announcer.h"
#include "ui/dialog_style.h"
#include "ui/help_viewer.h"
#include "ui/image_control.h"
#include "ui/pictures.h"
#include "ui/screen_fit.h"
#include "ui/twips.h"

namespace vella {
namespace {

constexpr int SixColorFrameHeight = 3255;
constexpr int SevenColorFrameHeight = 3735;

QFrame* MakeFrame(QWidget* parent, QRect geometry) {
    auto* frame = new QFrame(parent);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame->setGeometry(geometry);
    return frame;
}

}  // namespace

MainFrm::MainFrm(ModalHost& host, RandomSource& random, StatsFile& stats, QWidget* parent)
    : QMainWindow(parent), play_(host, random, stats) {
    StartDrag = [this](const DragSource& source, const QPixmap& image) {
        BeginDrag(source, image);
    };
    setWindowIcon(pictures::ProgramIcon());
    pictures::SetPegSymbols(QSettings().value(QStringLiteral("PegSymbols"), false).toBool());
    BuildControls();
    BuildMenus();
    BuildKeyboard();
    play_.Changed = [this] { Paint(); };
    play_.Say = [this](const std::string& sentence) {
        QWidget* focused = QApplication::focusWidget();
        Announce(focused && focused->window() == this ? focused : GuessBtn,
                 QString::fromStdString(sentence));
    };
    play_.StartUp(CurrentOptions());

    layout()->setSizeConstraint(QLayout::SetFixedSize);
    // The client area below the menu bar starts at 2835, 1710 twips on the screen.
    PlaceClientArea(this, 2835, 1710, menuBar()->sizeHint().height());
    GuessBtn->setFocus();
}

MainFrm::~MainFrm() = default;

void MainFrm::BuildControls() {
    auto* client = new QWidget(this);
    client->setFixedSize(Twips(4365), Twips(6780));
    client->setFont(DialogFont());
    setCentralWidget(client);

    BoardFrame = MakeFrame(client, TwipsRect(60, 120, 2595, 6255));
    AnsFrame = MakeFrame(client, TwipsRect(2700, 120, 735, 6255));
    for (int i = 0; i < HoleCount; ++i) {
        const int r = i / RowLength;
        const int k = i % RowLength;
        auto* hole = new ImageControl(i, BoardFrame);
        hole->setGeometry(TwipsRect(120 + 600 * k, 240 + 600 * (9 - r), 480, 480));
        hole->setFrameStyle(QFrame::Box | QFrame::Plain);
        hole->SetTakesDrops(true);
        connect(hole, &ImageControl::MouseDown, this, &MainFrm::Row_MouseDown);
        connect(hole, &ImageControl::DragDrop, this, &MainFrm::Row_DragDrop);
        Row[i] = hole;

        auto* indicator = new QLabel(AnsFrame);
        const int left = k % 2 == 0 ? 120 : 360;
        const int top = (k < 2 ? 480 : 240) + 600 * (9 - r);
        indicator->setGeometry(TwipsRect(left, top, 255, 255));
        indicator->setFrameStyle(QFrame::Box | QFrame::Plain);
        indicator->setAutoFillBackground(true);
        Peg[i] = indicator;
    }

    StatImg = new ImageControl(0, client);
    StatImg->setGeometry(TwipsRect(3540, 300, 675, 480));
    StatImg->setPixmap(pictures::StatsChart());
    StatImg->setScaledContents(true);
    StatImg->MakeButton();
    connect(StatImg, &ImageControl::Click, this, &MainFrm::StatImg_Click);

    Frame1 = MakeFrame(client, TwipsRect(3540, 840, 735, SevenColorFrameHeight));
    for (int i = 0; i < MaxColors; ++i) {
        auto* color = new ImageControl(i, Frame1);
        color->setGeometry(TwipsRect(120, 240 + 480 * i, 480, 480));
        color->setPixmap(pictures::Peg(i));
        connect(color, &ImageControl::MouseDown, this, &MainFrm::ClrChoice_MouseDown);
        ClrChoice[i] = color;
    }

    BlankImg = new QLabel(client);
    BlankImg->setGeometry(TwipsRect(3660, 4800, 480, 480));
    BlankImg->setPixmap(pictures::Empty());
    BlankImg->hide();

    GuessBtn = new QPushButton(QStringLiteral("?"), client);
    GuessBtn->setGeometry(TwipsRect(3540, 5520, 735, 855));
    SetFont(GuessBtn, 30, true);
    GuessBtn->setFocusPolicy(Qt::StrongFocus);
    connect(GuessBtn, &QPushButton::clicked, this, &MainFrm::GuessBtn_Click);
    GuessBtn->installEventFilter(this);

    RptChk = new QCheckBox(QStringLiteral("Allow Repeated Colors"), client);
    RptChk->setGeometry(TwipsRect(120, 6480, 2295, 255));
    connect(RptChk, &QCheckBox::clicked, this, &MainFrm::RptChk_Click);

    BlnkChk = new QCheckBox(QStringLiteral("Allow Blanks"), client);
    BlnkChk->setGeometry(TwipsRect(2640, 6480, 1575, 255));
    connect(BlnkChk, &QCheckBox::clicked, this, &MainFrm::BlnkChk_Click);

    setTabOrder(GuessBtn, BlnkChk);
    setTabOrder(BlnkChk, RptChk);
    setTabOrder(RptChk, StatImg);
}

void MainFrm::BuildMenus() {
    File = menuBar()->addMenu(QStringLiteral("&Stuff"));
    UserID = File->addAction(QStringLiteral("&Log In..."), this, &MainFrm::UserID_Click);
    Exit = File->addAction(QStringLiteral("E&xit"), this, &MainFrm::Exit_Click);

    Options = menuBar()->addMenu(QStringLiteral("&Options"));
    SixColors = Options->addAction(QStringLiteral("&6 Colors"), this, &MainFrm::SixColors_Click);
    SevenColors =
        Options->addAction(QStringLiteral("&7 Colors"), this, &MainFrm::SevenColors_Click);
    Options->addSeparator();
    DoStats = Options->addAction(QStringLiteral("&Keep Stats"), this, &MainFrm::DoStats_Click);
    Options->addSeparator();
    PegSymbols =
        Options->addAction(QStringLiteral("Peg &Symbols"), this, &MainFrm::PegSymbols_Click);
    PegSymbols->setStatusTip(QStringLiteral(
        "Shows a symbol on every peg, so that the colours can be told apart without colour "
        "vision"));
    PegSymbols->setWhatsThis(PegSymbols->statusTip());
    for (QAction* item : {SixColors, SevenColors, DoStats, PegSymbols}) item->setCheckable(true);
    PegSymbols->setChecked(pictures::PegSymbols());

    Help = menuBar()->addMenu(QStringLiteral("&Help"));
    HlpContents = Help->addAction(QStringLiteral("&Contents"), this, &MainFrm::HlpContents_Click);
    About = Help->addAction(QStringLiteral("&About..."), this, &MainFrm::About_Click);

    auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
    connect(f1, &QShortcut::activated, this, &MainFrm::HlpContents_Click);
}

GameOptions MainFrm::CurrentOptions() const {
    GameOptions options;
    options.RepeatsAllowed = RptChk->isChecked();
    options.BlanksAllowed = BlnkChk->isChecked();
    return options;
}

QColor MainFrm::IndicatorColor(Indicator state) {
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

void MainFrm::Paint() {
    PaintPalette();
    PaintBoard();
    PaintSession();
    BlnkChk->setEnabled(!play_.OptionsLocked());
    RptChk->setEnabled(!play_.OptionsLocked());
}

void MainFrm::PaintBoard() {
    const GameState& game = Game();
    for (int i = 0; i < HoleCount; ++i) {
        const ColorCode code = game.Board()[i];
        Row[i]->setPixmap(code == game.BlankCode() ? pictures::Empty() : pictures::Peg(code));
        QPalette palette = Peg[i]->palette();
        palette.setColor(QPalette::Window, IndicatorColor(game.Indicators()[i]));
        Peg[i]->setPalette(palette);
    }
    NameBoard();
}

void MainFrm::PaintPalette() {
    for (int i = 0; i < MaxColors; ++i) ClrChoice[i]->setPixmap(pictures::Peg(i));
    const bool seven = Game().ColorSetIdx() == ColorSet::Seven;
    QRect frame = Frame1->geometry();
    frame.setHeight(Twips(seven ? SevenColorFrameHeight : SixColorFrameHeight));
    Frame1->setGeometry(frame);
    ClrChoice[Color::Yellow]->setVisible(seven);
    SixColors->setChecked(!seven);
    SevenColors->setChecked(seven);
}

void MainFrm::PaintSession() {
    setWindowTitle(QString::fromStdString(MainCaption(Session())));
    UserID->setText(QString::fromStdString(UserIdCaption(Session())));
    DoStats->setChecked(Session().KeepStats);
}

void MainFrm::BeginDrag(const DragSource& source, const QPixmap& image) {
    auto* drag = new QDrag(this);
    drag->setMimeData(EncodeDrag(source));
    drag->setPixmap(image);
    drag->setHotSpot(DragHotSpot(image));
    KeepDragOutline(image);
    drag->exec(Qt::MoveAction);
}

void MainFrm::closeEvent(QCloseEvent* event) {
    Form_Terminate();
    event->accept();
}

// The shutdown step, then the help viewer closes with the game.
void MainFrm::Form_Terminate() {
    play_.Shutdown();
    if (help_) help_->close();
}

// Enter presses the focused "?" as Space does; outside a dialog a button would ignore it.
bool MainFrm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == GuessBtn && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            GuessBtn->click();
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

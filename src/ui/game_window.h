// The game window: board, score indicators, palette, "?" button, options and menus. A view over
// the mid-end (Play): its handlers forward the person's input there, and it paints what the
// game state and the player session hold whenever they change.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>

#include "play/play.h"
#include "ui/image_control.h"

class QCheckBox;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;

namespace vella {

class HelpViewer;

class GameWindow : public QMainWindow {
    Q_OBJECT

  public:
    GameWindow(ModalHost& host, RandomSource& random, StatsFile& stats, QWidget* parent = nullptr);
    ~GameWindow() override;

    // The controls.
    QFrame* board = nullptr;
    std::array<ImageControl*, HoleCount> holes{};
    QFrame* scoreFrame = nullptr;
    std::array<QLabel*, HoleCount> scoreBoxes{};
    ImageControl* statisticsButton = nullptr;
    QFrame* paletteFrame = nullptr;
    std::array<ImageControl*, MaxColors> paletteColors{};
    QLabel* blankPeg = nullptr;
    QPushButton* checkButton = nullptr;
    QCheckBox* repeatsBox = nullptr;
    QCheckBox* blanksBox = nullptr;

    QMenu* stuffMenu = nullptr;
    QMenu* optionsMenu = nullptr;
    QMenu* helpMenu = nullptr;
    QAction* logInAction = nullptr;
    QAction* exitAction = nullptr;
    QAction* sixColorsAction = nullptr;
    QAction* sevenColorsAction = nullptr;
    QAction* keepStatsAction = nullptr;
    QAction* pegSymbolsAction = nullptr;
    QAction* helpContentsAction = nullptr;
    QAction* aboutAction = nullptr;

    // Event handlers.
    void onCheckRow() { play_.Submit(); }
    void onRepeatsClicked(bool checked);
    void onBlanksClicked(bool checked);
    void onPalettePress(int index, MouseButton button);
    void onHolePress(int index, MouseButton button);
    void onHoleDrop(int index, const DragSource& source) { play_.Drop(index, source); }
    void onShowStatistics();
    void onLogIn() { play_.ChangePlayer(); }
    void onExit();
    void onSixColors() { play_.ChangeColorSet(ColorSet::Six); }
    void onSevenColors() { play_.ChangeColorSet(ColorSet::Seven); }
    void onKeepStats() { play_.ToggleKeepStats(); }
    void onPegSymbols();
    void onHelpContents();
    void onAbout() { play_.About(); }
    // Said once the window shows, where games cannot be recorded.
    void CheckStatistics() { play_.CheckStatistics(); }

    const GameState& Game() const { return play_.Game(); }
    const PlayerSession& Session() const { return play_.Session(); }
    HelpViewer* HelpWindow() const;

    // Starts the drag of a peg; tests replace it, since a real drag needs a person.
    std::function<void(const DragSource&, const QPixmap&)> StartDrag;

    // The colour of an indicator in each state.
    static QColor IndicatorColor(Indicator state);

    // The program is being ended from outside while it goes on running (the end of the
    // session): the window closes, and the shutdown step shows nothing.
    void CloseFromOutside();
    // The program is being ended from outside and the process ends next (a signal, the loss of
    // the display), perhaps on another thread: only the shutdown step, which shows nothing.
    void QuitFromOutside() { play_.Quit(Play::Ending::FromOutside); }

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildControls();
    void BuildBoard(QWidget* client);
    void BuildMenus();
    void BuildKeyboard();
    void NameBoard();

    void Paint();
    void PaintBoard();
    void PaintPalette();
    void PaintSession();
    void BeginDrag(const DragSource& source, const QPixmap& image);

    Play play_;
    Play::Ending ending_ = Play::Ending::WindowClosed;
    QPointer<HelpViewer> help_;
};

}  // namespace vella

// The game window: board, scores, palette, "?" button, options and menus. A view over the
// mid-end (GameController): its handlers forward the person's input there, and it paints what the
// game state and the player session hold whenever they change.
#pragma once

#include <QMainWindow>
#include <QPointer>

#include "play/game_controller.h"

class QCheckBox;
class QPushButton;

namespace vella {

class BoardView;
class HelpViewer;
class Layout;
class PaletteView;
class Pictures;
class PictureButton;
class ScoreView;

class GameWindow : public QMainWindow {
    Q_OBJECT

  public:
    // The window fits `layout` to its screen as it is built; every window drawn after it uses
    // the same. `pictures` follows Options > Peg Symbols.
    GameWindow(ModalHost& host, RandomSource& random, StatsFile& stats, Layout& layout,
               Pictures& pictures, QWidget* parent = nullptr);
    ~GameWindow() override;

    // Shows the window; once it shows, the player hears whether games cannot be recorded:
    // `folder` is what became of preparing the statistics folder. The game goes on either way.
    void Open(const Status& folder);

    // The program is being ended from outside while it goes on running (the end of the
    // session): the window closes, and the shutdown step shows nothing.
    void CloseFromOutside();
    // The program is being ended from outside and the process ends next (a signal, the loss of
    // the display), perhaps on another thread: only the shutdown step, which shows nothing.
    void QuitFromOutside() { play_.Quit(GameController::Ending::FromOutside); }

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildMenus();
    void BuildControls();
    void BuildKeyboard();

    void onCheckRow() { play_.Submit(); }
    void onRepeatsClicked(bool checked);
    void onBlanksClicked(bool checked);
    void onPalettePress(int color, Qt::MouseButton button);
    void onHolePress(int hole, Qt::MouseButton button);
    void onPegDropped(int hole, const DragSource& source) { play_.Drop(hole, source); }
    void onShowStatistics();
    void onLogIn() { play_.ChangePlayer(); }
    void onExit();
    void onSixColors() { play_.ChangeColorSet(ColorSet::Six); }
    void onSevenColors() { play_.ChangeColorSet(ColorSet::Seven); }
    void onKeepStats() { play_.ToggleKeepStats(); }
    void onPegSymbols();
    void onHelpContents();
    void onAbout() { play_.About(); }

    void Paint();
    void BeginDrag(const DragSource& source, const QPixmap& image);

    GameController play_;
    const Layout& layout_;
    Pictures& pictures_;
    GameController::Ending ending_ = GameController::Ending::WindowClosed;
    QPointer<HelpViewer> help_;

    BoardView* board_ = nullptr;
    ScoreView* scores_ = nullptr;
    PaletteView* palette_ = nullptr;
    PictureButton* statisticsButton_ = nullptr;
    QPushButton* checkButton_ = nullptr;
    QCheckBox* repeatsBox_ = nullptr;
    QCheckBox* blanksBox_ = nullptr;

    QAction* logInAction_ = nullptr;
    QAction* sixColorsAction_ = nullptr;
    QAction* sevenColorsAction_ = nullptr;
    QAction* keepStatsAction_ = nullptr;
    QAction* pegSymbolsAction_ = nullptr;
};

}  // namespace vella

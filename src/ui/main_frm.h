// The game window: board, score indicators, palette, "?" button, options and menus. It turns
// user events into calls on the game state and the player session, and paints what they hold.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>

#include "game/game_state.h"
#include "game/placement.h"
#include "stats/player_session.h"
#include "ui/image_control.h"
#include "ui/modal_host.h"

class QCheckBox;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;

namespace vella {

class HelpViewer;
class StatsFile;

class MainFrm : public QMainWindow {
    Q_OBJECT

  public:
    MainFrm(ModalHost& host, RandomSource& random, StatsFile& stats, QWidget* parent = nullptr);
    ~MainFrm() override;

    // Controls, by their given names.
    QFrame* BoardFrame = nullptr;
    std::array<ImageControl*, HoleCount> Row{};
    QFrame* AnsFrame = nullptr;
    std::array<QLabel*, HoleCount> Peg{};
    ImageControl* StatImg = nullptr;
    QFrame* Frame1 = nullptr;
    std::array<ImageControl*, MaxColors> ClrChoice{};
    QLabel* BlankImg = nullptr;
    QPushButton* GuessBtn = nullptr;
    QCheckBox* RptChk = nullptr;
    QCheckBox* BlnkChk = nullptr;

    QMenu* File = nullptr;
    QMenu* Options = nullptr;
    QMenu* Help = nullptr;
    QAction* UserID = nullptr;
    QAction* Exit = nullptr;
    QAction* SixColors = nullptr;
    QAction* SevenColors = nullptr;
    QAction* DoStats = nullptr;
    QAction* HlpContents = nullptr;
    QAction* About = nullptr;

    // Event handlers.
    void GuessBtn_Click();
    void RptChk_Click();
    void BlnkChk_Click();
    void ClrChoice_MouseDown(int index, MouseButton button);
    void Row_MouseDown(int index, MouseButton button);
    void Row_DragDrop(int index, const DragSource& source);
    void StatImg_Click();
    void UserID_Click();
    void Exit_Click();
    void SixColors_Click();
    void SevenColors_Click();
    void DoStats_Click();
    void HlpContents_Click();
    void About_Click();

    GameState& Game() { return game_; }
    PlayerSession& Session() { return session_; }
    GameOptions CurrentOptions() const;
    std::int16_t GetGameType() const;
    HelpViewer* HelpWindow() const;

    // Starts the drag of a peg; tests replace it, since a real drag needs a person.
    std::function<void(const DragSource&, const QPixmap&)> StartDrag;

    // The colour of an indicator in each state.
    static QColor IndicatorColor(Indicator state);

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildControls();
    void BuildMenus();
    void BuildKeyboard();
    void NameBoard();
    void Form_Initialize();
    void Form_Terminate();

    void ResetGame();
    void NewSecret();
    void ChangeColorSet(std::int16_t colorSetIdx);
    void FinishGameStats();
    void RecordGame();
    void BackupStats();

    void PaintBoard();
    void PaintPalette();
    void PaintSession();
    void BeginDrag(const DragSource& source, const QPixmap& image);

    ModalHost& host_;
    StatsFile& stats_;
    GameState game_;
    PlayerSession session_;
    QPointer<HelpViewer> help_;
    bool backedUp_ = false;
};

}  // namespace vella

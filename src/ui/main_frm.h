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
    QAction* PegSymbols = nullptr;
    QAction* HlpContents = nullptr;
    QAction* About = nullptr;

    // Event handlers.
    void GuessBtn_Click() { play_.Submit(CurrentOptions()); }
    void RptChk_Click();
    void BlnkChk_Click();
    void ClrChoice_MouseDown(int index, MouseButton button);
    void Row_MouseDown(int index, MouseButton button);
    void Row_DragDrop(int index, const DragSource& source) { play_.Drop(index, source); }
    void StatImg_Click();
    void UserID_Click() { play_.ChangePlayer(CurrentOptions()); }
    void Exit_Click();
    void SixColors_Click() { play_.ChangeColorSet(ColorSet::Six, CurrentOptions()); }
    void SevenColors_Click() { play_.ChangeColorSet(ColorSet::Seven, CurrentOptions()); }
    void DoStats_Click() { play_.ToggleKeepStats(); }
    void PegSymbols_Click();
    void HlpContents_Click();
    void About_Click() { play_.About(); }

    const GameState& Game() const { return play_.Game(); }
    const PlayerSession& Session() const { return play_.Session(); }
    GameOptions CurrentOptions() const;
    HelpViewer* HelpWindow() const;

    // Starts the drag of a peg; tests replace it, since a real drag needs a person.
    std::function<void(const DragSource&, const QPixmap&)> StartDrag;

    // The colour of an indicator in each state.
    static QColor IndicatorColor(Indicator state);

    // The program is being ended from outside: the shutdown step, without a question or a
    // message box. The value says why it failed (empty: it did not).
    std::string EndFromOutside() { return play_.ShutdownQuietly(); }

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildControls();
    void BuildMenus();
    void BuildKeyboard();
    void NameBoard();
    void Form_Terminate();

    void Paint();
    void PaintBoard();
    void PaintPalette();
    void PaintSession();
    void BeginDrag(const DragSource& source, const QPixmap& image);

    Play play_;
    QPointer<HelpViewer> help_;
};

}  // namespace vella

// The statistics window: one player's figures per game type, per colour count and in total,
// and the deletion of a player. A view over StatsBrowser, which reads the file and decides what
// is shown after each choice.
#pragma once

#include <QDialog>
#include <array>

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace vella {

class Layout;
class StatsBrowser;

class StatisticsDialog : public QDialog {
    Q_OBJECT

  public:
    StatisticsDialog(StatsBrowser& browser, const Layout& layout, QWidget* parent = nullptr);

    QLabel* playerPrompt = nullptr;
    QComboBox* playerBox = nullptr;
    QPushButton* deleteButton = nullptr;
    QLabel* sixColorsHeader = nullptr;
    QLabel* totalHeader = nullptr;
    QLabel* sevenColorsHeader = nullptr;
    QFrame* viewRule = nullptr;
    QFrame* sixColorsRule = nullptr;
    QFrame* sevenColorsRule = nullptr;
    QLabel* gamesCaption = nullptr;
    QLabel* winsCaption = nullptr;
    QLabel* percentCaption = nullptr;
    QLabel* bestCaption = nullptr;
    QLabel* worstCaption = nullptr;
    QLabel* movesCaption = nullptr;
    std::array<QLabel*, 2> gamesFigures{};
    std::array<QLabel*, 2> winsFigures{};
    std::array<QLabel*, 2> percentFigures{};
    std::array<QLabel*, 2> movesFigures{};
    std::array<QLabel*, 2> bestFigures{};
    std::array<QLabel*, 2> worstFigures{};
    QGroupBox* viewGroup = nullptr;
    std::array<QRadioButton*, 6> viewButtons{};
    QPushButton* coolButton = nullptr;

    void onPlayerChosen();
    void onViewChosen(int index);
    void onCool();
    void onDeletePlayer();

  private:
    void BuildControls();
    void BuildViewChoice();
    // Shows what the browser holds: the list, the selection, the view and its figures.
    void Paint();

    StatsBrowser& browser_;
    const Layout& layout_;
};

}  // namespace vella

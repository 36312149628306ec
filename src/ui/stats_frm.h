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

class StatsBrowser;

class StatsFrm : public QDialog {
    Q_OBJECT

  public:
    explicit StatsFrm(StatsBrowser& browser, QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    QComboBox* Combo1 = nullptr;
    QPushButton* RemPlayrBtn = nullptr;
    QLabel* SixLabel = nullptr;
    QLabel* TotalLabel = nullptr;
    QLabel* SevenLabel = nullptr;
    QFrame* Line1 = nullptr;
    QFrame* Line2 = nullptr;
    QFrame* Line3 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    std::array<QLabel*, 2> NumGamesLbl{};
    std::array<QLabel*, 2> WinsLbl{};
    std::array<QLabel*, 2> PctLbl{};
    std::array<QLabel*, 2> MvsPerGmLbl{};
    std::array<QLabel*, 2> BestLbl{};
    std::array<QLabel*, 2> WrstLbl{};
    QGroupBox* Frame1 = nullptr;
    std::array<QRadioButton*, 6> GameTypeOpt{};
    QPushButton* Command1 = nullptr;

    void Combo1_Click();
    void GameTypeOpt_Click(int index);
    void Command1_Click();
    void RemPlayrBtn_Click();

  private:
    void BuildControls();
    // Shows what the browser holds: the list, the selection, the view and its figures.
    void Paint();

    StatsBrowser& browser_;
};

}  // namespace vella

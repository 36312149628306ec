// The statistics window: one player's figures per game type, per colour count and in total,
// and the deletion of a player. Reads the file on every change of view; only Delete writes.
#pragma once

#include <QDialog>
#include <array>
#include <string>
#include <vector>

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace vella {

class ModalHost;
class StatsFile;

class StatsFrm : public QDialog {
    Q_OBJECT

  public:
    // Opened on `playerName` (stored form; empty or not listed: the first player).
    StatsFrm(const std::string& playerName, StatsFile& stats, ModalHost& host, int gameType,
             QWidget* parent = nullptr);

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

    // False where the players could not be read: the failure was reported, and the window is not
    // to be shown.
    bool Loaded() const { return loaded_; }

  private:
    void BuildControls();
    void Form_Load(int gameType);
    void FillPlayerList();
    void ClearPlayerList();
    void ShowStats(bool relisted = false);

    std::string playerName_;
    std::vector<std::string> names_;  // stored forms, in the list's order
    bool loaded_ = false;
    StatsFile& stats_;
    ModalHost& host_;
};

}  // namespace vella

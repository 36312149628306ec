// The log-in window: pick a player from the statistics file or type a name, with type-ahead
// completion; or decline statistics, or cancel. Reads names only; never writes the file.
#pragma once

#include <QDialog>
#include <memory>

#include "stats/type_ahead.h"

class QComboBox;
class QKeyEvent;
class QLabel;
class QPushButton;

namespace vella {

class ModalHost;
class StatsFile;
struct PlayerSession;

class UserFrm : public QDialog {
    Q_OBJECT

  public:
    UserFrm(PlayerSession& session, StatsFile& stats, ModalHost& host, QWidget* parent = nullptr);
    ~UserFrm() override;

    QLabel* Label2 = nullptr;
    QLabel* Label1 = nullptr;
    QComboBox* Combo1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* CancelBtn = nullptr;
    QPushButton* NoStats = nullptr;

    int PlayerCount = 0;

    // One key typed into the name box (a Unicode code point); false when it was ignored.
    bool Combo1_KeyPress(char32_t key);
    void Command1_Click();
    void CancelBtn_Click();
    void NoStats_Click();
    const std::string& TypedText() const { return typeAhead_->TypedText(); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Form_Load();
    bool NameKey(QKeyEvent* key);
    void TypeText(const QString& text);

    PlayerSession& session_;
    StatsFile& stats_;
    ModalHost& host_;
    std::unique_ptr<TypeAhead> typeAhead_;
};

}  // namespace vella

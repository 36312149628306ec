// The log-in window: pick a player from the statistics file or type a name, with type-ahead
// completion; or decline statistics, or cancel. Reads names only; never writes the file.
#pragma once

#include <QDialog>
#include <memory>

#include "play/modal_host.h"
#include "stats/type_ahead.h"

class QComboBox;
class QKeyEvent;
class QLabel;
class QPushButton;

namespace vella {

class StatsFile;
struct PlayerSession;

class UserFrm : public QDialog {
    Q_OBJECT

  public:
    // Offered to `session`: its player is preselected, and "No Keep Stats" is offered while
    // statistics are kept for nobody.
    UserFrm(const PlayerSession& session, StatsFile& stats, ModalHost& host,
            QWidget* parent = nullptr);
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

    // How the window was left; Closed until one of its buttons closes it.
    const LoginOutcome& Outcome() const { return outcome_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Form_Load();
    bool NameKey(QKeyEvent* key);
    void TypeText(const QString& text);

    const PlayerSession& session_;
    StatsFile& stats_;
    ModalHost& host_;
    std::unique_ptr<TypeAhead> typeAhead_;
    LoginOutcome outcome_;
};

}  // namespace vella

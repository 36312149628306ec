// The log-in window: pick a listed player or type a name, with type-ahead completion; or decline
// statistics, or cancel. A view over LoginChoice, which decides what is listed, shown and taken.
#pragma once

#include <QDialog>

class QComboBox;
class QKeyEvent;
class QLabel;
class QPushButton;

namespace vella {

class LoginChoice;

class UserFrm : public QDialog {
    Q_OBJECT

  public:
    explicit UserFrm(LoginChoice& choice, QWidget* parent = nullptr);

    QLabel* Label2 = nullptr;
    QLabel* Label1 = nullptr;
    QComboBox* Combo1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* CancelBtn = nullptr;
    QPushButton* NoStats = nullptr;

    // One key typed into the name box (a Unicode code point); false when it was ignored.
    bool Combo1_KeyPress(char32_t key);
    void Command1_Click();
    void CancelBtn_Click();
    void NoStats_Click();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Form_Load();
    bool NameKey(QKeyEvent* key);
    void TypeText(const QString& text);

    LoginChoice& choice_;
};

}  // namespace vella

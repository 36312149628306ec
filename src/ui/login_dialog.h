// The log-in window: pick a listed player or type a name, with type-ahead completion; or decline
// statistics, or cancel. A view over LoginChoice, which decides what is listed, shown and taken.
#pragma once

#include <QDialog>

class QComboBox;
class QKeyEvent;
class QLabel;
class QPushButton;

namespace vella {

class Layout;
class LoginChoice;

class LoginDialog : public QDialog {
    Q_OBJECT

  public:
    LoginDialog(LoginChoice& choice, const Layout& layout, QWidget* parent = nullptr);

    QLabel* explanation = nullptr;
    QLabel* prompt = nullptr;
    QComboBox* nameBox = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;
    QPushButton* noStatsButton = nullptr;

    // One key typed into the name box (a Unicode code point); false when it was ignored.
    bool onKeyTyped(char32_t key);
    void onEntryChosen(int index);
    void onOk();
    void onCancel();
    void onNoKeepStats();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void ShowChoice();
    bool NameKey(QKeyEvent* key);
    void TypeText(const QString& text);

    LoginChoice& choice_;
};

}  // namespace vella

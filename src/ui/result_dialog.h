// The result window: announces the outcome of a game and reveals the secret pattern. After a
// win its label blinks.
#pragma once

#include <QDialog>
#include <array>

#include "play/modal_host.h"

class QLabel;
class QPushButton;
class QTimer;

namespace vella {

class Layout;
class Pictures;

class ResultDialog : public QDialog {
    Q_OBJECT

  public:
    ResultDialog(const ResultRequest& request, const Layout& layout, const Pictures& pictures,
                 QWidget* parent = nullptr);

  private:
    void ShowOutcome(const ResultRequest& request, const Pictures& pictures);
    void onBlink();
    void onOk();

    const Layout& layout_;
    QLabel* message_ = nullptr;
    std::array<QLabel*, RowLength> secretPegs_{};
    QPushButton* okButton_ = nullptr;
    QTimer* blinkTimer_ = nullptr;
};

}  // namespace vella

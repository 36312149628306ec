// The result window: announces the outcome of a game and reveals the secret pattern. After a
// win its label blinks.
#pragma once

#include <QDialog>
#include <array>

#include "play/modal_host.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QTimer;

namespace vella {

class ResultDialog : public QDialog {
    Q_OBJECT

  public:
    explicit ResultDialog(const ResultRequest& request, QWidget* parent = nullptr);

    QLabel* message = nullptr;
    QGroupBox* secretGroup = nullptr;
    std::array<QLabel*, RowLength> secretPegs{};
    QPushButton* okButton = nullptr;
    QTimer* blinkTimer = nullptr;

    bool messageHidden = false;

    void onBlink();
    void onOk();

  private:
    void ShowOutcome(const ResultRequest& request);
};

}  // namespace vella

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

class RealColorsFrm : public QDialog {
    Q_OBJECT

  public:
    explicit RealColorsFrm(const ResultRequest& request, QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    QGroupBox* Frame1 = nullptr;
    std::array<QLabel*, RowLength> AnsImg{};
    QPushButton* OKBtn = nullptr;
    QTimer* Timer1 = nullptr;

    bool LabelHidden = false;

    void Timer1_Timer();
    void OKBtn_Click();

  private:
    void Form_Load(const ResultRequest& request);
};

}  // namespace vella

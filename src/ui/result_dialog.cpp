// The result window.
#include "ui/result_dialog.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "play/captions.h"
#include "ui/dialog_style.h"
#include "ui/language.h"
#include "ui/pictures.h"
#include "ui/twips.h"

namespace vella {

ResultDialog::ResultDialog(const ResultRequest& request, const Layout& layout,
                           const Pictures& pictures, QWidget* parent)
    : QDialog(parent), layout_(layout) {
    setWindowIcon(Pictures::ProgramIcon());
    FixDialog(this, layout, 3435, 2820);

    message_ = new QLabel(this);
    message_->setGeometry(layout.Rect(240, 120, 2895, 615));
    message_->setAlignment(Qt::AlignCenter);
    message_->setWordWrap(true);
    QPalette yellow = message_->palette();
    yellow.setColor(QPalette::WindowText, QColor(255, 255, 0));
    message_->setPalette(yellow);
    SetFont(message_, layout, 24, true);

    auto* secretGroup = new QGroupBox(Caption(SecretCaption), this);
    secretGroup->setGeometry(layout.Rect(120, 840, 3135, 1095));
    for (int i = 0; i < RowLength; ++i) {
        auto* image = new QLabel(secretGroup);
        image->setGeometry(layout.Rect(420 + 600 * i, 360, 480, 480));
        image->setFrameStyle(QFrame::Box | QFrame::Plain);
        image->setAlignment(Qt::AlignCenter);
        secretPegs_[i] = image;
    }

    okButton_ = new QPushButton(this);
    okButton_->setGeometry(layout.Rect(120, 2160, 3135, 495));
    SetFont(okButton_, layout, 13.5, false);
    okButton_->setDefault(true);
    okButton_->setFocusPolicy(Qt::StrongFocus);
    connect(okButton_, &QPushButton::clicked, this, &ResultDialog::onOk);

    blinkTimer_ = new QTimer(this);
    blinkTimer_->setInterval(500);
    connect(blinkTimer_, &QTimer::timeout, this, &ResultDialog::onBlink);

    ShowOutcome(request, pictures);
    okButton_->setFocus();
    // The client area starts at 3300, 1455 twips on the screen.
    ShowCaptionsWhole(this);
    PlaceClientArea(this, layout, 3300, 1455);
}

void ResultDialog::ShowOutcome(const ResultRequest& request, const Pictures& pictures) {
    setWindowTitle(QString::fromStdString(request.Title));
    message_->setText(QString::fromStdString(request.Message));
    message_->setAccessibleName(QString::fromStdString(request.Spoken));
    okButton_->setText(QString::fromStdString(request.Button));
    if (request.Won) {
        blinkTimer_->start();
    } else {
        SetFont(message_, layout_, 10, true);
    }
    for (int i = 0; i < RowLength; ++i) {
        const ColorCode code = request.Secret[i];
        secretPegs_[i]->setPixmap(code == request.BlankCode ? pictures.Empty()
                                                            : pictures.Peg(code));
        secretPegs_[i]->setAccessibleName(QString::fromStdString(request.PegNames[i]));
    }
}

// Shown for the first 500 ms, then hidden for 500 ms and shown for 800 ms in turn.
void ResultDialog::onBlink() {
    const bool hidden = message_->isHidden();
    message_->setVisible(hidden);
    blinkTimer_->start(hidden ? 800 : 500);
}

void ResultDialog::onOk() {
    blinkTimer_->stop();
    accept();
}

}  // namespace vella

// The result window.
#include "ui/result_dialog.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "play/captions.h"
#include "ui/dialog_style.h"
#include "ui/pictures.h"
#include "ui/twips.h"

namespace vella {

ResultDialog::ResultDialog(const ResultRequest& request, QWidget* parent) : QDialog(parent) {
    setWindowIcon(pictures::ProgramIcon());
    FixDialog(this, 3435, 2820);

    message = new QLabel(this);
    message->setGeometry(TwipsRect(240, 120, 2895, 615));
    message->setAlignment(Qt::AlignCenter);
    message->setWordWrap(true);
    QPalette yellow = message->palette();
    yellow.setColor(QPalette::WindowText, QColor(255, 255, 0));
    message->setPalette(yellow);
    SetFont(message, 24, true);

    secretGroup = new QGroupBox(QString::fromUtf8(SecretCaption), this);
    secretGroup->setGeometry(TwipsRect(120, 840, 3135, 1095));
    for (int i = 0; i < RowLength; ++i) {
        auto* image = new QLabel(secretGroup);
        image->setGeometry(TwipsRect(420 + 600 * i, 360, 480, 480));
        image->setFrameStyle(QFrame::Box | QFrame::Plain);
        image->setAlignment(Qt::AlignCenter);
        secretPegs[i] = image;
    }

    okButton = new QPushButton(this);
    okButton->setGeometry(TwipsRect(120, 2160, 3135, 495));
    SetFont(okButton, 13.5, false);
    okButton->setDefault(true);
    okButton->setFocusPolicy(Qt::StrongFocus);
    connect(okButton, &QPushButton::clicked, this, &ResultDialog::onOk);

    blinkTimer = new QTimer(this);
    blinkTimer->setInterval(500);
    connect(blinkTimer, &QTimer::timeout, this, &ResultDialog::onBlink);

    ShowOutcome(request);
    okButton->setFocus();
    // The client area starts at 3300, 1455 twips on the screen.
    PlaceClientArea(this, 3300, 1455);
}

void ResultDialog::ShowOutcome(const ResultRequest& request) {
    setWindowTitle(QString::fromStdString(request.Title));
    message->setText(QString::fromStdString(request.Message));
    message->setAccessibleName(QString::fromStdString(request.Spoken));
    okButton->setText(QString::fromStdString(request.Button));
    if (request.Won) {
        blinkTimer->start();
    } else {
        SetFont(message, 10, true);
    }
    for (int i = 0; i < RowLength; ++i) {
        const ColorCode code = request.Secret[i];
        secretPegs[i]->setPixmap(code == request.BlankCode ? pictures::Empty()
                                                           : pictures::Peg(code));
        secretPegs[i]->setAccessibleName(QString::fromStdString(request.PegNames[i]));
    }
}

// Shown for the first 500 ms, then hidden for 500 ms and shown for 800 ms in turn.
void ResultDialog::onBlink() {
    if (messageHidden) {
        message->setVisible(true);
        blinkTimer->start(800);
        messageHidden = false;
    } else {
        message->setVisible(false);
        blinkTimer->start(500);
        messageHidden = true;
    }
}

void ResultDialog::onOk() {
    blinkTimer->stop();
    accept();
}

}  // namespace vella

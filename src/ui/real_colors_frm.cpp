// The result window.
#include "ui/real_colors_frm.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "play/sentences.h"
#include "ui/accessible_names.h"
#include "ui/dialog_style.h"
#include "ui/pictures.h"
#include "ui/twips.h"

namespace vella {

RealColorsFrm::RealColorsFrm(const ResultRequest& request, QWidget* parent) : QDialog(parent) {
    setWindowIcon(pictures::ProgramIcon());
    FixDialog(this, 3435, 2820);

    Label1 = new QLabel(QStringLiteral("You Won!!"), this);
    Label1->setGeometry(TwipsRect(240, 120, 2895, 615));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setWordWrap(true);
    QPalette yellow = Label1->palette();
    yellow.setColor(QPalette::WindowText, QColor(255, 255, 0));
    Label1->setPalette(yellow);
    SetFont(Label1, 24, true);

    Frame1 = new QGroupBox(QStringLiteral("The Secret Pattern"), this);
    Frame1->setGeometry(TwipsRect(120, 840, 3135, 1095));
    for (int i = 0; i < RowLength; ++i) {
        auto* image = new QLabel(Frame1);
        image->setGeometry(TwipsRect(420 + 600 * i, 360, 480, 480));
        image->setFrameStyle(QFrame::Box | QFrame::Plain);
        image->setAlignment(Qt::AlignCenter);
        AnsImg[i] = image;
    }

    OKBtn = new QPushButton(this);
    OKBtn->setGeometry(TwipsRect(120, 2160, 3135, 495));
    SetFont(OKBtn, 13.5, false);
    OKBtn->setDefault(true);
    OKBtn->setFocusPolicy(Qt::StrongFocus);
    connect(OKBtn, &QPushButton::clicked, this, &RealColorsFrm::OKBtn_Click);

    Timer1 = new QTimer(this);
    Timer1->setInterval(500);
    connect(Timer1, &QTimer::timeout, this, &RealColorsFrm::Timer1_Timer);

    Form_Load(request);
    OKBtn->setFocus();
    // The client area starts at 3300, 1455 twips on the screen.
    PlaceClientArea(this, 3300, 1455);
}

void RealColorsFrm::Form_Load(const ResultRequest& request) {
    if (request.Won) {
        setWindowTitle(QStringLiteral("Congratulations!"));
        Label1->setText(QStringLiteral("You Won!!"));
        Timer1->start();
        OKBtn->setText(QStringLiteral("I'm Cool"));
    } else {
        SetFont(Label1, 10, true);
        Label1->setText(QStringLiteral("I'm Sorry.  You Didn't Win This Time."));
        setWindowTitle(QStringLiteral("Better Luck Next Time"));
        Timer1->stop();
        OKBtn->setText(QStringLiteral("I Will Try Harder"));
    }
    for (int i = 0; i < RowLength; ++i) {
        const ColorCode code = request.Secret[i];
        AnsImg[i]->setPixmap(code == request.BlankCode ? pictures::Empty() : pictures::Peg(code));
        AnsImg[i]->setAccessibleName(
            QStringLiteral("secret peg %1: %2").arg(i + 1).arg(ColorName(code, request.BlankCode)));
    }
    // A screen reader reads the outcome with the secret, in order.
    Label1->setAccessibleName(
        Label1->text().simplified() + QLatin1Char(' ') +
        QString::fromStdString(SecretSentence(request.Secret, request.BlankCode)));
}

// Shown for the first 500 ms, then hidden for 500 ms and shown for 800 ms in turn.
void RealColorsFrm::Timer1_Timer() {
    if (LabelHidden) {
        Label1->setVisible(true);
        Timer1->start(800);
        LabelHidden = false;
    } else {
        Label1->setVisible(false);
        Timer1->start(500);
        LabelHidden = true;
    }
}

void RealColorsFrm::OKBtn_Click() {
    Timer1->stop();
    accept();
}

}  // namespace vella

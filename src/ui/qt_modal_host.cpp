// The production modal host.
#include "ui/qt_modal_host.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>

#include "ui/real_colors_frm.h"
#include "ui/stats_frm.h"
#include "ui/user_frm.h"

namespace vella {
namespace {

// A message box whose Yes/No question cannot be dismissed without an answer: Escape and the
// title bar's close would otherwise count as No.
class MessageBox final : public QMessageBox {
  public:
    using QMessageBox::QMessageBox;
    bool mustAnswer = false;

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (mustAnswer && event->key() == Qt::Key_Escape) {
            event->accept();
            return;
        }
        QMessageBox::keyPressEvent(event);
    }
    void closeEvent(QCloseEvent* event) override {
        if (mustAnswer) {
            event->ignore();
            return;
        }
        QMessageBox::closeEvent(event);
    }
};

QMessageBox::StandardButton ToStandard(MsgAnswer answer) {
    switch (answer) {
        case AnswerCancel:
            return QMessageBox::Cancel;
        case AnswerYes:
            return QMessageBox::Yes;
        case AnswerNo:
            return QMessageBox::No;
        case AnswerOk:
            break;
    }
    return QMessageBox::Ok;
}

int FromStandard(QMessageBox::StandardButton button) {
    switch (button) {
        case QMessageBox::Cancel:
            return AnswerCancel;
        case QMessageBox::Yes:
            return AnswerYes;
        case QMessageBox::No:
            return AnswerNo;
        default:
            return AnswerOk;
    }
}

}  // namespace

int QtModalHost::Message(const MessageRequest& request) {
    MessageBox box(
        request.Icon == MsgIcon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon,
        request.Title, request.Text, QMessageBox::NoButton, parent_);
    switch (request.Buttons) {
        case MsgButtons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            box.setEscapeButton(QMessageBox::Ok);
            break;
        case MsgButtons::OkCancel:
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            box.setEscapeButton(QMessageBox::Cancel);
            break;
        case MsgButtons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.mustAnswer = true;
            break;
    }
    box.setDefaultButton(ToStandard(request.Default));
    box.exec();
    return FromStandard(box.standardButton(box.clickedButton()));
}

void QtModalHost::ShowResult(const ResultRequest& request) {
    RealColorsFrm window(request, parent_);
    window.exec();
}

void QtModalHost::ShowLogin(PlayerSession& session, StatsFile& stats) {
    UserFrm window(session, stats, *this, parent_);
    window.exec();
}

void QtModalHost::ShowStats(PlayerSession& session, StatsFile& stats, int gameType) {
    StatsFrm window(session, stats, *this, gameType, parent_);
    window.exec();
}

}  // namespace vella

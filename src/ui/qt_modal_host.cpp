// The production modal host.
#include "ui/qt_modal_host.h"

#include <QAccessible>
#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>

#include "ui/launch.h"
#include "ui/login_dialog.h"
#include "ui/result_dialog.h"
#include "ui/statistics_dialog.h"

namespace vella {
namespace {

// `text` with a place to break the line after every 20 characters of a run that has none, such
// as a long folder name in a path: a message box breaks lines only between words, and cuts off
// a word wider than the screen.
QString Breakable(const QString& text) {
    constexpr int kLongestRun = 20;
    QString out;
    int run = 0;
    for (QChar c : text) {
        // Never between the halves of a character or before a mark that belongs to the last.
        if (run >= kLongestRun && !c.isLowSurrogate() && !c.isMark()) {
            out += QChar(0x200B);  // zero-width space: a line may break here
            run = 0;
        }
        out += c;
        run = c.isSpace() || c == u'/' || c == u'\\' || c == u'-' ? 0 : run + 1;
    }
    return out;
}

// A message box whose Yes/No question cannot be dismissed without an answer: Escape and the
// title bar's close would otherwise count as No. Copy (Ctrl+C) puts its text on the clipboard as
// it was written, on every platform.
class MessageBox final : public QMessageBox {
  public:
    using QMessageBox::QMessageBox;
    bool mustAnswer = false;
    QString written;  // the text before Breakable

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (mustAnswer && event->key() == Qt::Key_Escape) {
            event->accept();
            return;
        }
        if (event->matches(QKeySequence::Copy)) {
            QGuiApplication::clipboard()->setText(written);
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

QMessageBox::StandardButton ToStandard(Answer answer) {
    switch (answer) {
        case Answer::Cancel:
            return QMessageBox::Cancel;
        case Answer::Yes:
            return QMessageBox::Yes;
        case Answer::No:
            return QMessageBox::No;
        case Answer::Ok:
            break;
    }
    return QMessageBox::Ok;
}

Answer FromStandard(QMessageBox::StandardButton button) {
    switch (button) {
        case QMessageBox::Cancel:
            return Answer::Cancel;
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return Answer::Ok;
    }
}

}  // namespace

Answer QtModalHost::Message(const MessageRequest& request) {
    const QString text = QString::fromStdString(request.Text);
    MessageBox box(
        request.Icon == MsgIcon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon,
        QString::fromStdString(request.Title), Breakable(text), QMessageBox::NoButton, parent_);
    box.written = text;
    // A player's name or a folder's is shown as written, never taken for formatting.
    box.setTextFormat(Qt::PlainText);
    if (!request.Detail.empty()) box.setInformativeText(QString::fromStdString(request.Detail));
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
    // A screen reader drops what it was about to say when a window takes the focus at once: the
    // last row's score is given a moment to be spoken first. The person's input waits.
    if (QAccessible::isActive()) {
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 400) {
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 50);
        }
    }
    ResultDialog window(request, layout_, pictures_, parent_);
    window.exec();
}

void QtModalHost::RunLogin(LoginChoice& choice) {
    LoginDialog window(choice, layout_, parent_);
    window.exec();
}

void QtModalHost::RunStatistics(StatsBrowser& browser) {
    StatisticsDialog window(browser, layout_, parent_);
    window.exec();
}

void QtModalHost::WriteToConsole(const std::string& text) {
    vella::WriteToConsole(QString::fromStdString(text), true);
}

}  // namespace vella

// The help viewer.
#include "ui/help_viewer.h"

#include <QAccessible>
#include <QFile>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <algorithm>

#include "play/captions.h"
#include "ui/language.h"
#include "ui/pictures.h"

namespace vella {
namespace {

constexpr int Gap = 8;  // between the game's frame and the viewer's

}  // namespace

HelpViewer::HelpViewer(QWidget* owner) : QMainWindow(owner, Qt::Window) {
    setWindowTitle(Caption(HelpTitle));
    setWindowIcon(Pictures::ProgramIcon());
    setAttribute(Qt::WA_DeleteOnClose);
    browser_ = new QTextBrowser(this);
    browser_->setOpenLinks(true);
    browser_->setSearchPaths({QStringLiteral(":/assets/help")});
    // A screen reader names the text by the page's heading, which it reads as the help opens.
    connect(browser_, &QTextBrowser::sourceChanged, this,
            [this] { browser_->setAccessibleName(browser_->documentTitle()); });
    setCentralWidget(browser_);
    resize(480, 520);
    // Closed from the keyboard as a reading window is: Escape, Ctrl+W, and the platform's close.
    QList<QKeySequence> keys{QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)};
    for (const QKeySequence& key : QKeySequence::keyBindings(QKeySequence::Close)) {
        if (!keys.contains(key)) keys << key;
    }
    for (const QKeySequence& key : keys) {
        connect(new QShortcut(key, this), &QShortcut::activated, this, &QWidget::close);
    }
}

QRect HelpViewer::Beside(const QRect& owner, const QSize& size, const QRect& screen) {
    const int roomRight = screen.right() - owner.right() - Gap;
    const int roomLeft = owner.left() - screen.left() - Gap;
    int left;
    if (roomRight >= size.width()) {
        left = owner.right() + 1 + Gap;
    } else if (roomLeft >= size.width()) {
        left = owner.left() - Gap - size.width();
    } else if (roomRight >= roomLeft) {
        left = screen.right() + 1 - size.width();
    } else {
        left = screen.left();
    }
    const int lowest = std::max(screen.top(), screen.bottom() + 1 - size.height());
    const int top = std::clamp(owner.top(), screen.top(), lowest);
    return QRect(QPoint(std::max(left, screen.left()), top), size);
}

void HelpViewer::ShowContents() {
    // The pages in the player's language where they are translated; their links stay there.
    QString folder = QStringLiteral(":/assets/help/") + InstalledLanguage();
    if (!QFile::exists(folder + QStringLiteral("/contents.html")))
        folder = QStringLiteral(":/assets/help");
    browser_->setSource(QUrl(QStringLiteral("qrc") + folder + QStringLiteral("/contents.html")));
    // With a screen reader the arrow keys move a caret through the text, which it reads line by
    // line; without one they scroll, and no caret is drawn.
    Qt::TextInteractionFlags reading = Qt::TextBrowserInteraction;
    if (QAccessible::isActive()) reading |= Qt::TextSelectableByKeyboard;
    browser_->setTextInteractionFlags(reading);
    if (!placed_) {
        placed_ = true;
        QWidget* owner = parentWidget();
        const QScreen* screen = owner ? owner->screen() : this->screen();
        if (owner && screen) {
            // No taller or wider than the screen, with a frame like the game window's.
            const QRect available = screen->availableGeometry();
            const QSize frameExtra = owner->frameGeometry().size() - owner->geometry().size();
            resize(size().boundedTo(available.size() - frameExtra));
            move(Beside(owner->frameGeometry(), size() + frameExtra, available).topLeft());
        }
    }
    show();
    raise();
    activateWindow();
}

}  // namespace vella

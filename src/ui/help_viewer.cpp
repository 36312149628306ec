// The help viewer.
#include "ui/help_viewer.h"

#include <QTextBrowser>
#include <QVBoxLayout>

#include "ui/pictures.h"

namespace vella {

HelpViewer::HelpViewer(QWidget* owner) : QWidget(owner, Qt::Window) {
    setWindowTitle(QStringLiteral("Vellacode Help"));
    setWindowIcon(pictures::ProgramIcon());
    setAttribute(Qt::WA_DeleteOnClose);
    browser_ = new QTextBrowser(this);
    browser_->setOpenLinks(true);
    browser_->setSearchPaths({QStringLiteral(":/assets/help")});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(480, 520);
}

void HelpViewer::ShowContents() {
    browser_->setSource(QUrl(QStringLiteral("qrc:/assets/help/contents.html")));
    show();
    raise();
    activateWindow();
}

}  // namespace vella

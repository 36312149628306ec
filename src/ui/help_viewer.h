// The help viewer: a window beside the game (not modal) showing the help text compiled into
// the program, opened on its contents page.
#pragma once

#include <QWidget>

class QTextBrowser;

namespace vella {

class HelpViewer : public QWidget {
    Q_OBJECT

  public:
    explicit HelpViewer(QWidget* owner);

    // Opens the viewer on the contents page, or brings it to the front.
    void ShowContents();

    QTextBrowser* Browser() const { return browser_; }

  private:
    QTextBrowser* browser_;
};

}  // namespace vella

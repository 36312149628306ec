// The help viewer: a window of its own beside the game (not modal) showing the help text
// compiled into the program, opened on its contents page.
#pragma once

#include <QMainWindow>

class QTextBrowser;

namespace vella {

class HelpViewer : public QMainWindow {
    Q_OBJECT

  public:
    explicit HelpViewer(QWidget* owner);

    // Opens the viewer on the contents page, or brings it to the front.
    void ShowContents();

    // Where a window of `size` goes beside `owner` on `screen`: to its right, else to its left,
    // else on the side with more room, as far from the owner as the screen allows; top edges
    // level where the screen allows.
    static QRect Beside(const QRect& owner, const QSize& size, const QRect& screen);

  private:
    QTextBrowser* browser_;
    bool placed_ = false;
};

}  // namespace vella

// The one look of the program's windows.
#include "ui/dialog_style.h"

#include <QDialog>
#include <QFont>
#include <QGuiApplication>
#include <QScreen>

#include "ui/screen_fit.h"
#include "ui/twips.h"

namespace vella {

QFont DialogFont() {
    QFont font;
    font.setPointSize(8);
    font.setStretch(QFont::SemiCondensed);
    return font;
}

void SetFont(QWidget* control, double points, bool bold) {
    QFont font = DialogFont();
    font.setPointSizeF(points);
    font.setBold(bold);
    control->setFont(font);
}

void FixDialog(QDialog* dialog, int width, int height) {
    dialog->setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint);
    dialog->setFixedSize(Twips(width), Twips(height));
    dialog->setFont(DialogFont());
}

void PlaceClientArea(QWidget* window, int left, int top, int above) {
    window->adjustSize();
    const QRect designed(QPoint(Twips(left), Twips(top) - above), window->size());
    const QScreen* screen = QGuiApplication::screenAt(designed.center());
    if (!screen) screen = window->screen();
    // The frame around the client area counts too, where the window system has told it already.
    const QMargins frame(window->geometry().left() - window->frameGeometry().left(),
                         window->geometry().top() - window->frameGeometry().top(),
                         window->frameGeometry().right() - window->geometry().right(),
                         window->frameGeometry().bottom() - window->geometry().bottom());
    const QRect placed =
        screen ? FitOnScreen(designed + frame, screen->availableGeometry()) - frame : designed;
    window->setGeometry(placed);
}

}  // namespace vella

// The one look of the program's windows.
#include "ui/dialog_style.h"

#include <QDialog>
#include <QFont>

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
    window->setGeometry(QRect(QPoint(Twips(left), Twips(top) - above), window->size()));
}

}  // namespace vella

// A button that is a picture.
#include "ui/picture_button.h"

#include <QKeyEvent>
#include <QPainter>

namespace vella {

PictureButton::PictureButton(const QPixmap& picture, QWidget* parent)
    : QAbstractButton(parent), picture_(picture) {
    setFocusPolicy(Qt::TabFocus);
}

// The picture fills the button, scaled smoothly as a label scales its picture. The focus mark is a
// frame two pixels wide in the selection colour, as plain to see as a focused button's outline (a
// style's own focus rectangle can be a faint tint).
void PictureButton::paintEvent(QPaintEvent*) {
    const QSize pixels = size() * devicePixelRatio();
    if (scaled_.size() != pixels) {
        scaled_ = QPixmap::fromImage(
            picture_.toImage().scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        scaled_.setDevicePixelRatio(devicePixelRatio());
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, scaled_);
    if (!hasFocus()) return;
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

// Enter presses it as Space does; outside a dialog a button would ignore it.
void PictureButton::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

}  // namespace vella

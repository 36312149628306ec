// The main window's image control.
#include "ui/image_control.h"

#include <QAccessibleWidget>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <optional>

namespace vella {
namespace {

std::optional<MouseButton> ButtonOf(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return MouseButton::Primary;
        case Qt::RightButton:
            return MouseButton::Secondary;
        default:
            return std::nullopt;
    }
}

// What a screen reader sees of a picture that is a button: a push button that can be pressed.
class PictureButton final : public QAccessibleWidget {
  public:
    explicit PictureButton(ImageControl* picture)
        : QAccessibleWidget(picture, QAccessible::Button) {}
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction()) static_cast<ImageControl*>(widget())->Press();
    }
};

QAccessibleInterface* PictureButtons(const QString&, QObject* object) {
    auto* picture = qobject_cast<ImageControl*>(object);
    return picture && picture->IsButton() ? new PictureButton(picture) : nullptr;
}

}  // namespace

void ImageControl::MakeButton() {
    static const bool installed = (QAccessible::installFactory(PictureButtons), true);
    (void)installed;
    setFocusPolicy(Qt::TabFocus);
}

void ImageControl::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (IsButton() && (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)) {
        event->accept();
        Press();
        return;
    }
    QLabel::keyPressEvent(event);
}

// The focus mark is drawn only while the picture has the focus; otherwise it is as it was. It is
// a frame two pixels wide in the selection colour, as plain to see as a focused button's outline
// (a style's own focus rectangle can be a faint tint).
void ImageControl::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus()) return;
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

ImageControl::ImageControl(int index, QWidget* parent) : QLabel(parent), index_(index) {
    setAlignment(Qt::AlignCenter);
    setFocusPolicy(Qt::NoFocus);
}

void ImageControl::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    if (const auto button = ButtonOf(event->button())) emit MouseDown(index_, *button);
    event->accept();
}

void ImageControl::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click) emit Click(index_);
}

void ImageControl::dragEnterEvent(QDragEnterEvent* event) {
    if (DecodeDrag(event->mimeData())) event->acceptProposedAction();
}

void ImageControl::dragMoveEvent(QDragMoveEvent* event) {
    if (DecodeDrag(event->mimeData())) event->acceptProposedAction();
}

void ImageControl::dropEvent(QDropEvent* event) {
    const auto source = DecodeDrag(event->mimeData());
    if (!source) return;
    event->acceptProposedAction();
    emit DragDrop(index_, *source);
}

}  // namespace vella

// The main window's image control.
#include "ui/image_control.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMouseEvent>
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

}  // namespace

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

// A hole that holds a peg.
#include "ui/peg_hole.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMouseEvent>

namespace vella {

PegHole::PegHole(int index, QWidget* parent) : QLabel(parent), index_(index) {
    setAlignment(Qt::AlignCenter);
    setFocusPolicy(Qt::NoFocus);
}

void PegHole::mousePressEvent(QMouseEvent* event) {
    event->accept();
    emit pressed(index_, event->button());
}

void PegHole::dragEnterEvent(QDragEnterEvent* event) {
    if (DecodeDrag(event->mimeData())) event->acceptProposedAction();
}

void PegHole::dragMoveEvent(QDragMoveEvent* event) {
    if (DecodeDrag(event->mimeData())) event->acceptProposedAction();
}

void PegHole::dropEvent(QDropEvent* event) {
    const auto source = DecodeDrag(event->mimeData());
    if (!source) return;
    event->acceptProposedAction();
    emit pegDropped(index_, *source);
}

}  // namespace vella

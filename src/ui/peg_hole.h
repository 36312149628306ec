// A hole that holds a peg: one of the board's, or a colour of the palette. It reports a mouse
// button pressed on it and, where it takes drops, a peg dropped on it.
#pragma once

#include <QLabel>

#include "ui/peg_drag.h"

namespace vella {

class PegHole : public QLabel {
    Q_OBJECT

  public:
    // The hole at `index` of its board or palette.
    PegHole(int index, QWidget* parent);

  signals:
    void pressed(int index, Qt::MouseButton button);
    void pegDropped(int index, const vella::DragSource& source);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    int index_;
};

}  // namespace vella

// An image control of the main window: a hole of the board, a palette colour or the statistics
// picture. It reports mouse buttons, clicks, and, for holes, drops of dragged pegs.
#pragma once

#include <QLabel>

#include "ui/peg_drag.h"

namespace vella {

// The mouse buttons as the window's handlers know them.
enum class MouseButton { Primary = 1, Secondary = 2 };

class ImageControl : public QLabel {
    Q_OBJECT

  public:
    ImageControl(int index, QWidget* parent);

    // Holes take drops of pegs; nothing else does.
    void SetTakesDrops(bool takesDrops) { setAcceptDrops(takesDrops); }

    // Makes the picture a button for the keyboard and for screen readers as well: a Tab stop,
    // marked while it has the focus, that Enter and Space click.
    void MakeButton();
    bool IsButton() const { return focusPolicy() != Qt::NoFocus; }
    void Press() { emit Click(index_); }

  signals:
    void MouseDown(int index, vella::MouseButton button);
    void Click(int index);
    void DragDrop(int index, const vella::DragSource& source);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    int index_;
    bool pressed_ = false;
};

}  // namespace vella

// An image control of the main window: a hole of the board, a palette colour or the statistics
// picture. It reports mouse buttons by the program's codes (1 primary, 2 secondary, 4 middle),
// clicks, and, for holes, drops of dragged pegs.
#pragma once

#include <QLabel>
#include <QMimeData>
#include <optional>

#include "game/placement.h"

namespace vella {

inline constexpr char PegMimeType[] = "application/x-vellacode-peg";

// A drag carries its source in its MIME data, so that a drop works from the data alone, and
// the run of the program it started in: a hole can only be dragged within its own board, while
// a palette colour may come from another running copy.
QMimeData* EncodeDrag(const DragSource& source);
std::optional<DragSource> DecodeDrag(const QMimeData* data);

// Where the pointer holds a dragged picture: its centre, at any device-pixel ratio.
QPoint DragHotSpot(const QPixmap& image);

class ImageControl : public QLabel {
    Q_OBJECT

  public:
    ImageControl(int index, QWidget* parent);

    int Index() const { return index_; }

    // Holes take drops of pegs; nothing else does.
    void SetTakesDrops(bool takesDrops) { setAcceptDrops(takesDrops); }

  signals:
    void MouseDown(int index, int button);
    void Click(int index);
    void DragDrop(int index, const vella::DragSource& source);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    int index_;
    bool pressed_ = false;
};

}  // namespace vella

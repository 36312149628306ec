// The board.
#include "ui/board_view.h"

#include "play/speech.h"
#include "ui/accessible_names.h"
#include "ui/language.h"
#include "ui/peg_hole.h"
#include "ui/pictures.h"
#include "ui/twips.h"

namespace vella {

BoardView::BoardView(const Layout& layout, QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Box | QFrame::Sunken);
    setGeometry(layout.Rect(60, 120, 2595, 6255));
    setAccessibleName(Caption(BoardName));
    for (int i = 0; i < HoleCount; ++i) {
        const int row = i / RowLength;
        const int k = i % RowLength;
        auto* hole = new PegHole(i, this);
        hole->setObjectName(QStringLiteral("hole%1").arg(i));
        hole->setGeometry(layout.Rect(120 + 600 * k, 240 + 600 * (RowCount - 1 - row), 480, 480));
        hole->setFrameStyle(QFrame::Box | QFrame::Plain);
        hole->setAcceptDrops(true);
        connect(hole, &PegHole::pressed, this, &BoardView::holePressed);
        connect(hole, &PegHole::pegDropped, this, &BoardView::pegDropped);
        holes_[i] = hole;
    }
}

// A name that changes is announced by Qt.
void BoardView::Show(const GameState& game, const Pictures& pictures) {
    for (int i = 0; i < HoleCount; ++i) {
        const ColorCode code = game.Board()[i];
        holes_[i]->setPixmap(code == game.BlankCode() ? pictures.Empty() : pictures.Peg(code));
        Rename(holes_[i], QString::fromStdString(HoleText(game, i)));
    }
}

}  // namespace vella

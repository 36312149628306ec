// The scores beside the board.
#include "ui/score_view.h"

#include <QApplication>
#include <QLabel>

#include "play/speech.h"
#include "ui/accessible_names.h"
#include "ui/contrast.h"
#include "ui/language.h"
#include "ui/twips.h"

namespace vella {
namespace {

QColor Colour(Indicator state) {
    switch (state) {
        case Indicator::Current:
            return QColor(255, 0, 0);
        case Indicator::White:
            return QColor(255, 255, 255);
        case Indicator::Black:
            return QColor(0, 0, 0);
        case Indicator::Empty:
            break;
    }
    return EmptyIndicatorColor(QApplication::palette().color(QPalette::Button));
}

}  // namespace

ScoreView::ScoreView(const Layout& layout, QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Box | QFrame::Sunken);
    setGeometry(layout.Rect(2700, 120, 735, 6255));
    setAccessibleName(Caption(ScoresName));
    for (int i = 0; i < HoleCount; ++i) {
        const int row = i / RowLength;
        const int k = i % RowLength;
        auto* box = new QLabel(this);
        box->setObjectName(QStringLiteral("score%1").arg(i));
        const int left = k % 2 == 0 ? 120 : 360;
        const int top = (k < 2 ? 480 : 240) + 600 * (RowCount - 1 - row);
        // The boxes of a row share their inner lines: each reaches to where the next begins,
        // whatever the scale, so that every line is as wide as the others.
        const int x = layout.Px(left), y = layout.Px(top);
        box->setGeometry(x, y, layout.Px(left + 240) - x + 1, layout.Px(top + 240) - y + 1);
        box->setFrameStyle(QFrame::Box | QFrame::Plain);
        box->setAutoFillBackground(true);
        boxes_[i] = box;
    }
}

void ScoreView::Show(const GameState& game) {
    const auto indicators = game.Indicators();
    for (int i = 0; i < HoleCount; ++i) {
        QPalette palette = boxes_[i]->palette();
        palette.setColor(QPalette::Window, Colour(indicators[i]));
        boxes_[i]->setPalette(palette);
        Rename(boxes_[i], QString::fromStdString(ScoreText(game, i / RowLength)));
    }
}

}  // namespace vella

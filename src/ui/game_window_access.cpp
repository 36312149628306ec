// The game window for people who do not use a mouse or do not see the colours: names that say
// what each control is and holds, and keys that place and remove pegs.
#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>

#include "play/board_names.h"
#include "ui/accessible_names.h"
#include "ui/game_window.h"
#include "ui/image_control.h"

namespace vella {

void GameWindow::BuildKeyboard() {
    checkButton->setAccessibleName(QString::fromUtf8(CheckButtonName));
    board->setAccessibleName(QString::fromUtf8(BoardName));
    scoreFrame->setAccessibleName(QString::fromUtf8(ScoresName));
    paletteFrame->setAccessibleName(QString::fromUtf8(PaletteName));
    statisticsButton->setAccessibleName(QString::fromUtf8(StatisticsButtonName));
    statisticsButton->setAccessibleDescription(QString::fromUtf8(StatisticsButtonDescription));
    for (int i = 0; i < MaxColors; ++i) {
        const auto color = static_cast<ColorCode>(i);
        paletteColors[i]->setAccessibleName(QString::fromStdString(PalettePegName(color)));
        paletteColors[i]->setAccessibleDescription(QString::fromStdString(PaletteKeyHint(color)));
        // Keys 1 to 7 place a colour as a secondary click on the palette peg does.
        auto* key = new QShortcut(QKeySequence(Qt::Key_1 + i), this);
        connect(key, &QShortcut::activated, this, [this, i] {
            if (paletteColors[i]->isVisible()) play_.PlaceColor(static_cast<ColorCode>(i));
        });
    }
    auto* backspace = new QShortcut(QKeySequence(Qt::Key_Backspace), this);
    connect(backspace, &QShortcut::activated, this, [this] { play_.TakeBackLast(); });
}

// Called with every repaint of the board; a name that changes is announced by Qt.
void GameWindow::NameBoard() {
    for (int i = 0; i < HoleCount; ++i) {
        Rename(holes[i], QString::fromStdString(HoleName(Game(), i)));
    }
    for (int row = 0; row < RowCount; ++row) {
        const QString score = QString::fromStdString(ScoreBoxName(Game(), row));
        for (int k = 0; k < RowLength; ++k) Rename(scoreBoxes[row * RowLength + k], score);
    }
}

}  // namespace vella

// The game window for people who do not use a mouse or do not see the colours: names that say
// what each control is and holds, and keys that place and remove pegs.
#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>

#include "ui/accessible_names.h"
#include "ui/image_control.h"
#include "ui/main_frm.h"

namespace vella {

void MainFrm::BuildKeyboard() {
    GuessBtn->setAccessibleName(QStringLiteral("Check this row"));
    BoardFrame->setAccessibleName(QStringLiteral("Board"));
    AnsFrame->setAccessibleName(QStringLiteral("Scores"));
    Frame1->setAccessibleName(QStringLiteral("Colors"));
    StatImg->setAccessibleName(QStringLiteral("Statistics"));
    StatImg->setAccessibleDescription(QStringLiteral("Shows the players' statistics"));
    for (int i = 0; i < MaxColors; ++i) {
        ClrChoice[i]->setAccessibleName(PaletteName(i));
        ClrChoice[i]->setAccessibleDescription(
            QStringLiteral("Key %1 places this colour").arg(i + 1));
        // Keys 1 to 7 place a colour as a secondary click on the palette peg does.
        auto* key = new QShortcut(QKeySequence(Qt::Key_1 + i), this);
        connect(key, &QShortcut::activated, this, [this, i] {
            if (ClrChoice[i]->isVisible()) play_.PlaceColor(static_cast<ColorCode>(i));
        });
    }
    auto* backspace = new QShortcut(QKeySequence(Qt::Key_Backspace), this);
    connect(backspace, &QShortcut::activated, this, [this] { play_.TakeBackLast(); });
}

// Called with every repaint of the board; a name that changes is announced by Qt.
void MainFrm::NameBoard() {
    for (int i = 0; i < HoleCount; ++i) {
        Rename(Row[i], HoleName(i, Game().Board()[i], Game().BlankCode()));
    }
    for (int row = 0; row < RowCount; ++row) {
        const QString score = ScoreName(Game(), row);
        for (int k = 0; k < RowLength; ++k) Rename(Peg[row * RowLength + k], score);
    }
}

}  // namespace vella

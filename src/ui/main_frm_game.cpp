// The game window's handlers for the course of a game: placing pegs, submitting a row, and the
// option changes between games.
#include <QCheckBox>
#include <QPushButton>

#include "game/scoring.h"
#include "ui/image_control.h"
#include "ui/main_frm.h"
#include "ui/pictures.h"

namespace vella {

void MainFrm::GuessBtn_Click() {
    const SubmitResult result = game_.Submit(CurrentOptions());
    if (result.Refused()) {
        host_.Message(MessageRequest{QString::fromStdString(result.Refusal)});
        return;
    }
    BlnkChk->setEnabled(false);
    RptChk->setEnabled(false);
    PaintBoard();
    if (!result.GameOver) return;

    host_.ShowResult(ResultRequest{game_.Won, game_.Secret, game_.BlankCode});
    if (session_.KeepStats) FinishGameStats();
    BlnkChk->setEnabled(true);
    RptChk->setEnabled(true);
    ResetGame();
    NewSecret();
}

void MainFrm::ResetGame() {
    session_.LoginCancelled = false;
    session_.StatsDeclined = false;
    game_.ResetGame();
    PaintBoard();
}

void MainFrm::NewSecret() {
    game_.NewSecret(CurrentOptions());
}

void MainFrm::RptChk_Click() {
    NewSecret();
    GuessBtn->setFocus();
}

void MainFrm::BlnkChk_Click() {
    NewSecret();
    GuessBtn->setFocus();
}

void MainFrm::ClrChoice_MouseDown(int index, MouseButton button) {
    if (button == MouseButton::Primary) {
        StartDrag(DragSource{DragSource::Kind::Palette, index}, pictures::Peg(index));
    } else if (button == MouseButton::Secondary &&
               PlaceColor(game_, static_cast<ColorCode>(index)) >= 0) {
        PaintBoard();
    }
}

void MainFrm::Row_MouseDown(int index, MouseButton button) {
    if (button == MouseButton::Secondary && EmptyHole(game_, index)) PaintBoard();
    if (button == MouseButton::Primary && CanDragHole(game_, index)) {
        StartDrag(DragSource{DragSource::Kind::Hole, index}, Row[index]->pixmap());
    }
}

void MainFrm::Row_DragDrop(int index, const DragSource& source) {
    if (DropOnHole(game_, index, source)) PaintBoard();
}

void MainFrm::SixColors_Click() {
    ChangeColorSet(ColorSet::Six);
}

void MainFrm::SevenColors_Click() {
    ChangeColorSet(ColorSet::Seven);
}

void MainFrm::ChangeColorSet(std::int16_t colorSetIdx) {
    switch (game_.SetColorSet(colorSetIdx, CurrentOptions())) {
        case ColorChange::Refused:
            host_.Message(
                MessageRequest{QString::fromUtf8(WaitRefusal.data(), WaitRefusal.size())});
            break;
        case ColorChange::Changed:
            PaintBoard();
            break;
        case ColorChange::Unchanged:
            break;
    }
    // The menu item has toggled its own check mark; the colour set decides it.
    PaintPalette();
}

}  // namespace vella

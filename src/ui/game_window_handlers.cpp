// The game window's handlers that do more than forward: placing pegs by mouse, the option
// check boxes, the statistics picture, Exit and help.
#include <QCheckBox>
#include <QPushButton>

#include "ui/game_window.h"
#include "ui/help_viewer.h"
#include "ui/pictures.h"
#include "ui/settings.h"

namespace vella {

void GameWindow::onRepeatsClicked(bool checked) {
    play_.AllowRepeats(checked);
    checkButton->setFocus();
}

void GameWindow::onBlanksClicked(bool checked) {
    play_.AllowBlanks(checked);
    checkButton->setFocus();
}

void GameWindow::onPalettePress(int index, MouseButton button) {
    if (button == MouseButton::Primary) {
        StartDrag(DragSource{DragSource::Kind::Palette, index}, pictures::Peg(index));
    } else if (button == MouseButton::Secondary) {
        play_.PlaceColor(static_cast<ColorCode>(index));
    }
}

void GameWindow::onHolePress(int index, MouseButton button) {
    if (button == MouseButton::Secondary) play_.EmptyHole(index);
    if (button == MouseButton::Primary && Game().CanDragHole(index)) {
        StartDrag(DragSource{DragSource::Kind::Hole, index}, holes[index]->pixmap());
    }
}

void GameWindow::onShowStatistics() {
    play_.OpenStatistics();
    checkButton->setFocus();
}

void GameWindow::onExit() {
    if (play_.MayExit()) close();
}

// A choice of the player's own, kept for the next run; it changes nothing but the pictures.
void GameWindow::onPegSymbols() {
    const bool on = pegSymbolsAction->isChecked();
    pictures::SetPegSymbols(on);
    settings::SetPegSymbols(on);
    PaintPalette();
    PaintBoard();
}

HelpViewer* GameWindow::HelpWindow() const {
    return help_;
}

void GameWindow::onHelpContents() {
    if (!help_) help_ = new HelpViewer(this);
    help_->ShowContents();
}

}  // namespace vella

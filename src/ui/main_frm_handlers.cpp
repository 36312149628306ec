// The game window's handlers that do more than forward: placing pegs by mouse, the option
// check boxes, the statistics picture, Exit and help.
#include <QCheckBox>
#include <QPushButton>
#include <QSettings>

#include "ui/help_viewer.h"
#include "ui/main_frm.h"
#include "ui/pictures.h"

namespace vella {

void MainFrm::RptChk_Click() {
    play_.OptionsChanged(CurrentOptions());
    GuessBtn->setFocus();
}

void MainFrm::BlnkChk_Click() {
    play_.OptionsChanged(CurrentOptions());
    GuessBtn->setFocus();
}

void MainFrm::ClrChoice_MouseDown(int index, MouseButton button) {
    if (button == MouseButton::Primary) {
        StartDrag(DragSource{DragSource::Kind::Palette, index}, pictures::Peg(index));
    } else if (button == MouseButton::Secondary) {
        play_.PlaceColor(static_cast<ColorCode>(index));
    }
}

void MainFrm::Row_MouseDown(int index, MouseButton button) {
    if (button == MouseButton::Secondary) play_.EmptyHole(index);
    if (button == MouseButton::Primary && Game().CanDragHole(index)) {
        StartDrag(DragSource{DragSource::Kind::Hole, index}, Row[index]->pixmap());
    }
}

void MainFrm::StatImg_Click() {
    play_.OpenStatistics(CurrentOptions());
    GuessBtn->setFocus();
}

void MainFrm::Exit_Click() {
    if (!play_.Exit()) return;
    Form_Terminate();
    close();
}

// A choice of the player's own, kept for the next run; it changes nothing but the pictures.
void MainFrm::PegSymbols_Click() {
    const bool on = PegSymbols->isChecked();
    pictures::SetPegSymbols(on);
    QSettings().setValue(QStringLiteral("PegSymbols"), on);
    PaintPalette();
    PaintBoard();
}

HelpViewer* MainFrm::HelpWindow() const {
    return help_;
}

void MainFrm::HlpContents_Click() {
    if (!help_) help_ = new HelpViewer(this);
    help_->ShowContents();
}

}  // namespace vella

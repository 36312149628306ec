// The palette.
#include "ui/palette_view.h"

#include "play/speech.h"
#include "ui/language.h"
#include "ui/peg_hole.h"
#include "ui/pictures.h"
#include "ui/twips.h"

namespace vella {
namespace {

constexpr int SixColorHeight = 3255;
constexpr int SevenColorHeight = 3735;

}  // namespace

PaletteView::PaletteView(const Layout& layout, QWidget* parent) : QFrame(parent), layout_(layout) {
    setFrameStyle(QFrame::Box | QFrame::Sunken);
    setGeometry(layout.Rect(3540, 840, 735, SevenColorHeight));
    setAccessibleName(Caption(PaletteName));
    for (int i = 0; i < MaxColors; ++i) {
        const auto color = static_cast<ColorCode>(i);
        auto* peg = new PegHole(i, this);
        peg->setGeometry(layout.Rect(120, 240 + 480 * i, 480, 480));
        peg->setAccessibleName(QString::fromStdString(PalettePegName(color)));
        peg->setAccessibleDescription(QString::fromStdString(PaletteKeyHint(color)));
        connect(peg, &PegHole::pressed, this, &PaletteView::colorPressed);
        colors_[i] = peg;
    }
}

void PaletteView::Show(ColorSet colors, const Pictures& pictures) {
    const bool seven = colors == ColorSet::Seven;
    QRect frame = geometry();
    frame.setHeight(layout_.Px(seven ? SevenColorHeight : SixColorHeight));
    setGeometry(frame);
    for (int i = 0; i < MaxColors; ++i) colors_[i]->setPixmap(pictures.Peg(i));
    colors_[Color::Yellow]->setVisible(seven);
}

}  // namespace vella

// The palette: the colours in play, a peg of each, from which pegs are dragged or placed with a
// secondary click. Its frame is as tall as the colour set needs.
#pragma once

#include <QFrame>
#include <array>

#include "game/rules.h"

namespace vella {

class Layout;
class PegHole;
class Pictures;

class PaletteView : public QFrame {
    Q_OBJECT

  public:
    PaletteView(const Layout& layout, QWidget* parent);

    void Show(ColorSet colors, const Pictures& pictures);

  signals:
    void colorPressed(int color, Qt::MouseButton button);

  private:
    const Layout& layout_;
    std::array<PegHole*, MaxColors> colors_{};
};

}  // namespace vella

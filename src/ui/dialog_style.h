// The one look of the program's windows: the designed 8-point font and its larger variants, the
// fixed dialog frame, and placing a window by its client area.
#pragma once

class QComboBox;
class QDialog;
class QRect;
class QFont;
class QScreen;
class QSize;
class QWidget;

namespace vella {

class Layout;

// The dialogs' font: the platform's sans-serif family at the designed 8 points, narrowed a
// little, since the layout was drawn for a narrower face than today's sans-serif defaults.
QFont DialogFont(const Layout& layout);

// Gives `control` the dialogs' font at `points`, bold or regular.
void SetFont(QWidget* control, const Layout& layout, double points, bool bold);

// A fixed-size dialog without minimise and maximise boxes, its client area in twips.
void FixDialog(QDialog* dialog, const Layout& layout, int width, int height);

// Widens each label, button, check box and option button of `window` whose caption it would cut
// off in its font (a font drawn smaller than designed is not always narrower in proportion, and
// a translation may be longer), and the frames and the window round it where it then runs past
// their right edge.
void ShowCaptionsWhole(QWidget* window);

// Places `box` at `designed`, wider where its longest entry would not show whole in the font in
// use, up to the right edge `rightmost`; its drop-down list is as wide as that entry needs.
void FitToEntries(QComboBox* box, const QRect& designed, int rightmost);

// Where the design puts the game window's client area on the screen, in twips.
inline constexpr int GameClientLeft = 2835;
inline constexpr int GameClientTop = 1710;

// Puts the top left corner of a top-level window's client area (below its title bar, and for
// the main window below its menu bar: `above` pixels) at the given screen position in twips, as
// designed for a game window at its own designed place: a window the game window owns is placed
// as far from it as designed, wherever the game window stands. Each is then moved wholly onto
// its screen where it does not fit.
void PlaceClientArea(QWidget* window, const Layout& layout, int left, int top, int above = 0);

}  // namespace vella

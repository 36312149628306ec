// Layout figures are kept in twips, as designed; 15 twips make one logical pixel.
#pragma once

#include <QDialog>
#include <QFont>
#include <QRect>
#include <QWidget>

namespace vella {

inline constexpr int TwipsPerPixel = 15;

constexpr int Twips(int twips) {
    return (twips + TwipsPerPixel / 2) / TwipsPerPixel;
}

constexpr QRect TwipsRect(int left, int top, int width, int height) {
    return QRect(Twips(left), Twips(top), Twips(width), Twips(height));
}

// The dialogs' font: the platform's sans-serif family at the designed 8 points, narrowed a
// little, since the layout was drawn for a narrower face than today's sans-serif defaults.
inline QFont DialogFont() {
    QFont font;
    font.setPointSize(8);
    font.setStretch(QFont::SemiCondensed);
    return font;
}

// A fixed-size dialog without minimise and maximise boxes, its client area in twips.
inline void FixDialog(QDialog* dialog, int width, int height) {
    dialog->setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint);
    dialog->setFixedSize(Twips(width), Twips(height));
}

// Puts the top left corner of a top-level window's client area (below its title bar, and for
// the main window below its menu bar: `above` pixels) at the given screen position in twips.
inline void PlaceClientArea(QWidget* window, int left, int top, int above = 0) {
    window->adjustSize();
    window->setGeometry(QRect(QPoint(Twips(left), Twips(top) - above), window->size()));
}

}  // namespace vella

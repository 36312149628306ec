// The game window for people who do not use a mouse or do not see the colours: names that say
// what each control is and holds, and keys that place and remove pegs.
#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>

#include "play/speech.h"
#include "ui/accessible_names.h"
#include "ui/game_window.h"
#include "ui/image_control.h"

namespace vella {

namespace {

// Keeps an Alt press that arrives late from closing a menu opened after it.
//
// While a screen reader listens to the keyboard, Qt's bridge to it holds each key press back
// until the reader has seen it, but acts on shortcuts at once: Alt+H opens the Help menu
// before the Alt press itself is delivered, and a menu closes at an Alt press. On a busy
// machine the menu would open and shut at once. Every key press passes a shortcut check at its
// window first, in the order pressed, held back or not; an Alt press that reaches a menu with
// no Alt checked at a window since the menu opened is a late one, and the menu does not get it.
class LateAltFilter : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type == QEvent::Show && qobject_cast<QMenu*>(watched)) {
            altChecksAtMenuShow_ = altChecks_;
            return false;
        }
        if ((type != QEvent::ShortcutOverride && type != QEvent::KeyPress) ||
            static_cast<QKeyEvent*>(event)->key() != Qt::Key_Alt)
            return false;
        if (type == QEvent::ShortcutOverride) {
            // At a window only: Qt checks a late press again at the widget it reaches.
            if (watched->isWindowType()) ++altChecks_;
            return false;
        }
        return qobject_cast<QMenu*>(watched) && altChecks_ == altChecksAtMenuShow_;
    }

  private:
    unsigned altChecks_ = 0;
    unsigned altChecksAtMenuShow_ = 0;
};

}  // namespace

void GameWindow::BuildKeyboard() {
    qApp->installEventFilter(new LateAltFilter(this));
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
        Rename(holes[i], QString::fromStdString(HoleText(Game(), i)));
    }
    for (int row = 0; row < RowCount; ++row) {
        const QString score = QString::fromStdString(ScoreText(Game(), row));
        for (int k = 0; k < RowLength; ++k) Rename(scoreBoxes[row * RowLength + k], score);
    }
}

}  // namespace vella

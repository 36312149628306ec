// Keeps an Alt press that arrives late from closing a menu opened after it.
//
// While a screen reader listens to the keyboard, Qt's bridge to it holds each key press back
// until the reader has seen it, but acts on shortcuts at once: Alt+H opens the Help menu before
// the Alt press itself is delivered, and a menu closes at an Alt press. On a busy machine the
// menu would open and shut at once. Every key press passes a shortcut check at its window first,
// in the order pressed, held back or not; an Alt press that reaches a menu with no Alt checked at
// a window since the menu opened is a late one, and the menu does not get it. Installed on the
// application, for every window's menus.
#pragma once

#include <QObject>

namespace vella {

class LateAltFilter : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    unsigned altChecks_ = 0;
    unsigned altChecksAtMenuShow_ = 0;
};

}  // namespace vella

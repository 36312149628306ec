// Makes the screen reader speak a sentence, politely, without moving the keyboard's focus.
//
// Where Qt can send an announcement (6.8 on), the sentence is one. Qt 6.4 cannot, and Orca
// ignores a changed name or description (Qt's bridge sends them without their text), but it
// speaks whatever takes the focus. There a sentence is spoken by moving the screen reader's
// focus (never the keyboard's) to an object of its own that holds it; two take turns, since
// Orca stays silent when the focus does not move. They are fillers in a filler of their own:
// Orca says the name of a filler and no role word. Nothing is drawn either way.
#pragma once

#include <QString>

class QWidget;

namespace vella {

// Speaks `sentence` at `near`, the control that has the focus.
void Announce(QWidget* near, const QString& sentence);

}  // namespace vella

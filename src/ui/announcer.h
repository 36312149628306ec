// Makes the screen reader speak a sentence. Qt 6.4 has no announcement call, and Orca ignores a
// changed name or description (Qt's bridge sends them without their text), but it speaks
// whatever takes the focus. So a sentence is spoken by moving the screen reader's focus (never
// the keyboard's) to an object of its own that holds it; two take turns, since Orca stays silent
// when the focus does not move. Nothing is drawn, and no key goes anywhere else.
#pragma once

#include <QString>

class QWidget;

namespace vella {

// Speaks `sentence` at `near`, the control that has the focus.
void Announce(QWidget* near, const QString& sentence);

}  // namespace vella

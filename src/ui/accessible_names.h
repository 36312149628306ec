// Accessible names that change as the game goes on: a renamed control tells assistive
// technology so. What the names say comes from the mid-end.
#pragma once

#include <QString>

class QWidget;

namespace vella {

// Gives `widget` a new accessible name and tells assistive technology, when it changed.
void Rename(QWidget* widget, const QString& name);

}  // namespace vella

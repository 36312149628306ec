// Accessible names that change as the game goes on: a renamed control tells assistive
// technology so. What the names say comes from the mid-end.
#pragma once

#include <QString>

class QAccessibleEvent;
class QWidget;

namespace vella {

// Gives `widget` a new accessible name and tells assistive technology, when it changed.
void Rename(QWidget* widget, const QString& name);

// Whether assistive technology listens: something does that events are to be sent to.
bool Listening();

// Sends `event` to assistive technology.
void Notify(QAccessibleEvent* event);

// For tests, which run without an accessibility bridge: every event is sent to `observer`
// instead, and someone listens, until it is set back to none.
using AccessibilityObserver = void (*)(QAccessibleEvent* event);
void ObserveAccessibility(AccessibilityObserver observer);

}  // namespace vella

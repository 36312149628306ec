// Accessible names that change as the game goes on, and the one way every event reaches
// assistive technology.
#include "ui/accessible_names.h"

#include <QAccessible>
#include <QWidget>

namespace vella {
namespace {

AccessibilityObserver observer = nullptr;

}  // namespace

void ObserveAccessibility(AccessibilityObserver seen) {
    observer = seen;
}

bool Listening() {
    return observer || QAccessible::isActive();
}

void Notify(QAccessibleEvent* event) {
    if (observer) {
        observer(event);
    } else {
        QAccessible::updateAccessibility(event);
    }
}

void Rename(QWidget* widget, const QString& name) {
    if (widget->accessibleName() == name) return;
    widget->setAccessibleName(name);
    QAccessibleEvent changed(widget, QAccessible::NameChanged);
    Notify(&changed);
}

}  // namespace vella

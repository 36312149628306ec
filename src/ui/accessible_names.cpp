// Accessible names that change as the game goes on.
#include "ui/accessible_names.h"

#include <QAccessible>
#include <QWidget>

namespace vella {
void Rename(QWidget* widget, const QString& name) {
    if (widget->accessibleName() == name) return;
    widget->setAccessibleName(name);
    QAccessibleEvent changed(widget, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

}  // namespace vella

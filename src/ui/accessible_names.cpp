// Accessible names that change as the game goes on.
#include "ui/accessible_names.h"

#include <QAccessible>
#include <QWidget>

namespace vella {

namespace {
AnnouncementObserver observer = nullptr;
}  // namespace

void ObserveAnnouncements(AnnouncementObserver seen) {
    observer = seen;
}

void Rename(QWidget* widget, const QString& name) {
    if (widget->accessibleName() == name) return;
    widget->setAccessibleName(name);
    QAccessibleEvent changed(widget, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
    if (observer) observer(widget);
}

}  // namespace vella

// The late Alt press filter.
#include "ui/late_alt_filter.h"

#include <QKeyEvent>
#include <QMenu>

namespace vella {

bool LateAltFilter::eventFilter(QObject* watched, QEvent* event) {
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

}  // namespace vella

// What assistive technology reads for the board.
#include "ui/accessible_names.h"

#include <QAccessible>
#include <QWidget>

#include "play/sentences.h"

namespace vella {

QString ColorName(ColorCode code, ColorCode blankCode) {
    return QString::fromStdString(ColorWord(code, blankCode));
}

QString HoleName(int hole, ColorCode code, ColorCode blankCode) {
    return QStringLiteral("row %1, hole %2: %3")
        .arg(hole / RowLength + 1)
        .arg(hole % RowLength + 1)
        .arg(ColorName(code, blankCode));
}

QString PaletteName(int code) {
    return ColorName(static_cast<ColorCode>(code), -2) + QStringLiteral(" peg");
}

QString ScoreName(const GameState& state, int row) {
    const QString name = QStringLiteral("row %1: ").arg(row + 1);
    if (row >= state.CurRow()) {
        return name + (row == state.CurRow() ? QStringLiteral("current row")
                                             : QStringLiteral("not played yet"));
    }
    const RowScore score = ScoreOf(state, row);
    return name + QStringLiteral("%1 exact, %2 colour only").arg(score.Blacks).arg(score.Whites);
}

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

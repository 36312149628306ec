// The program's pictures. QPixmap caches what it loads, so asking again costs nothing.
#include "ui/pictures.h"

namespace vella::pictures {

QPixmap Peg(int colorCode) {
    return QPixmap(QStringLiteral(":/assets/peg%1.xpm").arg(colorCode));
}

QPixmap Empty() {
    return QPixmap(QStringLiteral(":/assets/empty.xpm"));
}

QPixmap StatsChart() {
    return QPixmap(QStringLiteral(":/assets/stats32.xpm"));
}

QIcon ProgramIcon() {
    return QIcon(QStringLiteral(":/assets/program.xpm"));
}

QIcon StatsIcon() {
    QIcon icon(QStringLiteral(":/assets/stats32.xpm"));
    icon.addFile(QStringLiteral(":/assets/stats16.xpm"), QSize(16, 16));
    return icon;
}

QIcon LoginIcon() {
    QIcon icon(QStringLiteral(":/assets/login32.xpm"));
    icon.addFile(QStringLiteral(":/assets/login16.xpm"), QSize(16, 16));
    return icon;
}

}  // namespace vella::pictures

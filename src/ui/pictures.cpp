// The program's pictures. Each exists at 32 pixels and, drawn from the same design, at 64 for
// screens of more than one device pixel per logical pixel. QPixmap caches what it loads.
#include "ui/pictures.h"

#include <QGuiApplication>

#include "ui/twips.h"

namespace vella::pictures {
namespace {

QPixmap Design(const QString& name) {
    if (qApp && qApp->devicePixelRatio() > 1.0) {
        QPixmap sharp(QStringLiteral(":/assets/%1@2x.xpm").arg(name));
        sharp.setDevicePixelRatio(2.0);
        return sharp;
    }
    return QPixmap(QStringLiteral(":/assets/%1.xpm").arg(name));
}

// Where the windows are drawn smaller than designed, so is every picture, smoothly.
QPixmap Load(const QString& name) {
    const QPixmap design = Design(name);
    if (LayoutScale() >= 1.0) return design;
    return design.scaled(design.size() * LayoutScale(), Qt::IgnoreAspectRatio,
                         Qt::SmoothTransformation);
}

bool& SymbolsOn() {
    static bool on = false;
    return on;
}

QIcon Icon(std::initializer_list<const char*> names) {
    QIcon icon;
    for (const char* name : names) {
        icon.addFile(QStringLiteral(":/assets/%1.xpm").arg(QLatin1String(name)));
        icon.addFile(QStringLiteral(":/assets/%1@2x.xpm").arg(QLatin1String(name)));
    }
    return icon;
}

}  // namespace

QPixmap Peg(int colorCode) {
    return Load((SymbolsOn() ? QStringLiteral("peg%1s") : QStringLiteral("peg%1")).arg(colorCode));
}

void SetPegSymbols(bool on) {
    SymbolsOn() = on;
}

bool PegSymbols() {
    return SymbolsOn();
}

QPixmap Empty() {
    return Load(QStringLiteral("empty"));
}

QPixmap StatsChart() {
    return Load(QStringLiteral("stats32"));
}

QIcon ProgramIcon() {
    return Icon({"program"});
}

QIcon StatsIcon() {
    return Icon({"stats32", "stats16"});
}

QIcon LoginIcon() {
    return Icon({"login32", "login16"});
}

}  // namespace vella::pictures

// The program's pictures. Each exists at 32 pixels and, drawn from the same design, at 64 for
// screens of more than one device pixel per logical pixel. QPixmap caches what it loads.
#include "ui/pictures.h"

#include <QGuiApplication>

#include "ui/twips.h"

namespace vella {
namespace {

QPixmap Design(const QString& name) {
    if (qApp && qApp->devicePixelRatio() > 1.0) {
        QPixmap sharp(QStringLiteral(":/assets/%1@2x.xpm").arg(name));
        sharp.setDevicePixelRatio(2.0);
        return sharp;
    }
    return QPixmap(QStringLiteral(":/assets/%1.xpm").arg(name));
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

// Where the windows are drawn smaller than designed, so is every picture, smoothly.
QPixmap Pictures::Load(const QString& name) const {
    const QPixmap design = Design(name);
    if (layout_.Scale() >= 1.0) return design;
    return design.scaled(design.size() * layout_.Scale(), Qt::IgnoreAspectRatio,
                         Qt::SmoothTransformation);
}

QPixmap Pictures::Peg(int colorCode) const {
    return Load((pegSymbols_ ? QStringLiteral("peg%1s") : QStringLiteral("peg%1")).arg(colorCode));
}

QPixmap Pictures::Empty() const {
    return Load(QStringLiteral("empty"));
}

QPixmap Pictures::StatsChart() const {
    return Load(QStringLiteral("stats32"));
}

QIcon Pictures::ProgramIcon() {
    return Icon({"program"});
}

QIcon Pictures::StatsIcon() {
    return Icon({"stats32", "stats16"});
}

QIcon Pictures::LoginIcon() {
    return Icon({"login32", "login16"});
}

}  // namespace vella

// Dragging a peg.
#include "ui/peg_drag.h"

#include <QBitmap>
#include <QGuiApplication>
#include <QTimer>
#include <QUuid>
#include <QWindow>

namespace vella {
namespace {

// Tells this run of the program from any other that takes part in the same drag and drop.
const QByteArray& DragOrigin() {
    static const QByteArray origin = QUuid::createUuid().toByteArray(QUuid::WithoutBraces);
    return origin;
}

}  // namespace

QMimeData* EncodeDrag(const DragSource& source) {
    auto* data = new QMimeData;
    const QString kind = source.kind == DragSource::Kind::Palette ? QStringLiteral("palette")
                                                                  : QStringLiteral("hole");
    data->setData(PegMimeType,
                  QStringLiteral("%1:%2:").arg(kind).arg(source.index).toLatin1() + DragOrigin());
    return data;
}

std::optional<DragSource> DecodeDrag(const QMimeData* data) {
    if (!data || !data->hasFormat(PegMimeType)) return std::nullopt;
    const QList<QByteArray> parts = data->data(PegMimeType).split(':');
    if (parts.size() != 3) return std::nullopt;
    bool ok = false;
    const int index = parts[1].toInt(&ok);
    if (!ok) return std::nullopt;
    if (parts[0] == "palette") return DragSource{DragSource::Kind::Palette, index};
    if (parts[0] == "hole" && parts[2] == DragOrigin())
        return DragSource{DragSource::Kind::Hole, index};
    return std::nullopt;
}

QPoint DragHotSpot(const QPixmap& image) {
    const QSizeF size = image.deviceIndependentSize();
    return QPoint(qRound(size.width() / 2), qRound(size.height() / 2));
}

void KeepDragOutline(const QPixmap& image) {
    // Only X11 draws the picture in a window of its own that needs the cut. Under Wayland the
    // compositor draws it with its transparency, and a cut would give it an input region of its
    // own, over which the compositor would offer the drop to the picture instead of the hole.
    if (QGuiApplication::platformName() != QLatin1String("xcb")) return;
    const QSize size = image.deviceIndependentSize().toSize();
    const QImage outline = image.mask().toImage();
    if (outline.isNull()) return;
    // The drag's own loop runs this once its picture is showing.
    QTimer::singleShot(0, [size, outline] {
        for (QWindow* window : QGuiApplication::topLevelWindows()) {
            if (window->isVisible() && window->flags().testFlag(Qt::WindowTransparentForInput) &&
                window->size() == size) {
                window->setMask(QRegion(QBitmap::fromImage(outline.scaled(size))));
            }
        }
    });
}

}  // namespace vella

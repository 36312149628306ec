// The main window's image control.
#include "ui/peg_image.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <QUuid>

namespace vella {
namespace {

int ButtonCode(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return 1;
        case Qt::RightButton:
            return 2;
        case Qt::MiddleButton:
            return 4;
        default:
            return 0;
    }
}

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

ImageControl::ImageControl(int index, QWidget* parent) : QLabel(parent), index_(index) {
    setAlignment(Qt::AlignCenter);
    setFocusPolicy(Qt::NoFocus);
}

void ImageControl::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    if (const int code = ButtonCode(event->button())) emit MouseDown(index_, code);
    event->accept();
}

void ImageControl::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click) emit Click(index_);
}

void ImageControl::dragEnterEvent(QDragEnterEvent* event) {
    if (DecodeDrag(event->mimeData())) event->acceptProposedAction();
}

void ImageControl::dragMoveEvent(QDragMoveEvent* event) {
    if (DecodeDrag(event->mimeData())) event->acceptProposedAction();
}

void ImageControl::dropEvent(QDropEvent* event) {
    const auto source = DecodeDrag(event->mimeData());
    if (!source) return;
    event->acceptProposedAction();
    emit DragDrop(index_, *source);
}

}  // namespace vella

// The one look of the program's windows.
#include "ui/dialog_style.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QFont>
#include <QGuiApplication>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTimer>
#include <algorithm>

#include "ui/screen_fit.h"
#include "ui/twips.h"

namespace vella {

namespace {

// What a window manager's frame may add round a window: borders and a title bar.
constexpr QSize FrameAllowance(16, 40);

}  // namespace

void Layout::FitTo(const QScreen* screen, const QSize& client, int above) {
    if (!screen) return;
    const QSize room = screen->availableGeometry().size() - FrameAllowance - QSize(0, above);
    twipsPerPixel_ = TwipsPerPixelToFit(client, room);
}

QFont DialogFont(const Layout& layout) {
    QFont font;
    font.setPointSizeF(8 * layout.Scale());
    font.setStretch(QFont::SemiCondensed);
    return font;
}

void SetFont(QWidget* control, const Layout& layout, double points, bool bold) {
    QFont font = DialogFont(layout);
    font.setPointSizeF(points * layout.Scale());
    font.setBold(bold);
    control->setFont(font);
}

void FixDialog(QDialog* dialog, const Layout& layout, int width, int height) {
    dialog->setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint);
    dialog->setFixedSize(layout.Px(width), layout.Px(height));
    dialog->setFont(DialogFont(layout));
}

namespace {

// Moves the window, frame and all, onto the screen that holds its centre where it does not fit.
void FitWindow(QWidget* window) {
    const QScreen* screen = QGuiApplication::screenAt(window->frameGeometry().center());
    if (!screen) screen = window->screen();
    if (!screen) return;
    const QRect fitted = FitOnScreen(window->frameGeometry(), screen->availableGeometry());
    if (fitted != window->frameGeometry()) window->move(fitted.topLeft());
}

// The window system tells the frame's size only once a window is shown, and a window manager
// only once it has framed the window, a moment later: the window is fitted again whenever it
// moves or changes size in the first seconds after it is shown, and then left where the player
// puts it.
class FitWhenShown final : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = static_cast<QWidget*>(watched);
        switch (event->type()) {
            case QEvent::Show:
                if (!shown_.isValid()) shown_.start();
                [[fallthrough]];
            case QEvent::Move:
            case QEvent::Resize:
                if (shown_.isValid() && shown_.elapsed() < 2000) {
                    QTimer::singleShot(0, window, [window] { FitWindow(window); });
                }
                break;
            default:
                break;
        }
        return false;
    }

  private:
    QElapsedTimer shown_;
};

}  // namespace

void PlaceClientArea(QWidget* window, const Layout& layout, int left, int top, int above) {
    // A window owned by the game window goes as far from it as designed, wherever it stands.
    QPoint shift;
    if (const auto* owner = qobject_cast<const QMainWindow*>(window->parentWidget());
        owner && owner->centralWidget()) {
        shift = owner->centralWidget()->mapToGlobal(QPoint(0, 0)) -
                QPoint(layout.Px(GameClientLeft), layout.Px(GameClientTop));
    }
    window->adjustSize();
    window->setGeometry(
        QRect(shift + QPoint(layout.Px(left), layout.Px(top) - above), window->size()));
    FitWindow(window);
    window->installEventFilter(new FitWhenShown(window));
}

namespace {

// The width `control` needs to show its caption whole in its own font; 0 where it has none.
int CaptionWidth(const QWidget* control) {
    QString caption;
    int besides = 0;
    const QStyle* style = control->style();
    if (const auto* label = qobject_cast<const QLabel*>(control); label && label->wordWrap()) {
        // A text on several lines: as wide as it needs to be to fit the lines it has room for.
        int width = control->width();
        while (label->heightForWidth(width) > control->height() && width < 4 * control->width())
            width += 4;
        return width;
    } else if (label) {
        caption = label->text();
    } else if (const auto* box = qobject_cast<const QCheckBox*>(control)) {
        caption = box->text();
        besides = style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, control) +
                  style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, control);
    } else if (const auto* option = qobject_cast<const QRadioButton*>(control)) {
        caption = option->text();
        besides = style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, control) +
                  style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, control);
    } else if (const auto* button = qobject_cast<const QPushButton*>(control)) {
        caption = button->text();
    }
    if (caption.isEmpty()) return 0;
    // "&&" shows as "&"; a single "&" marks the access key and is not shown.
    caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"))
        .remove(QLatin1Char('&'))
        .replace(QChar(1), QLatin1Char('&'));
    return besides + control->fontMetrics().horizontalAdvance(caption);
}

// Each frame round `inner`, and then `window`, grows where it no longer holds it after `inner`
// grew or moved `grown` pixels to the right, keeping a few pixels of its margin. A frame of
// fixed size stays fixed, at its new size.
void GrowAround(QWidget* inner, int grown, QWidget* window) {
    for (QWidget* outer = inner->parentWidget(); inner != window && outer;
         inner = outer, outer = outer->parentWidget()) {
        const int margin = outer->width() - 1 - (inner->geometry().right() - grown);
        const int width = inner->geometry().right() + 1 + std::clamp(margin, 0, 4);
        if (width <= outer->width()) break;
        grown = width - outer->width();
        if (outer == window || outer->minimumWidth() == outer->maximumWidth()) {
            outer->setFixedWidth(width);
        } else {
            outer->resize(width, outer->height());
        }
    }
}

}  // namespace

void ShowCaptionsWhole(QWidget* window) {
    for (QWidget* control : window->findChildren<QWidget*>()) {
        const int needed = CaptionWidth(control);
        if (needed <= control->width()) continue;
        const QRect before = control->geometry();
        const int grown = needed - before.width();
        control->resize(needed, control->height());
        GrowAround(control, grown, window);
        // What stands beside it on its line moves aside, keeping the gap between them.
        for (QObject* object : control->parentWidget()->children()) {
            auto* beside = qobject_cast<QWidget*>(object);
            if (!beside || beside == control || beside->x() <= before.right() ||
                beside->y() > before.bottom() || beside->geometry().bottom() < before.top())
                continue;
            beside->move(beside->x() + grown, beside->y());
            GrowAround(beside, grown, window);
        }
    }
}

void FitToEntries(QComboBox* box, const QRect& designed, int rightmost) {
    const QFontMetrics metrics(box->font());
    int widest = 0;
    for (int i = 0; i < box->count(); ++i) {
        widest = std::max(widest, metrics.horizontalAdvance(box->itemText(i)));
    }
    QStyleOptionComboBox option;
    option.initFrom(box);
    option.editable = box->isEditable();
    const int needed =
        box->style()
            ->sizeFromContents(QStyle::CT_ComboBox, &option, QSize(widest, metrics.height()), box)
            .width();
    box->view()->setMinimumWidth(needed);
    QRect place = designed;
    place.setWidth(std::clamp(needed, designed.width(), rightmost - designed.left()));
    box->setGeometry(place);
}

}  // namespace vella

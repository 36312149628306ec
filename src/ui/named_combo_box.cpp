// A combo box that keeps the name a screen reader gives it.
#include "ui/named_combo_box.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QLineEdit>

namespace vella {
namespace {

// What a screen reader sees: a combo box named as the window says, valued by its text.
class NamedComboAccessible final : public QAccessibleWidget {
  public:
    explicit NamedComboAccessible(NamedComboBox* box)
        : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        const auto* box = static_cast<const NamedComboBox*>(widget());
        switch (t) {
            case QAccessible::Name:
                return box->SpokenName();
            case QAccessible::Value:
                return box->isEditable() ? box->lineEdit()->text() : box->currentText();
            default:
                return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override {
        const auto* box = static_cast<const NamedComboBox*>(widget());
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = box->view()->isVisible();
        state.editable = box->isEditable();
        return state;
    }
};

QAccessibleInterface* NamedComboBoxes(const QString&, QObject* object) {
    auto* box = qobject_cast<NamedComboBox*>(object);
    return box ? new NamedComboAccessible(box) : nullptr;
}

}  // namespace

NamedComboBox::NamedComboBox(QWidget* parent, std::function<QString(const QComboBox&)> name)
    : QComboBox(parent), name_(std::move(name)) {
    static const bool installed = (QAccessible::installFactory(NamedComboBoxes), true);
    (void)installed;
}

}  // namespace vella

// Makes the screen reader speak a sentence.
#include "ui/announcer.h"

#include <QAccessible>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <array>

namespace vella {
namespace {

// A sentence as an object a screen reader can be focused on: a label over the control it is
// spoken at, focused for the screen reader only.
class Sentence final : public QAccessibleInterface {
  public:
    bool isValid() const override { return near_ != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return near_ ? near_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return near_ ? QAccessible::queryAccessibleInterface(near_) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? text_ : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        return near_ ? QRect(near_->mapToGlobal(QPoint(0, 0)), near_->size()) : QRect();
    }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.focusable = true;
        state.focused = true;
        return state;
    }

    void Hold(QWidget* near, const QString& text) {
        near_ = near;
        text_ = text;
    }

  private:
    QPointer<QWidget> near_;
    QString text_;
};

}  // namespace

void Announce(QWidget* near, const QString& sentence) {
    if (!near || !QAccessible::isActive()) return;
    // After the event being handled: a control that takes the focus with it (a radio button
    // chosen by an arrow key) is announced first, and the sentence is the last word.
    QTimer::singleShot(0, near, [near, sentence] {
        static std::array<Sentence*, 2> sentences = [] {
            std::array<Sentence*, 2> made{new Sentence, new Sentence};
            for (Sentence* s : made) QAccessible::registerAccessibleInterface(s);
            return made;
        }();
        static std::size_t turn = 0;
        Sentence* next = sentences[turn++ % sentences.size()];
        next->Hold(near, sentence);
        QAccessibleEvent focused(next, QAccessible::Focus);
        QAccessible::updateAccessibility(&focused);
    });
}

}  // namespace vella

// Makes the screen reader speak a sentence: by an announcement where Qt has them, otherwise by
// the screen reader's focus.
#include "ui/announcer.h"

#include <QAccessible>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <array>

namespace vella {
namespace {

constexpr bool QtAnnounces = QT_VERSION >= QT_VERSION_CHECK(6, 8, 0);

// An object for the screen reader alone, over the control a sentence is spoken at.
class Hidden : public QAccessibleInterface {
  public:
    bool isValid() const override { return near_ != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return near_ ? near_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? text_ : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        return near_ ? QRect(near_->mapToGlobal(QPoint(0, 0)), near_->size()) : QRect();
    }
    QAccessible::Role role() const override { return QAccessible::Client; }

  protected:
    QPointer<QWidget> near_;
    QString text_;
};

// A sentence, focused for the screen reader only.
class Sentence final : public Hidden {
  public:
    explicit Sentence(QAccessibleInterface* holder) : holder_(holder) {}
    QAccessibleInterface* parent() const override { return holder_; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
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
    QAccessibleInterface* holder_;
};

// The two sentences' parent: the screen reader takes an object for gone when its parent does
// not count it among its children.
class Sentences final : public Hidden {
  public:
    Sentences() : sentences_{new Sentence(this), new Sentence(this)} {
        QAccessible::registerAccessibleInterface(this);
        for (Sentence* s : sentences_) QAccessible::registerAccessibleInterface(s);
    }
    QAccessibleInterface* parent() const override {
        return near_ ? QAccessible::queryAccessibleInterface(near_) : nullptr;
    }
    QAccessibleInterface* child(int i) const override {
        return i >= 0 && i < childCount() ? sentences_[std::size_t(i)] : nullptr;
    }
    int childCount() const override { return int(sentences_.size()); }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (std::size_t i = 0; i < sentences_.size(); ++i)
            if (sentences_[i] == child) return int(i);
        return -1;
    }
    QAccessible::State state() const override { return {}; }

    // The next sentence, holding `text` at `near`.
    Sentence* Next(QWidget* near, const QString& text) {
        near_ = near;
        Sentence* next = sentences_[turn_++ % sentences_.size()];
        next->Hold(near, text);
        return next;
    }

  private:
    std::array<Sentence*, 2> sentences_;
    std::size_t turn_ = 0;
};

void Speak(QWidget* near, const QString& sentence) {
    if constexpr (QtAnnounces) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        QAccessibleAnnouncementEvent announcement(near, sentence);
        announcement.setPoliteness(QAccessible::AnnouncementPoliteness::Polite);
        QAccessible::updateAccessibility(&announcement);
#endif
    } else {
        static Sentences* sentences = new Sentences;
        QAccessibleEvent focused(sentences->Next(near, sentence), QAccessible::Focus);
        QAccessible::updateAccessibility(&focused);
    }
}

}  // namespace

void Announce(QWidget* near, const QString& sentence) {
    if (!near || !QAccessible::isActive()) return;
    // After the event being handled: a control that takes the focus with it (a radio button
    // chosen by an arrow key) is announced first, and the sentence is the last word.
    QTimer::singleShot(0, near, [near, sentence] { Speak(near, sentence); });
}

}  // namespace vella

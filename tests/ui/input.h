// Input as a person gives it: keys and clicks go to the top-level window through the window
// system's entry point, and Qt routes them to the focus widget or the control under the pointer,
// as it does for real input. Nothing here hands an event to an inner widget.
#pragma once

#include <QApplication>
#include <QWidget>
#include <QWindow>
#include <QtTest>

namespace input {

// The top-level window of `control`, with its window-system handle made if it had none yet.
inline QWidget* WindowOf(QWidget* control) {
    QWidget* top = control->window();
    if (!top->windowHandle()) top->winId();
    return top;
}

inline QPoint CentreOf(QWidget* control) {
    return control->mapTo(control->window(), control->rect().center());
}

// Makes `window` the active window, as a click on its frame would, and waits until it is.
inline bool Activate(QWidget* window) {
    window->activateWindow();
    return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
}

// A click on the middle of `control`, delivered to its window.
inline void Click(QWidget* control, Qt::MouseButton button = Qt::LeftButton,
                  Qt::KeyboardModifiers mods = {}) {
    QTest::mouseClick(WindowOf(control)->windowHandle(), button, mods, CentreOf(control));
}

inline void Press(QWidget* control, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mousePress(WindowOf(control)->windowHandle(), button, {}, CentreOf(control));
}

inline void Release(QWidget* control, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseRelease(WindowOf(control)->windowHandle(), button, {}, CentreOf(control));
}

// A key typed into `window`; its focus widget gets it, after the shortcuts had their turn.
inline void Key(QWidget* window, Qt::Key key, Qt::KeyboardModifiers mods = {}) {
    QTest::keyClick(WindowOf(window)->windowHandle(), key, mods);
}

// Text typed into `window` one character at a time, any character, as a keyboard layout or an
// on-screen keyboard sends it: a key event that carries the character as its text. Windows
// reports a character typed with AltGr with the modifiers Ctrl+Alt.
inline void Type(QWidget* window, const QString& text, Qt::KeyboardModifiers mods = {}) {
    for (char32_t c : text.toStdU32String()) {
        const QString one = QString::fromUcs4(&c, 1);
        const char latin = c < 0x80 ? static_cast<char>(c) : 0;
        const bool letter = (latin >= 'a' && latin <= 'z') || (latin >= 'A' && latin <= 'Z');
        const Qt::Key key = letter  ? Qt::Key(Qt::Key_A + (QChar::toUpper(c) - U'A'))
                            : latin ? Qt::Key(latin)
                                    : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Press, WindowOf(window)->windowHandle(), key, one, mods);
        QTest::sendKeyEvent(QTest::Release, WindowOf(window)->windowHandle(), key, one, mods);
    }
}

// The modal window on top, once it is open (a window opened by exec() from a timer).
inline QWidget* ModalWindow() {
    return QApplication::activeModalWidget();
}

}  // namespace input

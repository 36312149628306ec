// Input synthesised in the X server through the XTest extension: the server delivers it to the
// program as it delivers a person's keyboard and mouse, so the platform's own key and pointer
// handling runs. A script of steps runs on its own thread with its own connection, since a drag
// holds the program's thread in a loop of its own until the button is released.
#pragma once

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <QFile>
#include <QPoint>
#include <QRect>
#include <chrono>
#include <functional>
#include <initializer_list>
#include <string>
#include <thread>

class XTestInput {
  public:
    XTestInput() : display_(XOpenDisplay(nullptr)) {}
    ~XTestInput() {
        if (display_) XCloseDisplay(display_);
    }
    XTestInput(const XTestInput&) = delete;
    XTestInput& operator=(const XTestInput&) = delete;

    bool Ready() const {
        int event, error, major, minor;
        return display_ && XTestQueryExtension(display_, &event, &error, &major, &minor);
    }

    void MoveTo(QPoint global) {
        XTestFakeMotionEvent(display_, -1, global.x(), global.y(), CurrentTime);
        Settle();
    }
    // A pointer move in small steps, as a hand makes it.
    void GlideTo(QPoint from, QPoint to, int steps = 12) {
        for (int i = 1; i <= steps; ++i) MoveTo(from + (to - from) * i / steps);
    }
    void Button(unsigned button, bool down) {
        XTestFakeButtonEvent(display_, button, down, CurrentTime);
        Settle();
    }
    void Click(QPoint global, unsigned button) {
        MoveTo(global);
        Button(button, true);
        Button(button, false);
    }
    // A key, with any modifier keys held down around it.
    void Tap(KeySym key, std::initializer_list<KeySym> held = {}) {
        for (KeySym m : held) Key(m, true);
        Key(key, true);
        Key(key, false);
        for (KeySym m : held) Key(m, false);
    }
    // The colour the screen shows at `global`, as the X server holds it.
    unsigned long PixelAt(QPoint global) {
        XImage* image = XGetImage(display_, DefaultRootWindow(display_), global.x(), global.y(), 1,
                                  1, AllPlanes, ZPixmap);
        const unsigned long pixel = image ? XGetPixel(image, 0, 0) : ~0UL;
        if (image) XDestroyImage(image);
        return pixel;
    }
    void Type(const char* letters) {
        for (const char* c = letters; *c; ++c) Tap(XStringToKeysym(std::string(1, *c).c_str()));
    }

    // A top-level window of any program whose title contains `part`; 0 when there is none.
    Window FindWindow(const std::string& part) {
        Window root = DefaultRootWindow(display_), parent = 0, *children = nullptr;
        unsigned count = 0;
        Window found = 0;
        if (!XQueryTree(display_, root, &root, &parent, &children, &count)) return 0;
        for (unsigned i = 0; i < count && !found; ++i) {
            XWindowAttributes attributes;
            if (!XGetWindowAttributes(display_, children[i], &attributes) ||
                attributes.map_state != IsViewable) {
                continue;
            }
            if (Title(children[i]).find(part) != std::string::npos) found = children[i];
        }
        if (children) XFree(children);
        return found;
    }
    // The window's place on the screen with the frame a window manager drew round it; none
    // until the manager has framed it.
    QRect FrameOf(Window window) {
        XWindowAttributes a;
        Window child;
        int x = 0, y = 0;
        if (!XGetWindowAttributes(display_, window, &a) ||
            !XTranslateCoordinates(display_, window, a.root, 0, 0, &x, &y, &child))
            return {};
        long sides[4] = {0, 0, 0, 0};  // left, right, top, bottom
        Atom type;
        int format;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        XGetWindowProperty(display_, window, XInternAtom(display_, "_NET_FRAME_EXTENTS", False), 0,
                           4, False, XA_CARDINAL, &type, &format, &count, &after, &data);
        for (unsigned long i = 0; data && i < count && i < 4; ++i)
            sides[i] = reinterpret_cast<long*>(data)[i];
        if (!data) return {};
        XFree(data);
        return QRect(x - sides[0], y - sides[2], a.width + sides[0] + sides[1],
                     a.height + sides[2] + sides[3]);
    }
    // Gives `window` the keyboard, as a click on it or a window manager would.
    void Focus(Window window) {
        XRaiseWindow(display_, window);
        XSetInputFocus(display_, window, RevertToParent, CurrentTime);
        Settle();
    }

  private:
    std::string Title(Window window) {
        XTextProperty property;
        std::string title;
        if (!XGetWMName(display_, window, &property)) return title;
        char** list = nullptr;
        int count = 0;
        if (Xutf8TextPropertyToTextList(display_, &property, &list, &count) >= Success && list) {
            if (count > 0) title = list[0];
            XFreeStringList(list);
        }
        XFree(property.value);
        return title;
    }

    void Key(KeySym key, bool down) {
        XTestFakeKeyEvent(display_, XKeysymToKeycode(display_, key), down, CurrentTime);
        Settle();
    }
    void Settle() {
        XSync(display_, False);
        std::this_thread::sleep_for(std::chrono::milliseconds(15));
    }

    Display* display_;
};

// Runs `script` with a fresh XTest connection on a thread of its own; Join() waits for it.
class InputScript {
  public:
    explicit InputScript(std::function<void(XTestInput&)> script)
        : thread_([script = std::move(script)] {
              XTestInput input;
              script(input);
          }) {}
    ~InputScript() { Join(); }
    void Join() {
        if (thread_.joinable()) thread_.join();
    }

  private:
    std::thread thread_;
};

// Waits `ms` milliseconds, for what the server or the program does meanwhile.
inline void Pause(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

// The bytes of the file at `path`, or "missing".
inline QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("missing");
}

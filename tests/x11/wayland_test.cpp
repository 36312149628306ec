// The program on a Wayland compositor: weston runs as a window on the suite's X server, and turns
// the input the X server delivers there (XTest) into Wayland input for the program, which is
// started with Qt's Wayland platform. A whole run: log-in, a drag from the palette, keys, "?",
// the result window, the statistics window and Exit, with the file's bytes checked at the end.
// Wayland does not let a program place its windows; each must still come up and take its keys.
#include <QProcess>
#include <QtTest>
#include <vector>

#include "xtest_input.h"

namespace {

// The screen's pixels, as the X server shows them.
std::vector<unsigned long> Shot(Display* display) {
    const Window root = DefaultRootWindow(display);
    XWindowAttributes a;
    XGetWindowAttributes(display, root, &a);
    XImage* image = XGetImage(display, root, 0, 0, a.width, a.height, AllPlanes, ZPixmap);
    std::vector<unsigned long> pixels;
    if (!image) return pixels;
    pixels.reserve(std::size_t(a.width) * a.height);
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x) pixels.push_back(XGetPixel(image, x, y) & 0xFFFFFF);
    XDestroyImage(image);
    return pixels;
}

// The centre of the pixels of `colour` (0xRRGGBB) within `area`; none where there are none.
std::optional<QPoint> CentreOf(Display* display, unsigned long colour, QRect area) {
    const std::vector<unsigned long> pixels = Shot(display);
    const int width = DisplayWidth(display, DefaultScreen(display));
    long sx = 0, sy = 0, count = 0;
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        const QPoint at(int(i % width), int(i / width));
        if (pixels[i] == colour && area.contains(at)) sx += at.x(), sy += at.y(), ++count;
    }
    if (count == 0) return std::nullopt;
    return QPoint(int(sx / count), int(sy / count));
}

// The compositor's window: the X server's only window (it is named with _NET_WM_NAME alone).
Window OnlyWindow(Display* display) {
    Window root = DefaultRootWindow(display), parent = 0, *children = nullptr;
    unsigned count = 0;
    XQueryTree(display, root, &root, &parent, &children, &count);
    const Window only = count == 1 ? children[0] : 0;
    if (children) XFree(children);
    return only;
}

}  // namespace

class WaylandTest : public QObject {
    Q_OBJECT

  private slots:
    void aWholeRunOnWeston() {
        QTemporaryDir runtime, folder;
        QVERIFY(QFile::setPermissions(runtime.path(), QFileDevice::ReadOwner |
                                                          QFileDevice::WriteOwner |
                                                          QFileDevice::ExeOwner));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        QProcess weston, program;
        weston.setProcessEnvironment(env);
        weston.start(QStringLiteral("weston"),
                     {QStringLiteral("--backend=x11-backend.so"), QStringLiteral("--use-pixman"),
                      QStringLiteral("--socket=vellacode"), QStringLiteral("--width=1024"),
                      QStringLiteral("--height=768"), QStringLiteral("--idle-time=0")});
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(runtime.filePath("vellacode")), 15000);
        env.insert(QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("vellacode"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
        program.setProcessEnvironment(env);
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);  // its faults, if any
        program.start(QStringLiteral(VELLACODE_EXE), {QStringLiteral("-f"), folder.path()});

        XTestInput x;
        Display* display = XOpenDisplay(nullptr);
        const QRect screen(0, 0, 1024, 768);
        // The palette's cyan peg is the only thing of its colour on the screen at the start.
        std::optional<QPoint> cyan;
        QTRY_VERIFY_WITH_TIMEOUT((cyan = CentreOf(display, 0x00FFFF, screen)).has_value(), 20000);
        Pause(1000);  // the whole window drawn
        cyan = CentreOf(display, 0x00FFFF, screen);
        const Window compositor = OnlyWindow(display);
        QVERIFY(compositor);
        x.Focus(compositor);

        // Stuff > Log In..., as ANN: the window reads the players first, making the file.
        // A click on the game window gives it the keyboard: a secondary click on the first hole,
        // still empty, which empties it (a primary click on a peg would begin a drag). The first
        // click, as the pointer enters the compositor's window, may only bring the pointer in.
        const QPoint hole = *cyan + QPoint(-232, 184);
        for (int i = 0; i < 2; ++i) {
            x.Click(hole, 3);
            Pause(500);
        }
        x.Tap(XK_s, {XK_Alt_L});
        Pause(500);
        const auto menu = Shot(display);
        x.Tap(XK_l);
        const QString dat = folder.filePath(QStringLiteral("stats.dat"));
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(dat) && Shot(display) != menu, 30000);
        Pause(1000);
        x.Type("ann");
        x.Tap(XK_Return);
        Pause(500);
        // Weston gives the keyboard back to no window when a dialog or a drag ends: secondary
        // clicks on a hole of the top row, which change nothing, give it to the game window.
        const auto refocus = [&x, topRow = *cyan + QPoint(-232, -176)] {
            for (int i = 0; i < 2; ++i) {
                x.Click(topRow, 3);
                Pause(300);
            }
        };

        // The cyan peg dragged into the first hole of the first row (232 pixels to the left of
        // the peg and 184 below it), then keys for the rest of each row, and "?" by Return.
        x.MoveTo(*cyan);
        x.Button(1, true);
        x.GlideTo(*cyan, hole, 20);
        Pause(300);  // the program accepts the drop over the hole, one round trip later
        x.Button(1, false);
        QTRY_VERIFY_WITH_TIMEOUT(
            CentreOf(display, 0x00FFFF, QRect(hole - QPoint(16, 16), QSize(32, 32))).has_value(),
            5000);
        refocus();
        const char* rows[] = {"123",  "1234", "2345", "3456", "4561",
                              "5612", "6123", "1352", "2461", "3514"};
        for (const char* keys : rows) {
            x.Type(keys);
            Pause(200);
            x.Tap(XK_Return);
            // A game that ends is recorded at once, before the result window waits.
            for (int waited = 0; waited < 3000 && QFileInfo(dat).size() == 0; waited += 100)
                Pause(100);
            if (QFileInfo(dat).size() > 0) break;
        }
        QCOMPARE(QFileInfo(dat).size(), 143);
        const QByteArray recorded = Bytes(dat);
        QCOMPARE(recorded.left(15), QByteArray("ANN            "));
        QCOMPARE(recorded.mid(15, 4), QByteArray("\x01\0\0\0", 4));  // one standard game

        // The result window takes Return; the statistics window opens from the picture and
        // closes with Escape; then Stuff > Exit. Each step waits for the screen to show it.
        const auto changes = [display](const std::vector<unsigned long>& before) {
            for (int waited = 0; waited < 30000; waited += 100) {
                if (Shot(display) != before) return true;
                Pause(100);
            }
            return false;
        };
        auto before = Shot(display);
        x.Tap(XK_Return);
        QVERIFY(changes(before));
        Pause(1000);
        refocus();
        before = Shot(display);
        x.Click(*cyan + QPoint(-2, -180), 1);  // the statistics picture
        QVERIFY(changes(before));
        Pause(1000);
        x.Tap(XK_Escape);
        Pause(1000);
        refocus();
        x.Tap(XK_s, {XK_Alt_L});
        Pause(500);
        x.Tap(XK_x);
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitCode(), 0);
        QCOMPARE(Bytes(dat), recorded);
        QCOMPARE(Bytes(folder.filePath(QStringLiteral("stats.bak"))), recorded);
        XCloseDisplay(display);
        weston.terminate();
        weston.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(WaylandTest)
#include "wayland_test.moc"

// Signals reach the event loop through a socket pair that the handler writes one byte to (the
// only thing it does); the end of the session, fatal errors and Qt's own exit() are Qt's.
#include "ui/outside_end.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <cstdio>
#include <cstdlib>
#include <utility>

#ifdef Q_OS_UNIX
#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#endif

namespace vella {
namespace {

std::function<void()>& Step() {
    static std::function<void()> step;
    return step;
}

void RunStepOnce() {
    if (auto step = std::exchange(Step(), nullptr)) step();
}

QtMessageHandler previousHandler = nullptr;

void OnMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg) RunStepOnce();  // e.g. "The X11 connection broke": Qt aborts next
    if (previousHandler) previousHandler(type, context, message);
}

#ifdef Q_OS_UNIX
int wakeUp[2] = {-1, -1};

void OnSignal(int signal) {
    const int saved = errno;
    const char byte = static_cast<char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(wakeUp[0], &byte, 1);
    errno = saved;
}
#endif

}  // namespace

void EndFromOutside(QWidget* window, std::function<void()> close, std::function<void()> step) {
    QObject* owner = window;
    Step() = std::move(step);
    // Qt ends the process with exit() when it loses the X connection: the step runs on the way
    // out. Once the window has closed it has run the shutdown step itself, and the window the
    // step works on is about to go.
    std::atexit(RunStepOnce);
    QObject::connect(qGuiApp, &QGuiApplication::lastWindowClosed, [] { Step() = nullptr; });
    QObject::connect(qGuiApp, &QCoreApplication::aboutToQuit, [] { Step() = nullptr; });
    previousHandler = qInstallMessageHandler(OnMessage);
    QObject::connect(qGuiApp, &QGuiApplication::commitDataRequest, owner,
                     [close = std::move(close)](QSessionManager&) {
                         if (Step()) close();
                     });
#ifdef Q_OS_UNIX
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, wakeUp) != 0) return;
    auto* notifier = new QSocketNotifier(wakeUp[1], QSocketNotifier::Read, owner);
    QObject::connect(notifier, &QSocketNotifier::activated, owner, [] {
        char signal = 0;
        if (::read(wakeUp[1], &signal, 1) != 1) return;
        RunStepOnce();
        std::fflush(nullptr);
        std::_Exit(128 + signal);
    });
    struct sigaction action = {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) ::sigaction(signal, &action, nullptr);
#endif
}

}  // namespace vella

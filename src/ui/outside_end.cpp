// What every platform shares: the shutdown step is kept here and run at most once; the end of
// the session, fatal errors and Qt's own exit() are Qt's. How the system asks a program to end
// (signals) is in the platform's file.
#include "ui/outside_end.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <cstdlib>
#include <utility>

namespace vella {
namespace {

std::function<void()>& Step() {
    static std::function<void()> step;
    return step;
}

QtMessageHandler previousHandler = nullptr;

void OnMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg) RunStepOnce();  // e.g. "The X11 connection broke": Qt aborts next
    if (previousHandler) previousHandler(type, context, message);
}

}  // namespace

void RunStepOnce() {
    if (auto step = std::exchange(Step(), nullptr)) step();
}

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
    WatchForEndRequests(owner);
}

}  // namespace vella

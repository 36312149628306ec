// Signals reach the event loop through a socket pair that the handler writes one byte to (the
// only thing it does).
#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "ui/outside_end.h"

namespace vella {
namespace {

int wakeUp[2] = {-1, -1};

void OnSignal(int signal) {
    const int saved = errno;
    const char byte = static_cast<char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(wakeUp[0], &byte, 1);
    errno = saved;
}

}  // namespace

void WatchForEndRequests(QObject* owner) {
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
}

}  // namespace vella

// Ending from outside the game window: a signal (SIGTERM, SIGINT, SIGHUP, as a desktop session
// ends its programs), the end of the session (on Windows, log-off and shut-down), or a fatal
// error such as the loss of the X connection. Each runs the shutdown step, as Exit does, but asks
// nothing.
#pragma once

#include <QWidget>
#include <functional>

namespace vella {

// Installs the handlers for `window`, the game window, which runs the shutdown step as it closes.
// At the end of the session `close` closes it. Where the process ends without the window closing,
// `step` is the shutdown step instead: in the event loop for a signal (never inside the signal
// handler), and before Qt ends the process for a fatal error or with exit() (as it does, from
// another thread, when the X connection is lost); the program then ends, after a signal with
// 128 + the signal's number. Neither runs once the window has closed, nor more than once.
void EndFromOutside(QWidget* window, std::function<void()> close, std::function<void()> step);

// The platform's part, in outside_end_posix.cpp or outside_end_win32.cpp: has the system's
// requests to end that Qt does not turn into events (signals) run RunStepOnce in the event loop
// of `owner`'s thread, then end the process.
void WatchForEndRequests(QObject* owner);

// Runs the shutdown step given to EndFromOutside, unless it has run or the window has closed.
void RunStepOnce();

}  // namespace vella

// Ending from outside the game window: a signal (SIGTERM, SIGINT, SIGHUP, as a desktop session
// ends its programs), the end of the session, or a fatal error such as the loss of the X
// connection. Each runs the shutdown step once, as Exit does, but asks nothing.
#pragma once

#include <QObject>
#include <functional>

namespace vella {

// Installs the handlers. `step` runs at most once: in the event loop for a signal (never inside
// the signal handler), before Qt ends the process for a fatal error or with exit() (as it does
// when the X connection is lost), and never after the application has begun to quit normally.
// After a signal the program then ends with 128 + the signal's number.
void EndFromOutside(QObject* owner, std::function<void()> step);

}  // namespace vella

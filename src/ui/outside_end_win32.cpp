// On Windows the system asks a windowed program to end through its windows only: log-off and
// shut-down send the end of the session to every window, which reaches the shutdown step through
// Qt's end-of-session request, as on Linux; and ending a program from the task list or with
// taskkill closes its window as Exit does. The console a windowed program was started from is
// not its own, and closing it leaves the game running. There are no signals to watch.
#include "ui/outside_end.h"

namespace vella {

void WatchForEndRequests(QObject*) {}

}  // namespace vella

// Delete Player, the statistics window's one command that writes: the question, then the record
// removed under the lock once its name is checked again, and what the window is to do next.
#pragma once

#include <string>

#include "play/modal_host.h"

namespace vella {

class StatsFile;

enum class Deletion {
    Kept,      // the question was answered Cancel: nothing changed
    Deleted,   // the record is gone; other players remain
    FileGone,  // it was the only record: the file is gone, and the window closes
    Changed,   // another program changed the file since it was listed: nothing was deleted
    Failed,    // the file could not be changed; the person was told why
};

// Deletes record `index` of `stats`, the player `name`, after asking.
Deletion DeletePlayer(ModalHost& host, StatsFile& stats, int index, const PlayerName& name);

}  // namespace vella

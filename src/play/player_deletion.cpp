// Delete Player.
#include "play/player_deletion.h"

#include "play/messages.h"
#include "stats/stats_file.h"

namespace vella {

Deletion DeletePlayer(ModalHost& host, StatsFile& stats, int index, const PlayerName& name) {
    if (host.Message(DeletePlayerQuestion(name)) != Answer::Ok) return Deletion::Kept;
    const Result<std::optional<int>> left = stats.RemovePlayer(index, name);
    if (left.Ok() && !left.Value) {
        host.Message(NothingDeleted(stats.DatPath()));
        return Deletion::Changed;
    }
    if (!left.Ok()) {
        host.Message(PlayerNotDeleted(left));
        return Deletion::Failed;
    }
    return *left.Value == 0 ? Deletion::FileGone : Deletion::Deleted;
}

}  // namespace vella

// Delete Player.
#include "play/player_deletion.h"

#include "stats/stats_file.h"

namespace vella {

Deletion DeletePlayer(ModalHost& host, StatsFile& stats, int k, const std::string& name) {
    const std::string question =
        "Are you sure you want to do this?  Stats for " + name + " will be permanently deleted!";
    if (AskWoah(host, question, MsgButtons::OkCancel, Answer::Cancel) != Answer::Ok) {
        return Deletion::Kept;
    }
    const Result<std::optional<int>> left = stats.RemovePlayer(k, name);
    if (left.Ok() && !left.Value) {
        ReportFailure(host, "The player could not be deleted. " +
                                stats.ChangedSinceListed("nothing was deleted."));
        return Deletion::Changed;
    }
    if (!left.Ok()) {
        ReportFailure(host, "The player could not be deleted. " + left.Error);
        return Deletion::Failed;
    }
    return *left.Value == 0 ? Deletion::FileGone : Deletion::Deleted;
}

}  // namespace vella

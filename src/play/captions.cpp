// The windows' captions.
#include "play/captions.h"

namespace vella {

std::string MainCaption(const PlayerSession& session) {
    if (!session.LoggedIn()) return "Vellacode";
    return Fill(Tr("Captions", "Current Player: %1"), {session.Player.Display()});
}

std::string UserIdCaption(const PlayerSession& session) {
    return session.LoggedIn() ? Tr("Captions", "&New Player...") : Tr("Captions", "&Log In...");
}

std::string ColumnHeader(const StatsView& figures, int k) {
    //: The statistics window's column headers: games with 6 colors, with 7, and (in the total of
    //: all game types) the one column of totals.
    static constexpr std::array<Text, 3> headers{VC_TEXT("Captions", "6 Colors"),
                                                 VC_TEXT("Captions", "7 Colors"),
                                                 VC_TEXT("Captions", "Totals")};
    return Tr(headers[figures.GrandTotal ? 2 : k]);
}

}  // namespace vella

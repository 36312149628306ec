// The statistics window's decisions.
#include "play/stats_browser.h"

#include <algorithm>
#include <array>

#include "play/captions.h"
#include "play/messages.h"
#include "play/player_deletion.h"
#include "stats/stats_file.h"

namespace vella {

StatsBrowser::StatsBrowser(ModalHost& host, StatsFile& stats)
    : host_(host), stats_(stats), figures_(ComputeView(PlayerRec{}, 0)) {}

bool StatsBrowser::Open(const PlayerName& player, GameType gameType) {
    wanted_ = player;
    view_ = static_cast<int>(gameType);  // views 0..3 are the game types
    if (!List()) return false;
    ShowFigures();
    return true;
}

bool StatsBrowser::List() {
    auto names = stats_.ReadNames();
    names_.clear();
    selected_ = damagedSaid_ = -1;
    if (!names.Ok()) {
        host_.Message(FailureMessage(names.Error));
        return false;
    }
    names_ = std::move(names.Value);
    for (std::size_t i = 0; i < names_.size(); ++i) {
        if (names_[i] == wanted_) selected_ = static_cast<int>(i);
    }
    if (selected_ < 0 && !names_.empty()) selected_ = 0;
    return true;
}

void StatsBrowser::Select(int index) {
    if (index < 0 || index >= static_cast<int>(names_.size())) return;
    selected_ = index;
    damagedSaid_ = -1;
    ShowFigures();
}

void StatsBrowser::ChooseView(int view) {
    view_ = std::clamp(view, 0, GrandTotalView);
    ShowFigures();
}

// The figures of the player selected, found by place and checked by name: where another program
// has deleted a player meanwhile, the list is read again, on the same player where still there.
void StatsBrowser::ShowFigures(Listing listing) {
    if (selected_ < 0) return;
    const auto record = stats_.ReadPlayer(selected_, names_[selected_]);
    if (!record.Ok()) {
        host_.Message(FailureMessage(record.Error));
        return;
    }
    if (!record.Value) {
        if (listing == Listing::ReadAgain) return;
        host_.Message(ListReadAgain(stats_.DatPath()));
        wanted_ = names_[selected_];
        if (List()) ShowFigures(Listing::ReadAgain);
        return;
    }
    if (CouldBePlayed(*record.Value)) {
        figures_ = ComputeView(*record.Value, view_);
        return;
    }
    // Said once for each time the player is chosen; the figures stay blank.
    figures_ = StatsView{view_ == GrandTotalView, {}};
    if (damagedSaid_ != selected_)
        host_.Message(DamagedRecord(names_[selected_], stats_.DatPath()));
    damagedSaid_ = selected_;
}

std::string StatsBrowser::FiguresSentence() const {
    std::string sentence = Tr(ViewNames[view_]);
    for (int k = 0; k < (figures_.GrandTotal ? 1 : 2); ++k) {
        sentence += std::string(". ") + ColumnHeader(figures_, k) + ":";
        const auto rows = figures_.Columns[k].Rows();
        for (std::size_t row = 0; row < rows.size(); ++row) {
            sentence +=
                std::string(row == 0 ? " " : ", ") + Tr(RowCaptions[row]) + " " + *rows[row];
        }
    }
    return sentence + ".";
}

std::string StatsBrowser::FigureName(int row, int column) const {
    return Tr(RowCaptions[row]) + ", " + ColumnHeader(figures_, column) + ": " +
           *figures_.Columns[column].Rows()[row];
}

bool StatsBrowser::DeleteSelected() {
    if (selected_ < 0) return false;
    switch (DeletePlayer(host_, stats_, selected_, names_[selected_])) {
        case Deletion::FileGone:
            return true;
        case Deletion::Changed:
            wanted_ = names_[selected_];
            [[fallthrough]];
        case Deletion::Deleted:
            if (List()) ShowFigures();
            break;
        case Deletion::Kept:
        case Deletion::Failed:
            break;
    }
    return false;
}

}  // namespace vella

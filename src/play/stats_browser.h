// The statistics window's decisions: the players it lists and the one selected, the view chosen
// and its figures as the texts shown, and Delete Player with what the window shows after it.
// The window shows what this says and reports what the person did; only this reads the file.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "game/rules.h"
#include "play/modal_host.h"
#include "stats/stats_figures.h"

namespace vella {

class StatsFile;

class StatsBrowser {
  public:
    StatsBrowser(ModalHost& host, StatsFile& stats);

    // Lists the players and selects `player` (empty or not listed: the first), in the view of
    // game type `gameType`. False when the file could not be read: the person was told why, and
    // no window is to open.
    bool Open(const PlayerName& player, GameType gameType);

    // The players as listed, the one selected (-1: none), the view (0..3 the game types,
    // TotalsByColorsView, GrandTotalView) and its figures.
    const std::vector<PlayerName>& Players() const { return names_; }
    int Selected() const { return selected_; }
    int View() const { return view_; }
    const StatsView& Figures() const { return figures_; }
    // What the window shows, as one sentence for a player who cannot see it: the view, then each
    // column's figures with their captions.
    std::string FiguresSentence() const;
    // The figure of `row` in column `column`, with its row's caption and its column's header,
    // as a screen reader names it: "Percent Games Won, 6 Colors: 100%".
    std::string FigureName(int row, int column) const;

    void Select(int index);
    void ChooseView(int view);
    // Delete Player, asked first; true when the window is to close (the only player is gone,
    // and the file with them).
    bool DeleteSelected();

  private:
    bool List();
    // Whether the list was just read again because the file had changed: a second change is not
    // chased.
    enum class Listing { AsOpened, ReadAgain };
    void ShowFigures(Listing listing = Listing::AsOpened);

    ModalHost& host_;
    StatsFile& stats_;
    PlayerName wanted_;              // the player to select whenever the list is read
    std::vector<PlayerName> names_;  // in file order
    int selected_ = -1;
    int damagedSaid_ = -1;  // the player whose damaged record was last reported
    int view_ = 0;
    StatsView figures_;
};

}  // namespace vella

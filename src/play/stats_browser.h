// The statistics window's decisions: the players it lists and the one selected, the view chosen
// and its figures as the texts shown, and Delete Player with what the window shows after it.
// The window shows what this says and reports what the person did; only this reads the file.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "game/colors.h"
#include "play/modal_host.h"
#include "stats/stats_figures.h"

namespace vella {

class StatsFile;

// The views by number, as the window's buttons name them.
inline constexpr std::array<const char*, GrandTotalView + 1> ViewNames{
    "Standard Game",           "Blanks Allowed",
    "Repeats Allowed",         "Blanks And Repeats Allowed",
    "Totals For 6 & 7 Colors", "Totals For All Game Types"};

// The captions of the figures' rows, in the order of ColumnFigures::Rows().
inline constexpr std::array<const char*, 6> RowCaptions{
    "Games Played",           "Games Won",       "Percent Games Won",
    "Average Moves Per Game", "Best Game (won)", "Worst Game (won)"};

// The columns' headers; the grand total has one column, headed "Totals".
inline constexpr std::array<const char*, 3> ColumnHeaders{"6 Colors", "7 Colors", "Totals"};
inline const char* ColumnHeader(const StatsView& figures, int k) {
    return ColumnHeaders[figures.GrandTotal ? 2 : k];
}

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

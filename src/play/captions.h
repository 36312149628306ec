// Every caption the windows show: titles, menus, buttons, check boxes and labels, each written
// once, as the windows show it. The windows take them from here and hold no words of their own;
// what a screen reader says is in speech.h, the messages in messages.h.
#pragma once

#include <array>
#include <string>

#include "play/player_session.h"
#include "stats/stats_figures.h"

namespace vella {

// The game window's caption: "Vellacode", or "Current Player: " and the display name (UTF-8).
std::string MainCaption(const PlayerSession& session);

// The game window's menus, in the order they show.
inline constexpr char StuffMenuCaption[] = "&Stuff";
// "&Log In..." until somebody has logged in, then "&New Player...".
std::string UserIdCaption(const PlayerSession& session);
inline constexpr char ExitCaption[] = "E&xit";
inline constexpr char OptionsMenuCaption[] = "&Options";
inline constexpr char SixColorsCaption[] = "&6 Colors";
inline constexpr char SevenColorsCaption[] = "&7 Colors";
inline constexpr char KeepStatsCaption[] = "&Keep Stats";
inline constexpr char PegSymbolsCaption[] = "Peg &Symbols";
inline constexpr char PegSymbolsTip[] =
    "Shows a symbol on every peg, so that the colors can be told apart without color vision";
inline constexpr char HelpMenuCaption[] = "&Help";
inline constexpr char ContentsCaption[] = "&Contents";
inline constexpr char AboutCaption[] = "&About...";

// The game window's controls.
inline constexpr char CheckButtonCaption[] = "?";
inline constexpr char RepeatsCaption[] = "Allow Repeated Colors";
inline constexpr char BlanksCaption[] = "Allow Blanks";

// The result window's frame around the secret.
inline constexpr char SecretCaption[] = "The Secret Pattern";

// The log-in window.
inline constexpr char LoginTitle[] = "¿Quién Es Usted?";
inline constexpr char LoginExplanation[] = "We need your name if you want us to keep stats on you.";
inline constexpr char LoginPrompt[] = "Type your \"User ID\"";
inline constexpr char NameBoxName[] = "User ID";  // the name box, however much is typed into it
inline constexpr char OkCaption[] = "OK";
inline constexpr char CancelCaption[] = "Cancel";
inline constexpr char NoKeepStatsCaption[] = "No Keep Stats";

// The statistics window.
inline constexpr char StatisticsTitle[] = "Player Stats";
inline constexpr char SelectPlayerCaption[] = "Select Player:";
inline constexpr char SelectPlayerDescription[] = "Select Player";
inline constexpr char DeletePlayerCaption[] = "Delete Player";
inline constexpr char CoolCaption[] = "Cool";
inline constexpr char ViewChoiceCaption[] = "Select Game Type";
// The views by number, as the window's buttons name them.
inline constexpr std::array<const char*, GrandTotalView + 1> ViewNames{
    "Standard Game",           "Blanks Allowed",
    "Repeats Allowed",         "Blanks And Repeats Allowed",
    "Totals For 6 & 7 Colors", "Totals For All Game Types"};
// The captions of the figures' rows, in the order of ColumnFigures::Rows().
inline constexpr std::array<const char*, 6> RowCaptions{
    "Games Played",           "Games Won",       "Percent Games Won",
    "Average Moves Per Game", "Best Game (won)", "Worst Game (won)"};
// The header of column k of `figures`; the grand total has one column, headed "Totals".
const char* ColumnHeader(const StatsView& figures, int k);

// The help window.
inline constexpr char HelpTitle[] = "Vellacode Help";

}  // namespace vella

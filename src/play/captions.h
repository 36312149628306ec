// Every caption the windows show: titles, menus, buttons, check boxes and labels, each written
// once, in English, and shown in the player's language (Tr). An "&" marks the access letter. The
// windows take them from here and hold no words of their own; what a screen reader says is in
// speech.h, the messages in messages.h.
#pragma once

#include <array>
#include <string>

#include "play/player_session.h"
#include "stats/stats_figures.h"
#include "text/text.h"

namespace vella {

// The game window's caption: "Vellacode", or "Current Player: " and the display name (UTF-8).
std::string MainCaption(const PlayerSession& session);

// The game window's menus, in the order they show.
//: The game menu (new game, log in, exit): a casual word for "things".
inline constexpr Text StuffMenuCaption = VC_TEXT("Captions", "&Stuff");
// "&Log In..." until somebody has logged in, then "&New Player...".
std::string UserIdCaption(const PlayerSession& session);
inline constexpr Text ExitCaption = VC_TEXT("Captions", "E&xit");
inline constexpr Text OptionsMenuCaption = VC_TEXT("Captions", "&Options");
inline constexpr Text SixColorsCaption = VC_TEXT("Captions", "&6 Colors");
inline constexpr Text SevenColorsCaption = VC_TEXT("Captions", "&7 Colors");
//: Whether the finished games are recorded in the player's statistics.
inline constexpr Text KeepStatsCaption = VC_TEXT("Captions", "&Keep Stats");
inline constexpr Text PegSymbolsCaption = VC_TEXT("Captions", "Peg &Symbols");
inline constexpr Text PegSymbolsTip = VC_TEXT(
    "Captions",
    "Shows a symbol on every peg, so that the colors can be told apart without color vision");
inline constexpr Text HelpMenuCaption = VC_TEXT("Captions", "&Help");
inline constexpr Text ContentsCaption = VC_TEXT("Captions", "&Contents");
inline constexpr Text AboutCaption = VC_TEXT("Captions", "&About...");

// The game window's controls.
//: The button that submits a row for scoring; a single sign.
inline constexpr Text CheckButtonCaption = VC_TEXT("Captions", "?");
inline constexpr Text RepeatsCaption = VC_TEXT("Captions", "Allow Repeated Colors");
inline constexpr Text BlanksCaption = VC_TEXT("Captions", "Allow Blanks");

// The result window's frame around the secret.
inline constexpr Text SecretCaption = VC_TEXT("Captions", "The Secret Pattern");

// The log-in window.
//: The log-in window's title, in Spanish in the English program ("Who are you?"): a joke.
inline constexpr Text LoginTitle = VC_TEXT("Captions", "¿Quién Es Usted?");
inline constexpr Text LoginExplanation =
    VC_TEXT("Captions", "We need your name if you want us to keep stats on you.");
inline constexpr Text LoginPrompt = VC_TEXT("Captions", "Type your \"User ID\"");
inline constexpr Text NameBoxName =
    VC_TEXT("Captions", "User ID");  // the name box, however much is typed into it
inline constexpr Text OkCaption = VC_TEXT("Captions", "OK");
inline constexpr Text CancelCaption = VC_TEXT("Captions", "Cancel");
//: Plays on without recording statistics.
inline constexpr Text NoKeepStatsCaption = VC_TEXT("Captions", "No Keep Stats");

// The statistics window.
inline constexpr Text StatisticsTitle = VC_TEXT("Captions", "Player Stats");
inline constexpr Text SelectPlayerCaption = VC_TEXT("Captions", "Select Player:");
inline constexpr Text SelectPlayerDescription = VC_TEXT("Captions", "Select Player");
inline constexpr Text DeletePlayerCaption = VC_TEXT("Captions", "Delete Player");
//: Closes the statistics window: a casual "fine, done".
inline constexpr Text CoolCaption = VC_TEXT("Captions", "Cool");
inline constexpr Text ViewChoiceCaption = VC_TEXT("Captions", "Select Game Type");
// The views by number, as the window's buttons name them.
inline constexpr std::array<Text, GrandTotalView + 1> ViewNames{
    VC_TEXT("Captions", "Standard Game"), VC_TEXT("Captions", "Blanks Allowed"),
    VC_TEXT("Captions", "Repeats Allowed"), VC_TEXT("Captions", "Blanks And Repeats Allowed"),
    //: The "&" here is the word "and", not an access letter: keep it as a single "&&" would not be.
    VC_TEXT("Captions", "Totals For 6 & 7 Colors"),
    VC_TEXT("Captions", "Totals For All Game Types")};
// The captions of the figures' rows, in the order of ColumnFigures::Rows().
inline constexpr std::array<Text, 6> RowCaptions{
    VC_TEXT("Captions", "Games Played"), VC_TEXT("Captions", "Games Won"),
    VC_TEXT("Captions", "Percent Games Won"), VC_TEXT("Captions", "Average Moves Per Game"),
    //: The fewest moves a won game took.
    VC_TEXT("Captions", "Best Game (won)"),
    //: The most moves a won game took.
    VC_TEXT("Captions", "Worst Game (won)")};
// The header of column k of `figures`; the grand total has one column, headed "Totals".
std::string ColumnHeader(const StatsView& figures, int k);

// The help window.
inline constexpr Text HelpTitle = VC_TEXT("Captions", "Vellacode Help");

}  // namespace vella

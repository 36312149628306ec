// Every message box the program shows and the result window's texts: one function for each thing
// said, each sentence whole. The mid-end decides when one is shown; the windows show them as
// they are.
#pragma once

#include <filesystem>
#include <string>

#include "game/rules.h"
#include "play/modal_host.h"
#include "stats/player_name.h"
#include "stats/status.h"

namespace vella {

// Something the program could not do, and why (`reason`, a sentence of the file layer's): OK
// only, with the exclamation icon.
MessageRequest FailureMessage(std::string reason);
// The same failure, with what it means for the player before it.
MessageRequest GameNotRecorded(const Status& failure);
MessageRequest GamesCannotBeRecordedHere(const Status& failure);
MessageRequest BackupFailed(const Status& failure);
MessageRequest PlayerNotDeleted(const Status& failure);

// "?" refused, or a change of the rules refused while a game is under way: the game's reason.
MessageRequest Refusal(std::string_view reason);

MessageRequest NoStatsToShow();
// The log-in refused while a game counts for `player`.
MessageRequest FinishYourGameFirst(const PlayerName& player);
// The questions: Keep Stats turned off during a game, Exit during a game, Delete Player.
MessageRequest StopKeepingStatsQuestion(const PlayerName& player);
MessageRequest ExitDuringGameQuestion();
MessageRequest DeletePlayerQuestion(const PlayerName& player);

// The statistics file `file` changed since its players were listed: the list is read again, or
// (`nothingDeleted`) a deletion did nothing.
MessageRequest ListReadAgain(const std::filesystem::path& file);
MessageRequest NothingDeleted(const std::filesystem::path& file);
// The record of `player` in `file` holds figures no games could give.
MessageRequest DamagedRecord(const PlayerName& player, const std::filesystem::path& file);

// The log-in window's refusals: a name without a visible character, and a name with characters
// (`unstorable`, UTF-32) that the statistics file cannot keep.
MessageRequest InvalidName();
MessageRequest UnstorableName(const std::u32string& unstorable);

MessageRequest AboutMessage();

// The result window after a game won or lost with `secret` in a game whose blank is `blankCode`.
ResultRequest ResultFor(bool won, const Pattern& secret, ColorCode blankCode);

}  // namespace vella

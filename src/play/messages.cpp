// The program's messages.
#include "play/messages.h"

#include "play/speech.h"
#include "stats/code_page.h"
#include "stats/file_io.h"

namespace vella {
namespace {

MessageRequest Plain(std::string text) {
    MessageRequest plain;
    plain.Text = std::move(text);
    return plain;
}

// A question titled "Woah!", with the exclamation icon.
MessageRequest Question(std::string text, MsgButtons buttons, Answer defaultButton) {
    return MessageRequest{std::move(text),      "Woah!",       buttons,
                          MsgIcon::Exclamation, defaultButton, {}};
}

std::string ChangedSinceListed(const std::filesystem::path& file, const char* then) {
    return fileio::Shown(file) + " has changed since its players were listed; " + then;
}

}  // namespace

MessageRequest FailureMessage(std::string reason) {
    return MessageRequest{std::move(reason),    "Vellacode", MsgButtons::Ok,
                          MsgIcon::Exclamation, Answer::Ok,  {}};
}

MessageRequest GameNotRecorded(const Status& failure) {
    return FailureMessage(
        (failure.Unconfirmed
             ? "This game was recorded, but it may be lost if the computer stops now. "
             : "This game was not recorded. ") +
        failure.Error);
}

MessageRequest GamesCannotBeRecordedHere(const Status& failure) {
    return FailureMessage("Games cannot be recorded here. " + failure.Error);
}

MessageRequest BackupFailed(const Status& failure) {
    return FailureMessage("The statistics could not be backed up. " + failure.Error);
}

MessageRequest PlayerNotDeleted(const Status& failure) {
    return FailureMessage("The player could not be deleted. " + failure.Error);
}

MessageRequest Refusal(std::string_view reason) {
    return Plain(std::string(reason));
}

MessageRequest NoStatsToShow() {
    return Plain("No stats to show!");
}

MessageRequest FinishYourGameFirst(const PlayerName& player) {
    MessageRequest refusal = Plain("Please finish your game first--we are keeping stats on you " +
                                   player.Display() + "!");
    refusal.Title = "Not So Fast!";
    return refusal;
}

MessageRequest StopKeepingStatsQuestion(const PlayerName& player) {
    return Question("Are you sure you want to do this " + player.Display() +
                        "?  Stats for current game will be discarded!",
                    MsgButtons::OkCancel, Answer::Cancel);
}

MessageRequest ExitDuringGameQuestion() {
    return Question("Wouldn't you like to finish your game first?", MsgButtons::YesNo, Answer::Yes);
}

MessageRequest DeletePlayerQuestion(const PlayerName& player) {
    return Question("Are you sure you want to do this?  Stats for " + player.Text() +
                        " will be permanently deleted!",
                    MsgButtons::OkCancel, Answer::Cancel);
}

MessageRequest ListReadAgain(const std::filesystem::path& file) {
    return Plain(ChangedSinceListed(file, "the list now shows them as they are."));
}

MessageRequest NothingDeleted(const std::filesystem::path& file) {
    return FailureMessage("The player could not be deleted. " +
                          ChangedSinceListed(file, "nothing was deleted."));
}

MessageRequest DamagedRecord(const PlayerName& player, const std::filesystem::path& file) {
    return FailureMessage("The statistics of \"" + player.Text() + "\" in " + fileio::Shown(file) +
                          " are damaged: no games could give them. They are not shown, and the "
                          "file is left as it is.");
}

MessageRequest InvalidName() {
    return Plain("Please enter a valid name, 15 characters or less");
}

// The characters are named, since a name turned into question marks would share its record with
// other players' names.
MessageRequest UnstorableName(const std::u32string& unstorable) {
    std::string listed;
    for (char32_t c : unstorable) {
        if (!listed.empty()) listed += ' ';
        listed += CodePointToUtf8(c);
    }
    return Plain("These characters cannot be kept in a player's name: " + listed +
                 ". The statistics keep Western European letters only; please type the name "
                 "with those.");
}

// The credit line as designed, and below it the notice the licence asks an interactive program
// to show.
MessageRequest AboutMessage() {
    MessageRequest about = Plain("Vellacode " VELLACODE_VERSION
                                 " by the Vellacode developers, published by the Vellacode "
                                 "project, 2026");
    about.Detail =
        "Copyright (C) 2026 the Vellacode developers.\n"
        "Vellacode comes with ABSOLUTELY NO WARRANTY. It is free software, and you are welcome to "
        "redistribute it under the terms of the GNU General Public License, version 3 or later "
        "(GPL-3.0-or-later): https://www.gnu.org/licenses/gpl-3.0.html";
    return about;
}

ResultRequest ResultFor(bool won, const Pattern& secret, ColorCode blankCode) {
    ResultRequest result;
    result.Won = won;
    result.Secret = secret;
    result.BlankCode = blankCode;
    if (won) {
        result.Title = "Congratulations!";
        result.Message = "You Won!!";
        result.Button = "I'm Cool";
    } else {
        result.Title = "Better Luck Next Time";
        result.Message = "I'm Sorry.  You Didn't Win This Time.";
        result.Button = "I Will Try Harder";
    }
    for (int k = 0; k < RowLength; ++k) result.PegNames[k] = SecretPegName(secret, blankCode, k);
    // A screen reader reads the outcome with the secret, in order, and reads a run of spaces as
    // one.
    std::string spoken;
    for (const char c : result.Message) {
        if (c != ' ' || spoken.empty() || spoken.back() != ' ') spoken += c;
    }
    result.Spoken = spoken + ' ' + SecretSentence(secret, blankCode);
    return result;
}

}  // namespace vella

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
    //: The title of a question that asks the player to think again: a surprised exclamation.
    return MessageRequest{std::move(text),      Tr("Messages", "Woah!"), buttons,
                          MsgIcon::Exclamation, defaultButton,           {}};
}

}  // namespace

MessageRequest FailureMessage(std::string reason) {
    return MessageRequest{std::move(reason),    "Vellacode", MsgButtons::Ok,
                          MsgIcon::Exclamation, Answer::Ok,  {}};
}

MessageRequest GameNotRecorded(const Status& failure) {
    return FailureMessage(Fill(failure.Unconfirmed
                                   ? Tr("Messages",
                                        "This game was recorded, but it may be lost if "
                                        "the computer stops now. %1")
                                   : Tr("Messages", "This game was not recorded. %1"),
                               {failure.Error}));
}

MessageRequest GamesCannotBeRecordedHere(const Status& failure) {
    return FailureMessage(
        Fill(Tr("Messages", "Games cannot be recorded here. %1"), {failure.Error}));
}

MessageRequest BackupFailed(const Status& failure) {
    return FailureMessage(
        Fill(Tr("Messages", "The statistics could not be backed up. %1"), {failure.Error}));
}

MessageRequest PlayerNotDeleted(const Status& failure) {
    return FailureMessage(
        Fill(Tr("Messages", "The player could not be deleted. %1"), {failure.Error}));
}

MessageRequest Refusal(std::string_view reason) {
    return Plain(std::string(reason));
}

MessageRequest NoStatsToShow() {
    return Plain(Tr("Messages", "No stats to show!"));
}

MessageRequest FinishYourGameFirst(const PlayerName& player) {
    MessageRequest refusal =
        Plain(Fill(Tr("Messages", "Please finish your game first--we are keeping stats on you %1!"),
                   {player.Display()}));
    refusal.Title = Tr("Messages", "Not So Fast!");
    return refusal;
}

MessageRequest StopKeepingStatsQuestion(const PlayerName& player) {
    return Question(Fill(Tr("Messages",
                            "Are you sure you want to do this %1?  Stats for current "
                            "game will be discarded!"),
                         {player.Display()}),
                    MsgButtons::OkCancel, Answer::Cancel);
}

MessageRequest ExitDuringGameQuestion() {
    return Question(Tr("Messages", "Wouldn't you like to finish your game first?"),
                    MsgButtons::YesNo, Answer::Yes);
}

MessageRequest DeletePlayerQuestion(const PlayerName& player) {
    return Question(Fill(Tr("Messages",
                            "Are you sure you want to do this?  Stats for %1 will be "
                            "permanently deleted!"),
                         {player.Text()}),
                    MsgButtons::OkCancel, Answer::Cancel);
}

MessageRequest ListReadAgain(const std::filesystem::path& file) {
    return Plain(Fill(Tr("Messages",
                         "%1 has changed since its players were listed; the list now "
                         "shows them as they are."),
                      {fileio::Shown(file)}));
}

MessageRequest NothingDeleted(const std::filesystem::path& file) {
    return FailureMessage(Fill(Tr("Messages",
                                  "The player could not be deleted. %1 has changed "
                                  "since its players were listed; nothing was "
                                  "deleted."),
                               {fileio::Shown(file)}));
}

MessageRequest DamagedRecord(const PlayerName& player, const std::filesystem::path& file) {
    return FailureMessage(Fill(Tr("Messages",
                                  "The statistics of \"%1\" in %2 are damaged: no "
                                  "games could give them. They are not shown, and "
                                  "the file is left as it is."),
                               {player.Text(), fileio::Shown(file)}));
}

MessageRequest InvalidName() {
    return Plain(Tr("Messages", "Please enter a valid name, 15 characters or less"));
}

// The characters are named, since a name turned into question marks would share its record with
// other players' names.
MessageRequest UnstorableName(const std::u32string& unstorable) {
    std::string listed;
    for (char32_t c : unstorable) {
        if (!listed.empty()) listed += ' ';
        listed += CodePointToUtf8(c);
    }
    return Plain(Fill(Tr("Messages",
                         "These characters cannot be kept in a player's name: %1. The "
                         "statistics keep Western European letters only; please type "
                         "the name with those."),
                      {listed}));
}

// The credit line as designed, and below it the notice the licence asks an interactive program
// to show.
MessageRequest AboutMessage() {
    MessageRequest about = Plain(Fill(Tr("Messages",
                                         "Vellacode %1 by the Vellacode developers, "
                                         "published by the Vellacode project, 2026"),
                                      {VELLACODE_VERSION}));
    about.Detail = Tr("Messages",
                      "Copyright (C) 2026 the Vellacode developers.\n"
                      "Vellacode comes with ABSOLUTELY NO WARRANTY. It is free software, and you "
                      "are welcome to redistribute it under the terms of the GNU General Public "
                      "License, version 3 or later (GPL-3.0-or-later): "
                      "https://www.gnu.org/licenses/gpl-3.0.html");
    return about;
}

ResultRequest ResultFor(bool won, const Pattern& secret, ColorCode blankCode) {
    ResultRequest result;
    result.Won = won;
    result.Secret = secret;
    result.BlankCode = blankCode;
    if (won) {
        result.Title = Tr("Messages", "Congratulations!");
        result.Message = Tr("Messages", "You Won!!");
        //: Closes the result window after a won game: a boast.
        result.Button = Tr("Messages", "I'm Cool");
    } else {
        result.Title = Tr("Messages", "Better Luck Next Time");
        result.Message = Tr("Messages", "I'm Sorry.  You Didn't Win This Time.");
        //: Closes the result window after a lost game: a promise.
        result.Button = Tr("Messages", "I Will Try Harder");
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

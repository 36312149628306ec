// The mid-end of the game window.
#include "play/game_controller.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "play/login_choice.h"
#include "play/messages.h"
#include "play/speech.h"
#include "play/stats_browser.h"
#include "stats/stats_file.h"

namespace vella {

GameController::GameController(ModalHost& host, RandomSource& random, StatsFile& stats)
    : host_(host), stats_(stats), game_(random) {}

void GameController::StartUp() {
    game_.StartUp();
    session_ = PlayerSession{};
    Changed();
}

void GameController::Submit() {
    reviewed_ = -1;
    const int row = game_.CurRow();
    const SubmitResult result = game_.Submit();
    if (result.Refused()) {
        host_.Message(Refusal(result.Refusal));
        return;
    }
    Changed();
    Say(ScoreText(game_, row));
    if (!result.GameOver) return;

    // The game is over. A player logged in has it recorded at once, before the result window
    // waits for them, so that a crash or a power cut while it is open loses nothing; the window
    // and what became of the recording follow. With nobody logged in it is recorded after the
    // result window and the log-in question, or at the shutdown step should the program be
    // ended first.
    unrecorded_ = FinishedGame{static_cast<std::int16_t>(Options().Colors),
                               static_cast<std::int16_t>(GetGameType(Options())), game_.Won(),
                               game_.CurRow()};
    const Status recorded = session_.LoggedIn() ? RecordFinishedGame() : Status{};
    host_.ShowResult(ResultFor(game_.Won(), game_.Secret(), game_.BlankCode()));
    if (!recorded.Ok()) host_.Message(GameNotRecorded(recorded));
    FinishGameStats();
    NewGame();
}

void GameController::NewGame() {
    game_.NewGame();
    Changed();
}

void GameController::AllowRepeats(bool allowed) {
    GameOptions options = Options();
    options.RepeatsAllowed = allowed;
    ChangeOptions(options);
}

void GameController::AllowBlanks(bool allowed) {
    GameOptions options = Options();
    options.BlanksAllowed = allowed;
    ChangeOptions(options);
}

void GameController::ChangeColorSet(ColorSet colorSet) {
    GameOptions options = Options();
    options.Colors = colorSet;
    ChangeOptions(options);
}

void GameController::ChangeOptions(const GameOptions& options) {
    if (game_.SetOptions(options) == RulesChange::Refused) {
        host_.Message(Refusal(Tr(WaitRefusal)));
    }
    // A menu item or check box toggles its own check mark; the rules decide it, so repaint in
    // any case.
    Changed();
}

void GameController::HoleChanged(int hole) {
    reviewed_ = -1;
    Changed();
    Say(HoleText(game_, hole));
}

void GameController::PlaceColor(ColorCode color) {
    const int hole = game_.PlaceColor(color);
    if (hole >= 0) HoleChanged(hole);
}

void GameController::EmptyHole(int hole) {
    if (game_.EmptyHole(hole)) HoleChanged(hole);
}

void GameController::Drop(int target, const DragSource& source) {
    if (game_.DropOnHole(target, source)) HoleChanged(target);
}

void GameController::TakeBackLast() {
    const int hole = game_.LastFilledHole();
    if (hole >= 0) EmptyHole(hole);
}

void GameController::Review(int step) {
    const int current = game_.CurRow();
    const int from = reviewed_ < 0 ? current : reviewed_;
    reviewed_ = std::clamp(from + step, 0, current);
    Say(reviewed_ == from + step ? RowSentence(game_, reviewed_)
                                 : RowSentenceAtEnd(game_, reviewed_));
}

// Closing the log-in window without a choice leaves both conditions as they were, so it opens
// again: the game is recorded under a name or not at all.
void GameController::FinishGameStats() {
    while (unrecorded_ && session_.KeepStats && !session_.LoggedIn()) {
        Apply(AskWhoIsPlaying());
        Changed();
    }
    const Status recorded = RecordFinishedGame();
    if (!recorded.Ok()) host_.Message(GameNotRecorded(recorded));
}

Status GameController::RecordFinishedGame() {
    const std::optional<FinishedGame> game = std::exchange(unrecorded_, std::nullopt);
    if (!game || !session_.KeepStats || !session_.LoggedIn()) return {};
    return stats_.RecordGame(session_.Player, *game);
}

bool GameController::Apply(const LoginOutcome& outcome) {
    switch (outcome.How) {
        case LoginOutcome::Kind::Chosen:
            return LogIn(session_, outcome.Player);
        case LoginOutcome::Kind::Declined:
            session_.KeepStats = false;
            return false;
        case LoginOutcome::Kind::Cancelled:
        case LoginOutcome::Kind::Closed:
            break;
    }
    return false;
}

void GameController::CheckStatistics(const Status& folder) {
    if (!folder.Ok()) {
        host_.Message(FailureMessage(folder.Error));
        return;
    }
    if (!session_.KeepStats) return;
    const Status recordable = stats_.CheckRecordable();
    if (!recordable.Ok()) host_.Message(GamesCannotBeRecordedHere(recordable));
}

LoginOutcome GameController::AskWhoIsPlaying() {
    auto names = stats_.ReadNames();
    if (!names.Ok()) {
        host_.Message(FailureMessage(names.Error));
    } else {
        CheckStatistics();
    }
    LoginChoice choice(host_, session_, std::move(names.Value));
    host_.RunLogin(choice);
    return choice.Outcome();
}

void GameController::OpenStatistics() {
    const Result<int> count = stats_.DeleteWhenEmpty();
    if (!count.Ok()) {
        host_.Message(FailureMessage(count.Error));
        return;
    }
    if (count.Value == 0) {
        host_.Message(NoStatsToShow());
        return;
    }
    StatsBrowser browser(host_, stats_);
    if (browser.Open(session_.Player, GetGameType(Options()))) host_.RunStatistics(browser);
}

void GameController::ChangePlayer() {
    if (game_.InGame() && session_.LoggedIn() && session_.KeepStats) {
        host_.Message(FinishYourGameFirst(session_.Player));
        return;
    }
    const bool changed = Apply(AskWhoIsPlaying());
    Changed();
    // A new game begins in the Ready state, whose options are open.
    if (changed) NewGame();
}

void GameController::ToggleKeepStats() {
    if (!session_.KeepStats) {
        session_.KeepStats = true;
    } else if (!game_.InGame() ||
               host_.Message(StopKeepingStatsQuestion(session_.Player)) == Answer::Ok) {
        session_.KeepStats = false;
    }
    // The menu item has toggled its own check mark; the session decides it.
    Changed();
}

bool GameController::MayExit() {
    return !game_.InGame() || host_.Message(ExitDuringGameQuestion()) != Answer::Yes;
}

void GameController::Quit(Ending ending) {
    const Status recorded = RecordFinishedGame();
    const Result<int> backup = stats_.Backup();
    for (const MessageRequest& failure :
         {recorded.Ok() ? MessageRequest{} : GameNotRecorded(recorded),
          backup.Ok() ? MessageRequest{} : BackupFailed(backup)}) {
        if (failure.Text.empty()) continue;
        if (ending == Ending::WindowClosed) {
            host_.Message(failure);
        } else {
            host_.WriteToConsole(failure.Text + "\n");
        }
    }
}

void GameController::About() {
    host_.Message(AboutMessage());
}

}  // namespace vella

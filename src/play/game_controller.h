// The mid-end of the game window: owns the game, the player session and every call the window
// makes on the statistics file, and runs each of the window's flows. It reaches the person
// through ModalHost and tells the window to repaint through Changed; it knows nothing of Qt.
#pragma once

#include <functional>
#include <optional>

#include "game/game_state.h"
#include "play/modal_host.h"
#include "play/player_session.h"
#include "stats/recording.h"
#include "stats/status.h"

namespace vella {

class StatsFile;

class GameController {
  public:
    GameController(ModalHost& host, RandomSource& random, StatsFile& stats);

    // Called whenever what the window shows has changed, before any window opens over it.
    std::function<void()> Changed = [] {};
    // Called with the one sentence that tells a player who cannot see the board what changed:
    // a peg placed or taken out, a score, a row read back.
    std::function<void(const std::string&)> Say = [](const std::string&) {};

    const GameState& Game() const { return game_; }
    const PlayerSession& Session() const { return session_; }
    // The rules of the game: the colour set and the two options that the check boxes show.
    const GameOptions& Options() const { return game_.Options(); }
    // The option check boxes are locked from a game's first scored row to its end.
    bool OptionsLocked() const { return game_.InGame(); }

    // The first state of a run: six colours, an empty board, a fresh secret, nobody logged in.
    void StartUp();

    // "?": refuses a malformed row, or scores it; at the end of a game records it for the player
    // logged in, shows the result (asking who is playing while nobody is, and recording it
    // then), and starts the next one.
    void Submit();

    // "Allow Repeated Colors" and "Allow Blanks": the next secret follows the options.
    void AllowRepeats(bool allowed);
    void AllowBlanks(bool allowed);
    // "6 Colors" or "7 Colors"; refused while a game is under way.
    void ChangeColorSet(ColorSet colorSet);

    // Placing pegs in the current row (see GameState); each repaints when something changed.
    void PlaceColor(ColorCode color);
    void EmptyHole(int hole);
    void Drop(int target, const DragSource& source);
    // Takes out the peg placed last, as Backspace does.
    void TakeBackLast();
    // Moves the review cursor `step` rows up (+1) or down (-1) over the rows played and the
    // current row, and says the row it is on. It starts on the current row, and goes back there
    // with every peg placed or taken out and every row submitted.
    void Review(int step);

    // While statistics are kept: says at once, before a game is played for nothing, why games
    // cannot be recorded in the statistics folder. Done at start-up and at every log-in;
    // `folder` is what became of preparing the folder at start-up, said instead where it failed.
    void CheckStatistics(const Status& folder = {});

    // The statistics picture: "No stats to show!" or the statistics window.
    void OpenStatistics();
    // "&Log In..." / "&New Player...": refused while a game counts for the player; a different
    // player abandons the game under way.
    void ChangePlayer();
    // "&Keep Stats": on at once; off asks first while a game is under way.
    void ToggleKeepStats();
    // "E&xit": asks first while a game is under way; true when the program is to end.
    bool MayExit();
    // How the program ends: its window closed (by Exit or the window's close button), where a
    // failure is shown in a message box; or from outside (a signal, the end of the session, the
    // loss of the display), where nothing may be shown.
    enum class Ending { WindowClosed, FromOutside };
    // The shutdown step, the last thing a run does: a game that is over but not yet recorded is
    // recorded for the player logged in, should there be one;
    // then an empty statistics file is deleted, otherwise it is backed up. A failure is shown in
    // a message box where the window was closed, and written to the console otherwise.
    void Quit(Ending ending);
    void About();

  private:
    // After the result window: asks who is playing while nobody is, then records the game.
    void FinishGameStats();
    // Records the game that is over, once; a failure says why it could not be (success: it was,
    // or there was none to record, or statistics are not kept for anyone).
    Status RecordFinishedGame();
    // Plays the next game by `options`; a change refused while a game is under way is said.
    void ChangeOptions(const GameOptions& options);
    // The log-in window on the players of the file; how it was left.
    LoginOutcome AskWhoIsPlaying();
    // Applies the log-in window's outcome; true when it replaced a player who was logged in.
    bool Apply(const LoginOutcome& outcome);
    void NewGame();
    // Repaints and says what became of `hole`, after a change of the current row.
    void HoleChanged(int hole);

    ModalHost& host_;
    StatsFile& stats_;
    GameState game_;
    PlayerSession session_;
    int reviewed_ = -1;  // the row the review cursor is on; -1: the current row
    std::optional<FinishedGame> unrecorded_;  // a game over, until it is recorded or dropped
};

}  // namespace vella

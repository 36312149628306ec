// The one way the mid-end reaches the person: messages and questions with typed answers, and the
// result, log-in and statistics windows. The program shows real windows; tests answer from a
// script, so every flow runs without a person.
#pragma once

#include <array>
#include <string>

#include "game/rules.h"
#include "play/player_session.h"

namespace vella {

class LoginChoice;
class StatsBrowser;

enum class MsgButtons { Ok, OkCancel, YesNo };
enum class MsgIcon { None, Exclamation };
enum class Answer { Ok, Cancel, Yes, No };

struct MessageRequest {
    std::string Text;  // UTF-8, as shown
    std::string Title = "Vellacode";
    MsgButtons Buttons = MsgButtons::Ok;
    MsgIcon Icon = MsgIcon::None;
    Answer Default = Answer::Ok;
    std::string Detail;  // shown below the text, smaller; empty: none
};

// The result window, as ResultFor words it.
struct ResultRequest {
    bool Won = false;  // the message blinks
    Pattern Secret{};
    ColorCode BlankCode = SixColorBlank;
    std::string Title;
    std::string Message;
    std::string Button;
    std::string Spoken;  // the message and the secret, as a screen reader reads them
    std::array<std::string, RowLength> PegNames;
};

// How the log-in window was left.
struct LoginOutcome {
    enum class Kind {
        Closed,     // by the window's close command or Escape: nothing changes
        Chosen,     // OK with a valid name
        Cancelled,  // "Cancel": nothing changes
        Declined,   // "No Keep Stats": statistics off
    };
    Kind How = Kind::Closed;
    PlayerName Player;  // with Chosen
};

class ModalHost {
  public:
    virtual ~ModalHost() = default;

    // Shows a message box and returns the button pressed.
    virtual Answer Message(const MessageRequest& request) = 0;

    // The result window, after a game.
    virtual void ShowResult(const ResultRequest& request) = 0;

    // The log-in window over `choice`, which decides what it lists, offers and takes; the
    // outcome is the choice's once the window has closed.
    virtual void RunLogin(LoginChoice& choice) = 0;

    // The statistics window over `browser`, which has read the players and decides what the
    // window shows after each thing the person does.
    virtual void RunStatistics(StatsBrowser& browser) = 0;

    // Where no window may open (the program is being ended from outside): `text` goes to the
    // console the program was started from, if there is one.
    virtual void WriteToConsole(const std::string& text) = 0;
};

}  // namespace vella

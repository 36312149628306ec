// The one way the windows open modal windows and message boxes, so that every flow can run
// without a person: production shows real windows, tests answer from a script.
#pragma once

#include <QString>
#include <string>

#include "game/colors.h"

namespace vella {

struct PlayerSession;
class StatsFile;

enum class MsgButtons { Ok, OkCancel, YesNo };
enum class MsgIcon { None, Exclamation };

// The answers, numbered as the program has always numbered them.
enum MsgAnswer : int { AnswerOk = 1, AnswerCancel = 2, AnswerYes = 6, AnswerNo = 7 };

struct MessageRequest {
    QString Text;
    QString Title = QStringLiteral("Vellacode");
    MsgButtons Buttons = MsgButtons::Ok;
    MsgIcon Icon = MsgIcon::None;
    MsgAnswer Default = AnswerOk;
};

struct ResultRequest {
    bool Won = false;
    Pattern Secret{};
    ColorCode BlankCode = SixColorBlank;
};

class ModalHost {
  public:
    virtual ~ModalHost() = default;

    // Shows a message box and returns the button pressed.
    virtual int Message(const MessageRequest& request) = 0;

    // The result window, after a game.
    virtual void ShowResult(const ResultRequest& request) = 0;

    // The log-in window; its outcome is written to `session`.
    virtual void ShowLogin(PlayerSession& session, StatsFile& stats) = 0;

    // The statistics window, opened on game type `gameType`.
    virtual void ShowStats(PlayerSession& session, StatsFile& stats, int gameType) = 0;
};

// A "Woah!" question, with the exclamation icon; returns the button pressed.
inline int AskWoah(ModalHost& host, const QString& text, MsgButtons buttons,
                   MsgAnswer defaultButton) {
    return host.Message(MessageRequest{text, QStringLiteral("Woah!"), buttons, MsgIcon::Exclamation,
                                       defaultButton});
}

// Something the program could not do, and why: OK only, with the exclamation icon.
inline void ReportFailure(ModalHost& host, const std::string& reason) {
    host.Message(MessageRequest{QString::fromStdString(reason), QStringLiteral("Vellacode"),
                                MsgButtons::Ok, MsgIcon::Exclamation, AnswerOk});
}

}  // namespace vella

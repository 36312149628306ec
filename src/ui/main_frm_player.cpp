// The game window's commands for the whole run: log-in, keeping statistics, the statistics
// window, help, About, recording finished games and the backup at shutdown.
#include <QCheckBox>
#include <QPushButton>

#include "stats/names.h"
#include "stats/stats_file.h"
#include "ui/help_viewer.h"
#include "ui/main_frm.h"
#include "ui/text_codec.h"

namespace vella {
namespace {

QString DisplayOf(const PlayerSession& session) {
    return FromAnsi(DisplayName(session.PlayerName));
}

}  // namespace

void MainFrm::FinishGameStats() {
    // Closing the log-in window without a choice leaves both conditions as they were, so it
    // opens again: the game is recorded under a name or not at all.
    while (session_.KeepStats && !session_.LoggedIn()) {
        host_.ShowLogin(session_, stats_);
        PaintSession();
    }
    if (session_.KeepStats) RecordGame();
}

void MainFrm::RecordGame() {
    const FinishedGame game{game_.ColorSetIdx, GetGameType(), game_.Won, game_.CurRow};
    const Status recorded = stats_.RecordGame(session_.PlayerName, game);
    if (!recorded.Ok()) ReportFailure(host_, "This game was not recorded. " + recorded.Error);
}

void MainFrm::BackupStats() {
    if (backedUp_) return;
    backedUp_ = true;
    const Result<int> backup = stats_.Backup();
    if (!backup.Ok())
        ReportFailure(host_, "The statistics could not be backed up. " + backup.Error);
    if (help_) help_->close();
}

void MainFrm::StatImg_Click() {
    const Result<int> count = stats_.DeleteWhenEmpty();
    if (!count.Ok()) {
        ReportFailure(host_, count.Error);
    } else if (count.Value == 0) {
        host_.Message(MessageRequest{QStringLiteral("No stats to show!")});
    } else {
        host_.ShowStats(session_, stats_, GetGameType());
    }
    GuessBtn->setFocus();
}

void MainFrm::UserID_Click() {
    if (game_.InGame && session_.LoggedIn() && session_.KeepStats) {
        MessageRequest refusal{
            QStringLiteral("Please finish your game first--we are keeping stats on you ") +
            DisplayOf(session_) + QStringLiteral("!")};
        refusal.Title = QStringLiteral("Not So Fast!");
        host_.Message(refusal);
        return;
    }
    // Only this opening's outcome may count: a change of player from an earlier opening must
    // not reset the game when this one is closed without a choice.
    session_.ClearLoginFlags();
    host_.ShowLogin(session_, stats_);
    PaintSession();
    if (session_.LoginCancelled || session_.StatsDeclined) {
        session_.LoginCancelled = false;
        session_.StatsDeclined = false;
        return;
    }
    if (session_.PlayerChanged) {
        // A new game begins in the Ready state, whose options are open.
        ResetGame();
        NewSecret();
        BlnkChk->setEnabled(true);
        RptChk->setEnabled(true);
    }
}

void MainFrm::Exit_Click() {
    if (game_.InGame) {
        const QString question = QStringLiteral("Wouldn't you like to finish your game first?");
        if (AskWoah(host_, question, MsgButtons::YesNo, AnswerYes) == AnswerYes) return;
    }
    BackupStats();
    close();
}

void MainFrm::DoStats_Click() {
    if (!session_.KeepStats) {
        session_.KeepStats = true;
    } else if (game_.InGame) {
        const QString question = QStringLiteral("Are you sure you want to do this ") +
                                 DisplayOf(session_) +
                                 QStringLiteral("?  Stats for current game will be discarded!");
        if (AskWoah(host_, question, MsgButtons::OkCancel, AnswerCancel) == AnswerOk)
            session_.KeepStats = false;
    } else {
        session_.KeepStats = false;
    }
    // The menu item has toggled its own check mark; the session decides it.
    PaintSession();
}

void MainFrm::HlpContents_Click() {
    if (!help_) help_ = new HelpViewer(this);
    help_->ShowContents();
}

void MainFrm::About_Click() {
    host_.Message(MessageRequest{QStringLiteral("Vellacode " VELLACODE_VERSION
                                                " by the Vellacode developers, published by the "
                                                "Vellacode project, 2026")});
}

}  // namespace vella

// The production modal host: real message boxes and windows, run modally over a parent.
#pragma once

#include <QPointer>
#include <QWidget>

#include "play/modal_host.h"

namespace vella {

class QtModalHost final : public ModalHost {
  public:
    void SetParent(QWidget* parent) { parent_ = parent; }

    Answer Message(const MessageRequest& request) override;
    void ShowResult(const ResultRequest& request) override;
    LoginOutcome ShowLogin(const PlayerSession& session, StatsFile& stats) override;
    void ShowStats(const std::string& playerName, StatsFile& stats, int gameType) override;

  private:
    QPointer<QWidget> parent_;
};

}  // namespace vella

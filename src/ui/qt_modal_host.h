// The production modal host: real message boxes and windows, run modally over a parent.
#pragma once

#include <QPointer>
#include <QWidget>

#include "ui/modal_host.h"

namespace vella {

class QtModalHost final : public ModalHost {
  public:
    void SetParent(QWidget* parent) { parent_ = parent; }

    int Message(const MessageRequest& request) override;
    void ShowResult(const ResultRequest& request) override;
    void ShowLogin(PlayerSession& session, StatsFile& stats) override;
    void ShowStats(PlayerSession& session, StatsFile& stats, int gameType) override;

  private:
    QPointer<QWidget> parent_;
};

}  // namespace vella

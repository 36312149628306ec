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
    void RunLogin(LoginChoice& choice) override;
    void RunStatistics(StatsBrowser& browser) override;
    void WriteToConsole(const std::string& text) override;

  private:
    QPointer<QWidget> parent_;
};

}  // namespace vella

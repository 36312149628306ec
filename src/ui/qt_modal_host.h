// The production modal host: real message boxes and windows, run modally over a parent.
#pragma once

#include <QPointer>
#include <QWidget>

#include "play/modal_host.h"

namespace vella {

class Layout;
class Pictures;

class QtModalHost final : public ModalHost {
  public:
    // The windows are drawn to `layout`, pegs as `pictures` draws them.
    QtModalHost(const Layout& layout, const Pictures& pictures)
        : layout_(layout), pictures_(pictures) {}

    void SetParent(QWidget* parent) { parent_ = parent; }

    Answer Message(const MessageRequest& request) override;
    void ShowResult(const ResultRequest& request) override;
    void RunLogin(LoginChoice& choice) override;
    void RunStatistics(StatsBrowser& browser) override;
    void WriteToConsole(const std::string& text) override;

  private:
    const Layout& layout_;
    const Pictures& pictures_;
    QPointer<QWidget> parent_;
};

}  // namespace vella

// The log-in window's decisions: the names it lists and the one it preselects, whether it offers
// "Cancel" or "No Keep Stats", what the name box shows as keys are typed, and whether OK takes
// the name or refuses it. The window shows what this says and reports what the person did.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "play/modal_host.h"
#include "play/player_session.h"
#include "stats/type_ahead.h"

namespace vella {

class LoginChoice {
  public:
    // Offered to `session`, listing `names` (the statistics file's players, in file order).
    LoginChoice(ModalHost& host, const PlayerSession& session, std::vector<PlayerName> names);

    // The list as shown: the file's names, and the player logged in where the file has no record
    // of them yet.
    const std::vector<PlayerName>& Entries() const { return entries_; }
    // The entry selected when the window opens; -1 for none.
    int Preselected() const { return preselected_; }
    // "No Keep Stats" in place of "Cancel": while statistics are kept for nobody.
    bool OffersNoStats() const { return offersNoStats_; }

    // One key typed into the name box (a code point; TypeAhead::Backspace takes one back): what
    // the box shows now, or nothing when the key is ignored.
    std::optional<TypeAhead::Box> Key(char32_t key);
    // An entry of the list chosen, which the box now shows.
    void Pick(int entry);

    // OK on what the box shows, the entry chosen or the name typed last: true when the name is
    // taken and the window is to close; false when it was refused and the person told why.
    bool Ok();
    void Cancel() { outcome_.How = LoginOutcome::Kind::Cancelled; }
    void Decline() { outcome_.How = LoginOutcome::Kind::Declined; }

    // How the window was left; Closed until OK, Cancel or No Keep Stats ends it.
    const LoginOutcome& Outcome() const { return outcome_; }

  private:
    ModalHost& host_;
    std::vector<PlayerName> entries_;
    int preselected_ = -1;
    int picked_ = -1;  // the entry the box shows; -1 while it shows what was typed
    bool offersNoStats_ = false;
    TypeAhead typeAhead_;
    LoginOutcome outcome_;
};

}  // namespace vella

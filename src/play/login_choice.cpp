// The log-in window's decisions.
#include "play/login_choice.h"

#include "play/messages.h"

namespace vella {
namespace {

// The list behind the box, the players of the file first: the player logged in
// is added at the end where the file has no record of them, and is never completed to.
struct Listing {
    std::vector<PlayerName> Names;
    int PlayerCount = 0;
    int Preselected = -1;
};

Listing ListFor(const PlayerSession& session, std::vector<PlayerName> names) {
    Listing listing{std::move(names)};
    listing.PlayerCount = static_cast<int>(listing.Names.size());
    if (!session.LoggedIn()) {
        listing.Preselected = listing.PlayerCount == 1 ? 0 : -1;
        return listing;
    }
    for (int i = 0; i < listing.PlayerCount; ++i) {
        if (listing.Names[i] == session.Player) listing.Preselected = i;
    }
    if (listing.Preselected < 0) {
        listing.Names.push_back(session.Player);
        listing.Preselected = listing.PlayerCount;
    }
    return listing;
}

}  // namespace

LoginChoice::LoginChoice(ModalHost& host, const PlayerSession& session,
                         std::vector<PlayerName> names)
    : host_(host), offersNoStats_(session.KeepStats && !session.LoggedIn()), typeAhead_({}, 0) {
    Listing listing = ListFor(session, std::move(names));
    preselected_ = picked_ = listing.Preselected;
    entries_ = listing.Names;
    typeAhead_ = TypeAhead(std::move(listing.Names), listing.PlayerCount);
}

std::optional<TypeAhead::Box> LoginChoice::Key(char32_t key) {
    if (!typeAhead_.KeyPress(key)) return std::nullopt;
    picked_ = -1;
    return typeAhead_.Shown();
}

void LoginChoice::Pick(int entry) {
    if (entry >= 0 && entry < static_cast<int>(entries_.size())) picked_ = entry;
}

bool LoginChoice::Ok() {
    // A typed name that the file cannot hold is refused with its reason, never stored with
    // question marks where those characters were, in another player's record.
    const std::u32string unstorable = typeAhead_.Unstorable();
    if (picked_ < 0 && !unstorable.empty()) {
        host_.Message(UnstorableName(unstorable));
        return false;
    }
    const std::optional<PlayerName> name =
        PlayerName::FromTyped(picked_ >= 0 ? entries_[picked_].Text() : typeAhead_.Shown().Text);
    if (!name) {
        host_.Message(InvalidName());
        return false;
    }
    outcome_ = LoginOutcome{LoginOutcome::Kind::Chosen, *name};
    return true;
}

}  // namespace vella

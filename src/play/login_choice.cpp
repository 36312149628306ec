// The log-in window's decisions.
#include "play/login_choice.h"

#include "stats/names.h"

namespace vella {
namespace {

// The list behind the box, the players of the file first: the player logged in
// is added at the end where the file has no record of them, and is never completed to.
struct Listing {
    std::vector<std::string> Names;
    int PlayerCount = 0;
    int Preselected = -1;
};

Listing ListFor(const PlayerSession& session, std::vector<std::string> names) {
    Listing listing{std::move(names)};
    listing.PlayerCount = static_cast<int>(listing.Names.size());
    if (!session.LoggedIn()) {
        listing.Preselected = listing.PlayerCount == 1 ? 0 : -1;
        return listing;
    }
    for (int i = 0; i < listing.PlayerCount; ++i) {
        if (listing.Names[i] == session.Player.Text()) listing.Preselected = i;
    }
    if (listing.Preselected < 0) {
        listing.Names.push_back(session.Player.Text());
        listing.Preselected = listing.PlayerCount;
    }
    return listing;
}

}  // namespace

std::string UnstorableNameMessage(const std::u32string& unstorable) {
    std::string listed;
    for (char32_t c : unstorable) {
        if (!listed.empty()) listed += ' ';
        listed += CodePointToUtf8(c);
    }
    return "These characters cannot be kept in a player's name: " + listed +
           ". The statistics keep Western European letters only; please type the name with "
           "those.";
}

LoginChoice::LoginChoice(ModalHost& host, const PlayerSession& session,
                         std::vector<std::string> names)
    : host_(host), offersNoStats_(session.KeepStats && !session.LoggedIn()), typeAhead_({}, 0) {
    Listing listing = ListFor(session, std::move(names));
    preselected_ = picked_ = listing.Preselected;
    entries_ = listing.Names;
    typeAhead_ = TypeAhead(std::move(listing.Names), listing.PlayerCount);
}

std::optional<NameBox> LoginChoice::Key(char32_t key) {
    if (!typeAhead_.KeyPress(key)) return std::nullopt;
    picked_ = -1;
    const TypeAhead::Box& box = typeAhead_.Shown();
    return NameBox{box.Text, box.SelStart, box.SelLength};
}

void LoginChoice::Pick(int entry) {
    if (entry >= 0 && entry < static_cast<int>(entries_.size())) picked_ = entry;
}

bool LoginChoice::Ok() {
    // A typed name that the file cannot hold is refused with its reason, never stored with
    // question marks where those characters were, in another player's record.
    const std::u32string unstorable = typeAhead_.Unstorable();
    if (picked_ < 0 && !unstorable.empty()) {
        host_.Message(MessageRequest{UnstorableNameMessage(unstorable)});
        return false;
    }
    const std::optional<std::string> name =
        AcceptedName(picked_ >= 0 ? entries_[picked_] : typeAhead_.Shown().Text);
    if (!name) {
        host_.Message(MessageRequest{std::string(InvalidNameMessage)});
        return false;
    }
    outcome_ = LoginOutcome{LoginOutcome::Kind::Chosen, PlayerName(*name)};
    return true;
}

}  // namespace vella

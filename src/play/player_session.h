// Who is playing and whether statistics are kept.
#pragma once

#include <string>
#include <utility>

namespace vella {

// A player's name: UTF-8, as the statistics file keeps it (upper case, at most 15 characters)
// without the padding of its name field. Names read from the file and names taken at log-in are
// this one kind, so two are equal exactly when they are the same player's.
class PlayerName {
  public:
    PlayerName() = default;
    explicit PlayerName(std::string name) : name_(std::move(name)) {}

    // "BOB SMITH": as lists show it and as the statistics file is asked for it.
    const std::string& Text() const { return name_; }
    // "Bob smith": as messages and the game window's caption write it.
    std::string Display() const;
    bool Empty() const { return name_.empty(); }

    bool operator==(const PlayerName&) const = default;

  private:
    std::string name_;
};

struct PlayerSession {
    PlayerName Player;  // empty while nobody is logged in
    bool KeepStats = true;

    bool LoggedIn() const { return !Player.Empty(); }
};

// Makes `player` the current player and turns statistics on. True when it replaces another
// player who was logged in.
bool LogIn(PlayerSession& session, const PlayerName& player);

}  // namespace vella

// A modal host for tests: records every message and window asked for, and answers from a
// script instead of a person. Also a random source that draws the secrets a test names.
#pragma once

#include <array>
#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

#include "game/secret.h"
#include "play/modal_host.h"
#include "stats/names.h"
#include "stats/player_session.h"

class ScriptedHost final : public vella::ModalHost {
  public:
    vella::Answer Message(const vella::MessageRequest& request) override {
        messages.push_back(request);
        if (answers.empty()) return request.Default;
        const vella::Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    void ShowResult(const vella::ResultRequest& request) override { results.push_back(request); }

    // Each opening takes the next scripted outcome; with none left the window is closed by its
    // close command. A runaway loop fails the test instead of hanging.
    vella::LoginOutcome ShowLogin(const vella::PlayerSession& session, vella::StatsFile&) override {
        ++logins;
        loginOffers.push_back(session);
        if (logins > 100) throw std::runtime_error("the log-in window keeps opening");
        if (loginScript.empty()) return {};
        vella::LoginOutcome outcome = loginScript.front();
        loginScript.pop_front();
        return outcome;
    }

    void ShowStats(const std::string& playerName, vella::StatsFile&, int gameType) override {
        statsOpenings.push_back({playerName, gameType});
    }

    std::string LastText() const { return messages.empty() ? std::string() : messages.back().Text; }

    static vella::LoginOutcome LogInAs(const char* name) {
        return {vella::LoginOutcome::Kind::Chosen, vella::StoredName(name)};
    }
    static vella::LoginOutcome Decline() { return {vella::LoginOutcome::Kind::Declined, {}}; }
    static vella::LoginOutcome Cancel() { return {vella::LoginOutcome::Kind::Cancelled, {}}; }
    static vella::LoginOutcome CloseWindow() { return {}; }

    struct StatsOpening {
        std::string playerName;
        int gameType;
        bool operator==(const StatsOpening&) const = default;
    };

    std::vector<vella::MessageRequest> messages;
    std::deque<vella::Answer> answers;
    std::vector<vella::ResultRequest> results;
    std::deque<vella::LoginOutcome> loginScript;
    std::vector<vella::PlayerSession> loginOffers;  // the session each opening was offered
    int logins = 0;
    std::vector<StatsOpening> statsOpenings;
};

// A random source that draws the codes a test names, so the secret is known.
class FixedSecrets final : public vella::RandomSource {
  public:
    void Seed() override {}
    double Next() override {
        if (codes.empty()) return Fallback[next_++ % Fallback.size()];
        const auto [code, range] = codes.front();
        codes.pop_front();
        return (code + 0.5) / range;
    }
    void Queue(vella::Pattern secret, int range) {
        for (auto c : secret) codes.push_back({c, range});
    }
    std::deque<std::pair<int, int>> codes;

  private:
    // Four numbers that draw four different codes from any range of six or more.
    static constexpr std::array<double, 4> Fallback{0.05, 0.3, 0.55, 0.8};
    std::size_t next_ = 0;
};

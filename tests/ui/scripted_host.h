// A modal host for tests: records every message and window asked for, and answers from a
// script instead of a person.
#pragma once

#include <QtTest>
#include <array>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "game/secret.h"
#include "stats/player_session.h"
#include "stats/stats_file.h"
#include "ui/modal_host.h"

class ScriptedHost final : public vella::ModalHost {
  public:
    using LoginAction = std::function<void(vella::PlayerSession&)>;

    int Message(const vella::MessageRequest& request) override {
        messages.push_back(request);
        if (answers.empty()) return request.Default;
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }

    void ShowResult(const vella::ResultRequest& request) override { results.push_back(request); }

    // Each opening takes the next scripted action; with none left the window is closed by its
    // close command, which changes nothing. A runaway loop fails the test instead of hanging.
    void ShowLogin(vella::PlayerSession& session, vella::StatsFile&) override {
        ++logins;
        if (logins > 100) throw std::runtime_error("the log-in window keeps opening");
        if (loginScript.empty()) return;
        LoginAction action = loginScript.front();
        loginScript.pop_front();
        action(session);
    }

    void ShowStats(vella::PlayerSession&, vella::StatsFile&, int gameType) override {
        statsGameTypes.push_back(gameType);
    }

    QString LastText() const { return messages.empty() ? QString() : messages.back().Text; }

    static LoginAction LogInAs(const char* name) {
        return [name](vella::PlayerSession& s) { vella::LogIn(s, name); };
    }
    static LoginAction Decline() {
        return [](vella::PlayerSession& s) { vella::DeclineStats(s); };
    }
    static LoginAction Cancel() {
        return [](vella::PlayerSession& s) { vella::CancelLogIn(s); };
    }
    static LoginAction CloseWindow() {
        return [](vella::PlayerSession&) {};
    }

    std::vector<vella::MessageRequest> messages;
    std::deque<int> answers;
    std::vector<vella::ResultRequest> results;
    std::deque<LoginAction> loginScript;
    int logins = 0;
    std::vector<int> statsGameTypes;
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

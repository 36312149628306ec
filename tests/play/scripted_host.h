// A modal host for tests: keeps one ordered log of every message and window it was shown, and
// answers as a scripted person would, through the same calls the real windows make.
#pragma once

#include <deque>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "../game/scripted_random.h"
#include "../stats/stats_files.h"
#include "play/login_choice.h"
#include "play/modal_host.h"
#include "play/stats_browser.h"

// The last of `items`; an empty list fails the test (std::out_of_range) instead of crashing it.
template <class T>
const T& Last(const std::vector<T>& items) {
    return items.at(items.size() - 1);
}

// The names as lists show them.
inline std::vector<std::string> Texts(const std::vector<vella::PlayerName>& names) {
    std::vector<std::string> texts;
    for (const vella::PlayerName& name : names) texts.push_back(name.Text());
    return texts;
}

class ScriptedHost final : public vella::ModalHost {
  public:
    using LoginAct = std::function<void(vella::LoginChoice&)>;
    using StatsAct = std::function<void(vella::StatsBrowser&)>;

    vella::Answer Message(const vella::MessageRequest& request) override {
        messages.push_back(request);
        log.push_back("message: " + request.Text);
        if (answers.empty()) return request.Default;
        const vella::Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    void ShowResult(const vella::ResultRequest& request) override {
        results.push_back(request);
        log.push_back(request.Won ? "result: won" : "result: lost");
        if (whileResultShown) whileResultShown();
    }

    // Each opening takes the next scripted act; with none left the window is closed by its close
    // command. A runaway loop fails the test instead of hanging.
    void RunLogin(vella::LoginChoice& choice) override {
        log.push_back("log-in");
        logins.push_back({Texts(choice.Entries()), choice.Preselected(), choice.OffersNoStats()});
        if (logins.size() > 100) throw std::runtime_error("the log-in window keeps opening");
        Next(loginScript, choice);
    }

    void RunStatistics(vella::StatsBrowser& browser) override {
        log.push_back("statistics");
        statsOpenings.push_back({Texts(browser.Players()), browser.Selected(), browser.View()});
        Next(statsScript, browser);
    }

    void WriteToConsole(const std::string& text) override { log.push_back("console: " + text); }

    std::string LastText() const { return messages.empty() ? std::string() : messages.back().Text; }
    // The last message; with none, an empty one with no title, so a check fails, not crashes.
    vella::MessageRequest LastMessage() const {
        return messages.empty() ? vella::MessageRequest{{}, {}, {}, {}, {}, {}} : messages.back();
    }

    // The person's acts in the log-in window: typing a name key by key and pressing OK, choosing
    // a listed entry, the buttons, the close command.
    static LoginAct LogInAs(std::string typed) {
        return [typed](vella::LoginChoice& choice) {
            for (unsigned char c : typed) choice.Key(c);
            choice.Ok();
        };
    }
    static LoginAct Choose(int entry) {
        return [entry](vella::LoginChoice& choice) {
            choice.Pick(entry);
            choice.Ok();
        };
    }
    static LoginAct Decline() {
        return [](vella::LoginChoice& c) { c.Decline(); };
    }
    static LoginAct Cancel() {
        return [](vella::LoginChoice& c) { c.Cancel(); };
    }
    static LoginAct CloseWindow() {
        return [](vella::LoginChoice&) {};
    }

    struct LoginSeen {
        std::vector<std::string> entries;
        int preselected;
        bool offersNoStats;
    };
    struct StatsSeen {
        std::vector<std::string> players;
        int selected;
        int view;
        bool operator==(const StatsSeen&) const = default;
    };

    std::function<void()> whileResultShown;  // what happens while the result window is open
    // What was asked, in order: "message: ...", "result: won", "log-in", "statistics".
    std::vector<std::string> log;
    std::vector<vella::MessageRequest> messages;
    std::deque<vella::Answer> answers;
    std::vector<vella::ResultRequest> results;
    std::deque<LoginAct> loginScript;
    std::vector<LoginSeen> logins;
    std::deque<StatsAct> statsScript;
    std::vector<StatsSeen> statsOpenings;

  private:
    template <class Act, class Window>
    static void Next(std::deque<Act>& script, Window& window) {
        if (script.empty()) return;
        const Act act = script.front();
        script.pop_front();
        act(window);
    }
};

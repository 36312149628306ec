// Ready-made surroundings for the window tests: a scratch statistics file, scripted modal
// windows, and the real game window over them.
#pragma once

#include <QtTest>
#include <memory>
#include <optional>

#include "../stats/faulty_files.h"
#include "play/login_choice.h"
#include "play/stats_browser.h"
#include "scripted_host.h"
#include "stats/player_name.h"
#include "stats/stats_file.h"
#include "ui/game_window.h"

// A scratch folder for one window test's statistics files, emptied before each test.
struct ScratchStats {
    QTemporaryDir folder;
    std::unique_ptr<vella::StatsFile> stats;

    void Reset() {
        QDir(folder.path()).removeRecursively();
        QDir().mkpath(folder.path());
        stats = std::make_unique<vella::StatsFile>(folder.path().toStdString());
    }
};

// The dialogs' surroundings: a scratch statistics file, a scripted host, a fresh session.
struct DialogRig : ScratchStats {
    ScriptedHost host;
    vella::PlayerSession session;

    void ResetDialogRig() {
        Reset();
        host = ScriptedHost();
        session = vella::PlayerSession();
    }
    // A standard game won in five moves by each of `names`.
    void Players(std::initializer_list<const char*> names) {
        for (const char* name : names) {
            QVERIFY(stats->RecordGame(Player(name), {0, 0, true, 5}).Ok());
        }
    }
    // What the log-in window shows and takes, offered to `session` on the file's players.
    vella::LoginChoice Login() { return {host, session, stats->ReadNames().Value}; }
    // What the statistics window shows, opened on the session's player in view `gameType`.
    std::unique_ptr<vella::StatsBrowser> Browse(
        vella::GameType gameType = vella::GameType::Standard) {
        auto browser = std::make_unique<vella::StatsBrowser>(host, *stats);
        browser->Open(session.Player, gameType);
        return browser;
    }
};

// The real game window over scripted modal windows, with a known first secret.
struct GameRig {
    FaultyFiles files;
    std::unique_ptr<vella::StatsFile> stats;
    std::unique_ptr<ScriptedHost> host;
    std::unique_ptr<ScriptedRandom> random;
    std::unique_ptr<vella::GameWindow> frm;

    void OpenWindow(std::unique_ptr<vella::StatsFile> file,
                    std::optional<vella::Pattern> firstSecret = std::nullopt) {
        frm.reset();
        stats = std::move(file);
        host = std::make_unique<ScriptedHost>();
        random = std::make_unique<ScriptedRandom>(std::vector<double>{}, true);
        if (firstSecret) random->Queue(*firstSecret, 6);
        frm = std::make_unique<vella::GameWindow>(*host, *random, *stats);
        frm->show();
        QVERIFY(QTest::qWaitForWindowExposed(frm.get()));
    }
};

// Ready-made surroundings for the window tests: a scratch statistics file, scripted modal
// windows, and the real game window over them.
#pragma once

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>
#include <functional>
#include <memory>
#include <optional>

#include "../stats/faulty_files.h"
#include "play/captions.h"
#include "play/login_choice.h"
#include "play/speech.h"
#include "play/stats_browser.h"
#include "scripted_host.h"
#include "stats/player_name.h"
#include "stats/stats_file.h"
#include "ui/game_window.h"
#include "ui/help_viewer.h"
#include "ui/language.h"
#include "ui/peg_hole.h"
#include "ui/pictures.h"
#include "ui/qt_modal_host.h"
#include "ui/settings.h"
#include "ui/twips.h"

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

// What every window is drawn with: the layout as designed, pegs without symbols.
struct WindowLook {
    vella::Layout layout;
    vella::Pictures pictures{layout, false};
};

// The dialogs' surroundings: a scratch statistics file, a scripted host, a fresh session.
struct DialogRig : ScratchStats, WindowLook {
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

// The control of `window` that a person or a screen reader knows as `name`: by its text, its
// accessible name or its object name. Fails the test where there is none.
template <class Control = QWidget>
Control* Find(QWidget* window, const QString& name) {
    for (Control* control : window->findChildren<Control*>()) {
        const auto* button = qobject_cast<const QAbstractButton*>(control);
        if (control->accessibleName() == name || control->objectName() == name ||
            (button && button->text() == name))
            return control;
    }
    QTest::qFail(qPrintable(QStringLiteral("no control named ") + name), __FILE__, __LINE__);
    return nullptr;
}

template <class Control = QWidget>
Control* Find(QWidget* window, vella::Text name) {
    return Find<Control>(window, vella::Caption(name));
}

// Runs `act` on the message box once it is showing, then returns the host's answer.
inline vella::Answer Ask(vella::QtModalHost& host, const vella::MessageRequest& request,
                         std::function<void(QMessageBox*)> act) {
    QTimer::singleShot(0, [act] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        act(box);
    });
    return host.Message(request);
}

// The captions of a menu or menu bar's items, a separator as "-".
inline QStringList MenuCaptions(QWidget* menu) {
    QStringList captions;
    for (QAction* action : menu->actions())
        captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return captions;
}

// The menu item of `window` captioned `caption`, as a person reads it in its menu.
inline QAction* MenuItem(QWidget* window, const QString& caption) {
    for (QMenu* menu : window->findChildren<QMenu*>()) {
        if (menu->title() == caption) return menu->menuAction();
        for (QAction* item : menu->actions()) {
            if (item->text() == caption) return item;
        }
    }
    QTest::qFail(qPrintable(QStringLiteral("no menu item ") + caption), __FILE__, __LINE__);
    return nullptr;
}

// The real game window over scripted modal windows, with a known first secret.
struct GameRig : WindowLook {
    FaultyFiles files;
    std::unique_ptr<vella::StatsFile> stats;
    std::unique_ptr<ScriptedHost> host;
    std::unique_ptr<ScriptedRandom> random;
    std::unique_ptr<vella::GameWindow> frm;

    // Opens the window as the program does; `folder` is what preparing the folder came to.
    void OpenWindow(std::unique_ptr<vella::StatsFile> file,
                    std::optional<vella::Pattern> firstSecret = std::nullopt,
                    const vella::Status& folder = {}) {
        frm.reset();
        stats = std::move(file);
        host = std::make_unique<ScriptedHost>();
        random = std::make_unique<ScriptedRandom>(std::vector<double>{}, true);
        if (firstSecret) random->Queue(*firstSecret, 6);
        layout = vella::Layout();
        pictures.SetPegSymbols(vella::settings::PegSymbols());
        frm = std::make_unique<vella::GameWindow>(*host, *random, *stats, layout, pictures);
        frm->Open(folder);
        QVERIFY(QTest::qWaitForWindowExposed(frm.get()));
    }

    // The game window's controls, as a person or a screen reader finds them.
    vella::PegHole* Hole(int i) {
        return Find<vella::PegHole>(frm.get(), QStringLiteral("hole%1").arg(i));
    }
    QLabel* ScoreBox(int i) { return Find<QLabel>(frm.get(), QStringLiteral("score%1").arg(i)); }
    vella::PegHole* PaletteColor(int color) {
        return Find<vella::PegHole>(
            frm.get(), QString::fromStdString(vella::PalettePegName(vella::ColorCode(color))));
    }
    QPushButton* CheckButton() { return Find<QPushButton>(frm.get(), vella::CheckButtonName); }
    QAbstractButton* StatisticsButton() {
        return Find<QAbstractButton>(frm.get(), vella::StatisticsButtonName);
    }
    QCheckBox* RepeatsBox() { return Find<QCheckBox>(frm.get(), vella::RepeatsCaption); }
    QCheckBox* BlanksBox() { return Find<QCheckBox>(frm.get(), vella::BlanksCaption); }
    QAction* Item(const QString& caption) { return MenuItem(frm.get(), caption); }
    QAction* Item(vella::Text caption) { return Item(vella::Caption(caption)); }
    QMenu* Menu(vella::Text caption) { return Item(caption)->menu(); }
    QFrame* Frame(vella::Text name) { return Find<QFrame>(frm.get(), vella::Caption(name)); }
    // The help window, while it is open.
    QWidget* HelpWindow() { return frm->findChild<vella::HelpViewer*>(); }
    // What hole `i` holds, as a screen reader names it: "red", "empty".
    QString Peg(int i) { return Hole(i)->accessibleName().section(QStringLiteral(": "), 1); }
};

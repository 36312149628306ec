// What assistive technology reads, and a whole game played with the keyboard alone.
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <memory>
#include <utility>
#include <vector>

#include "input.h"
#include "play/login_choice.h"
#include "play/messages.h"
#include "play/speech.h"
#include "play/stats_browser.h"
#include "rigs.h"
#include "stats/player_name.h"
#include "ui/game_window.h"
#include "ui/late_alt_filter.h"
#include "ui/login_dialog.h"
#include "ui/peg_hole.h"
#include "ui/result_dialog.h"
#include "ui/statistics_dialog.h"

using namespace vella;

namespace {

// Every name in the accessibility tree below `object`.
void CollectNames(QAccessibleInterface* node, QStringList& names, int depth = 0) {
    if (!node || depth > 12) return;
    names << node->text(QAccessible::Name);
    for (int i = 0; i < node->childCount(); ++i) CollectNames(node->child(i), names, depth + 1);
}

QStringList TreeNames(QObject* object) {
    QStringList names;
    CollectNames(QAccessible::queryAccessibleInterface(object), names);
    return names;
}

// What a screen reader is sent: each event's kind, the object it is about and what it names
// or says.
struct Heard {
    QAccessible::Event type;
    QObject* object;
    QAccessibleInterface* about;
    QString text;
};
QList<Heard> heard;
void Hear(QAccessibleEvent* event) {
    QAccessibleInterface* about = event->accessibleInterface();
    QString text = about->text(QAccessible::Name);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    if (event->type() == QAccessible::Announcement) {
        const auto* said = static_cast<QAccessibleAnnouncementEvent*>(event);
        if (said->politeness() == QAccessible::AnnouncementPoliteness::Polite)
            text = said->message();
    }
#endif
    if (event->type() == QAccessible::TextRemoved)
        text = static_cast<QAccessibleTextRemoveEvent*>(event)->textRemoved();
    if (event->type() == QAccessible::TextInserted)
        text = static_cast<QAccessibleTextInsertEvent*>(event)->textInserted();
    heard << Heard{event->type(), event->object(), about, text};
}

// Turns on the platform's accessibility, as a screen reader's arrival does, and has every event
// it would be sent recorded in `heard`, while it lives.
struct Listening {
    QPlatformAccessibility* platform =
        QGuiApplicationPrivate::platformIntegration()->accessibility();
    Listening() {
        heard.clear();
        platform->setActive(true);
        QAccessible::installUpdateHandler(Hear);
    }
    ~Listening() {
        QAccessible::installUpdateHandler(nullptr);
        platform->setActive(false);
    }
};

// What the text events of `heard` say was taken out ("-B") and put in ("+B").
QStringList Edits() {
    QStringList edits;
    for (const Heard& h : heard) {
        if (h.type == QAccessible::TextRemoved) edits << QStringLiteral("-") + h.text;
        if (h.type == QAccessible::TextInserted) edits << QStringLiteral("+") + h.text;
    }
    return edits;
}

// Holds back each key the platform delivers until told, as Qt's bridge to a screen reader does
// until the reader has seen the key; shortcuts act at once all the same.
struct ScreenReaderBridge : QObject {
    std::vector<std::pair<QPointer<QObject>, std::unique_ptr<QEvent>>> held;
    ScreenReaderBridge() { qApp->installEventFilter(this); }
    void HandOn() {
        for (auto& [target, key] : std::exchange(held, {}))
            QCoreApplication::postEvent(target, key.release());
        QCoreApplication::sendPostedEvents();
    }
    bool eventFilter(QObject* target, QEvent* event) override {
        const bool hold = event->spontaneous() && (event->type() == QEvent::KeyPress ||
                                                   event->type() == QEvent::KeyRelease);
        if (hold) held.emplace_back(target, event->clone());
        return hold;
    }
};

}  // namespace

class AccessibilityTest : public QObject, private GameRig {
    Q_OBJECT

  private:
    ScratchStats scratch;

    void Key(Qt::Key key, Qt::KeyboardModifiers mods = {}) { input::Key(frm.get(), key, mods); }

  private slots:
    void init() {
        scratch.Reset();
        OpenWindow(std::make_unique<StatsFile>(scratch.folder.path().toStdString()),
                   Pattern{2, 1, 3, 4});    // red, blue, green, cyan
        Item(KeepStatsCaption)->trigger();  // statistics off: no log-in after a game
        QVERIFY(input::Activate(frm.get()));
    }

    void cleanup() { frm.reset(); }

    void theTreeSaysWhatEachControlIsAndHolds() {
        const QStringList names = TreeNames(frm.get());
        for (const char* expected :
             {"Row 1, hole 1: empty", "Row 10, hole 4: empty", "black peg", "blue peg", "red peg",
              "green peg", "cyan peg", "magenta peg", "Check this row", "Statistics",
              "Row 1: current row", "Row 2: not played yet", "Allow Repeated Colors",
              "Allow Blanks", "Board", "Scores", "Colors"}) {
            QVERIFY2(names.contains(QString::fromLatin1(expected)), expected);
        }
        QCOMPARE(PaletteColor(Color::Yellow)->accessibleName(), QStringLiteral("yellow peg"));
        // The statistics picture is a button a screen reader can press.
        QAccessibleInterface* statistics =
            QAccessible::queryAccessibleInterface(StatisticsButton());
        QCOMPARE(statistics->role(), QAccessible::Button);
        statistics->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(host->LastText(), std::string("No stats to show!"));
    }

    void aWholeGameWithTheKeyboardAlone() {
        QCOMPARE(QApplication::focusWidget(), CheckButton());
        Key(Qt::Key_3);  // red
        Key(Qt::Key_1);  // black
        Key(Qt::Key_2);  // blue
        Key(Qt::Key_7);  // yellow is not in play with six colours
        QCOMPARE(Hole(3)->accessibleName(), QStringLiteral("Row 1, hole 4: empty"));
        Key(Qt::Key_4);  // green
        QCOMPARE(Hole(0)->accessibleName(), QStringLiteral("Row 1, hole 1: red"));
        Key(Qt::Key_Backspace);  // the green just placed
        QCOMPARE(Peg(3), QStringLiteral("empty"));
        Key(Qt::Key_4);
        Key(Qt::Key_Return);  // red black blue green against red blue green cyan
        QCOMPARE(ScoreBox(0)->accessibleName(), QStringLiteral("Row 1: 1 black, 2 white"));
        QCOMPARE(ScoreBox(4)->accessibleName(), QStringLiteral("Row 2: current row"));

        for (Qt::Key key : {Qt::Key_3, Qt::Key_2, Qt::Key_4, Qt::Key_5}) Key(key);
        Key(Qt::Key_Space);
        QCOMPARE(host->results.size(), size_t(1));
        QVERIFY(host->results[0].Won);
        QCOMPARE(ScoreBox(0)->accessibleName(), QStringLiteral("Row 1: current row"));  // afresh
        QCOMPARE(QApplication::focusWidget(), CheckButton());
    }

    // Under a screen reader, Alt+H opens the Help menu before the Alt press itself arrives;
    // that late Alt leaves the menu open, and only an Alt pressed in the menu closes it.
    void aMenuOpenedByItsShortcutStaysOpenUnderAScreenReader() {
        LateAltFilter lateAlt;  // as the program installs it
        qApp->installEventFilter(&lateAlt);
        ScreenReaderBridge bridge;
        Key(Qt::Key_H, Qt::AltModifier);
        QCOMPARE(QApplication::activePopupWidget(), Menu(HelpMenuCaption));
        bridge.HandOn();
        QCOMPARE(QApplication::activePopupWidget(), Menu(HelpMenuCaption));
        Key(Qt::Key_Alt);
        bridge.HandOn();
        QVERIFY(!Menu(HelpMenuCaption)->isVisible());
    }

    // A changed name is sent, an unchanged one is not, and the sentence is said once, politely,
    // with the keyboard's focus left where it was: by Qt's announcement where it has one,
    // otherwise as the focus of an object that carries no role word (a filler).
    void changesAreAnnounced() {
        {
            Listening screenReader;
            Key(Qt::Key_6);  // magenta into hole 1
            Key(Qt::Key_Backspace);
            QTest::qWait(50);
        }
        const auto named = [](QObject* hole) {
            return std::count_if(heard.begin(), heard.end(), [hole](const Heard& h) {
                return h.type == QAccessible::NameChanged && h.object == hole;
            });
        };
        QVERIFY(named(Hole(0)) > 0 && named(Hole(1)) == 0);
        QList<Heard> said;
        std::copy_if(heard.begin(), heard.end(), std::back_inserter(said), [](const Heard& h) {
            return h.type != QAccessible::NameChanged && h.text.startsWith("Row 1, hole 1: ");
        });
        QCOMPARE(said.size(), 2);
        QCOMPARE(said[1].text, QStringLiteral("Row 1, hole 1: empty"));
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        QVERIFY(said[0].type == QAccessible::Announcement && said[1].type == said[0].type);
#else
        for (const Heard& h : said) {  // a filler, focused, that its parent counts
            QVERIFY(h.type == QAccessible::Focus && h.about->state().focused);
            QVERIFY(h.about->parent()->indexOfChild(h.about) >= 0);
            QCOMPARE(h.about->role(), QAccessible::Client);
        }
        QVERIFY(said[0].about != said[1].about);  // the focus moves, or Orca stays silent
#endif
        QCOMPARE(QApplication::focusWidget(), CheckButton());
    }

    void secondaryWindowsNameTheirControls() {
        ResultDialog result(ResultFor(false, {2, 6, 0, 5}, 6), layout, pictures);
        QVERIFY(Find<QLabel>(&result, "secret peg 2: empty"));

        LoginChoice choice(*host, PlayerSession{}, {});
        LoginDialog login(choice, layout);
        login.show();
        QVERIFY(QTest::qWaitForWindowActive(&login));
        {  // each key is heard as the edit it makes: the letter put in or taken out
            Listening screenReader;
            input::Type(&login, QStringLiteral("bob"));
            input::Key(&login, Qt::Key_Backspace);
            input::Type(&login, QStringLiteral("b"));
            QCOMPARE(Edits(), (QStringList{"+B", "+O", "+B", "-B", "+B"}));
        }
        // Named as a screen reader reads it: the typed text is the box's value, not its name.
        const auto spoken = [](QWidget* box, QAccessible::Text t) {
            return QAccessible::queryAccessibleInterface(box)->text(t);
        };
        QCOMPARE(spoken(login.nameBox, QAccessible::Name), QStringLiteral("User ID"));
        // The window's explanation is read with the window, and not again with the box.
        QCOMPARE(spoken(login.nameBox, QAccessible::Description), QString());
        QCOMPARE(spoken(login.nameBox, QAccessible::Value), QStringLiteral("BOB"));

        stats->RecordGame(Player("ann"), FinishedGame{0, 0, true, 4});
        StatsBrowser browser(*host, *stats);
        QVERIFY(browser.Open({}, GameType::Standard));
        StatisticsDialog window(browser, layout);
        QCOMPARE(spoken(window.playerBox, QAccessible::Name), QStringLiteral("ANN"));
        QCOMPARE(window.gamesFigures[0]->accessibleName(),
                 QStringLiteral("Games Played, 6 Colors: 1"));
        QCOMPARE(window.bestFigures[1]->accessibleName(),
                 QStringLiteral("Best Game (won), 7 Colors: -"));
        // The chosen view's button carries its figures, which are read as it takes the focus.
        input::Click(window.viewButtons[5]);
        QVERIFY(window.viewButtons[5]->accessibleDescription().startsWith(
            QStringLiteral("Totals For All Game Types. Totals: Games Played 1, Games Won 1, ")));
        QCOMPARE(window.viewButtons[0]->accessibleDescription(), QString());
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"

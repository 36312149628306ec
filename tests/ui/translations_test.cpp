// Every language the program speaks: its catalogue complete and true to the English it
// translates, and every window in it with no English left, its captions whole and its access
// letters unique in each menu and window.
#include <QAccessible>
#include <QFile>
#include <QGroupBox>
#include <QMenuBar>
#include <QMessageBox>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QtTest>

#include "play/messages.h"
#include "rigs.h"
#include "stats/stats_figures.h"
#include "text_fits.h"
#include "ui/language.h"
#include "ui/login_dialog.h"
#include "ui/qt_modal_host.h"
#include "ui/result_dialog.h"
#include "ui/statistics_dialog.h"

using namespace vella;

namespace {

// English source → translation, as the catalogue of `code` holds them; an unfinished
// translation counts as none.
QHash<QString, QString> Catalogue(const QString& code) {
    QFile file(QStringLiteral(VELLACODE_SOURCE_DIR "/translations/vellacode_%1.ts").arg(code));
    if (!file.open(QIODevice::ReadOnly)) return {};
    QHash<QString, QString> entries;
    QXmlStreamReader xml(&file);
    QString source;
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (xml.name() == QLatin1String("source")) source = xml.readElementText();
        if (xml.name() == QLatin1String("translation"))
            entries.insert(source, xml.attributes().value(QLatin1String("type")).isEmpty()
                                       ? xml.readElementText()
                                       : QString());
    }
    return entries;
}

// What `pattern` marks in a text, sorted: its %1 … %9, or its access letters ("&S"; "&&" and
// "& " are an ampersand).
const QString Argument = QStringLiteral("(%\\d)"), AccessLetter = QStringLiteral("&&|&(\\S)");
QStringList Marks(const QString& text, const QString& pattern) {
    QStringList found;
    for (const auto& match : QRegularExpression(pattern).globalMatch(text))
        if (match.hasCaptured(1)) found << match.captured(1).toLower();
    found.sort();
    return found;
}

// Each caption of `window` a person reads, and each name a screen reader says.
QStringList Captions(QWidget* window) {
    QStringList captions{window->windowTitle()};
    for (QWidget* w : window->findChildren<QWidget*>()) {
        captions << w->accessibleName() << w->toolTip();
        if (auto* label = qobject_cast<QLabel*>(w)) captions << label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(w)) captions << button->text();
        if (auto* group = qobject_cast<QGroupBox*>(w)) captions << group->title();
        for (QAction* action : w->actions()) captions << action->text() << action->statusTip();
    }
    return captions;
}

// The captions of one menu or window that share an access letter with one before them.
QString SharedAccessLetters(const QStringList& captions) {
    QStringList shared;
    QStringList seen;
    for (const QString& caption : captions) {
        for (const QString& letter : Marks(caption, AccessLetter)) {
            if (seen.contains(letter)) shared << caption;
            seen << letter;
        }
    }
    return shared.join(QStringLiteral("; "));
}

}  // namespace

class TranslationsTest : public QObject, private DialogRig {
    Q_OBJECT

    QHash<QString, QString> catalogue;
    std::unique_ptr<PlayerLanguage> language;

    void CheckWindow(QWidget* window) {
        // Nothing it shows is still the English of a text with a translation of its own.
        for (const QString& caption : Captions(window))
            QVERIFY2(catalogue.value(caption, caption) == caption, qPrintable(caption));
        QCOMPARE(ClippedCaptions(window).join(QStringLiteral("; ")), QString());
        const auto buttons = window->findChildren<QAbstractButton*>();
        for (auto* button : buttons) {
            for (auto* other : buttons) {  // a widened caption pushed what stood beside it
                QVERIFY2(button == other || button->parentWidget() != other->parentWidget() ||
                             button->y() != other->y() || button->x() == other->x() ||
                             !button->geometry().intersects(other->geometry()),
                         qPrintable(button->text() + QStringLiteral(" / ") + other->text()));
            }
        }
        QStringList controls;
        for (QWidget* control : window->findChildren<QWidget*>()) {
            if (qobject_cast<QMenu*>(control) || qobject_cast<QMenuBar*>(control))
                QCOMPARE(SharedAccessLetters(MenuCaptions(control)), QString());
            if (auto* button = qobject_cast<QAbstractButton*>(control)) controls << button->text();
            const QRect place(control->mapTo(window, QPoint()), control->size());
            QVERIFY2(control->window() != window || !control->isVisibleTo(window) ||
                         window->rect().contains(place),
                     qPrintable(control->objectName() + control->accessibleName()));
        }
        QCOMPARE(SharedAccessLetters(controls), QString());
    }

  private slots:
    void cleanup() { language.reset(); }

    void everyLanguage_data() {
        QTest::addColumn<QString>("code");
        for (const QString& code : QStringList{"en"} + ShippedLanguages)
            QTest::newRow(qPrintable(code)) << code;
    }
    void everyLanguage() {
        QFETCH(QString, code);
        // The catalogue: every text translated, with the same arguments and access letters.
        catalogue = Catalogue(code);
        QVERIFY(code == QLatin1String("en") || catalogue.size() > 100);
        for (auto entry = catalogue.cbegin(); entry != catalogue.cend(); ++entry) {
            const QString what = entry.key() + QStringLiteral(" => ") + entry.value();
            QVERIFY2(!entry.value().isEmpty(), qPrintable(what));
            QVERIFY2(Marks(entry.key(), Argument) == Marks(entry.value(), Argument) &&
                         Marks(entry.key(), AccessLetter).size() ==
                             Marks(entry.value(), AccessLetter).size(),
                     qPrintable(what));
        }

        language = std::make_unique<PlayerLanguage>(code);
        QVERIFY(language->Loaded());
        language->Install();
        // Numbers as the language writes them.
        QCOMPARE(QString::fromStdString(FormatOneDecimal(4.25)),
                 QLatin1Char('4') + QLocale(code).decimalPoint() + QLatin1Char('3'));
        QCOMPARE(QString::fromStdString(FormatPercent(0.5)),
                 catalogue.value(QStringLiteral("%1%"), QStringLiteral("%1%")).arg(50));

        // The game window and its menus.
        ResetDialogRig();
        GameRig game;
        game.OpenWindow(std::make_unique<StatsFile>(folder.path().toStdString()));
        CheckWindow(game.frm.get());
        game.Item(ContentsCaption)->trigger();  // the help, on its page in the language
        CheckWindow(game.HelpWindow());

        // The log-in, statistics and result windows, with a player's figures, however much
        // smaller they are drawn (fonts are not narrower in exact proportion).
        Players({"ann"});
        for (int twipsPerPixel = 15; twipsPerPixel <= 30; ++twipsPerPixel) {
            layout = Layout(twipsPerPixel);
            auto browser = Browse();
            LoginChoice choice = Login();
            StatisticsDialog statistics(*browser, layout);
            LoginDialog login(choice, layout);
            ResultDialog result(ResultFor(false, {0, 1, 6, 3}, 6), layout, pictures);
            for (QWidget* window : std::initializer_list<QWidget*>{&statistics, &login, &result})
                CheckWindow(window);
        }
        layout = Layout();

        // The help's pages, each translated.
        const QStringList pages = QDir(QStringLiteral(":/assets/help")).entryList(QDir::Files);
        for (const QString& page : code == QLatin1String("en") ? QStringList() : pages) {
            QFile english(QStringLiteral(":/assets/help/") + page);
            QFile translated(QStringLiteral(":/assets/help/%1/").arg(code) + page);
            QVERIFY2(english.open(QIODevice::ReadOnly) && translated.open(QIODevice::ReadOnly),
                     qPrintable(page));
            QVERIFY2(english.readAll() != translated.readAll(), qPrintable(page));
        }

        // A question, with Qt's own buttons in the language too.
        QtModalHost host(layout, pictures);
        Ask(host, DeletePlayerQuestion(Player("ann")), [this](QMessageBox* box) {
            CheckWindow(box);
            box->reject();
        });
    }
};

QTEST_MAIN(TranslationsTest)
#include "translations_test.moc"

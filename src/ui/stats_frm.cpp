// The statistics window.
#include "ui/stats_frm.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <tuple>

#include "play/stats_browser.h"
#include "ui/accessible_names.h"
#include "ui/dialog_style.h"
#include "ui/named_combo_box.h"
#include "ui/pictures.h"
#include "ui/twips.h"

namespace vella {
namespace {

QLabel* MakeLabel(QWidget* parent, const QString& text, QRect geometry,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    label->setAlignment(alignment);
    return label;
}

// A one-pixel line from (x1, y) to (x2, y), in twips.
QFrame* MakeLine(QWidget* parent, int x1, int y, int x2) {
    auto* line = new QFrame(parent);
    line->setFrameStyle(QFrame::HLine | QFrame::Plain);
    line->setLineWidth(1);
    line->setGeometry(Twips(x1), Twips(y), Twips(x2) - Twips(x1) + 1, 1);
    return line;
}

}  // namespace

StatsFrm::StatsFrm(StatsBrowser& browser, QWidget* parent) : QDialog(parent), browser_(browser) {
    setWindowTitle(QStringLiteral("Player Stats"));
    setWindowIcon(pictures::StatsIcon());
    FixDialog(this, 7065, 3225);
    BuildControls();
    Paint();
    PlaceClientArea(this, 1935, 2130);
}

void StatsFrm::BuildControls() {
    Label1 = MakeLabel(this, QStringLiteral("Select Player:"), TwipsRect(240, 165, 1095, 255));
    // Named by the player shown, without the spaces that pad a stored name.
    Combo1 = new NamedComboBox(this, [](const QComboBox& box) {
        QString name = box.currentText();
        while (name.endsWith(u' ')) name.chop(1);
        return name;
    });
    Combo1->setGeometry(TwipsRect(1320, 120, 1575, 315));
    SetFont(Combo1, 8.25, true);
    connect(Combo1, &QComboBox::currentIndexChanged, this, &StatsFrm::Combo1_Click);
    Combo1->setAccessibleDescription(QStringLiteral("Select Player"));

    RemPlayrBtn = new QPushButton(QStringLiteral("Delete Player"), this);
    RemPlayrBtn->setGeometry(TwipsRect(240, 600, 1335, 270));
    connect(RemPlayrBtn, &QPushButton::clicked, this, &StatsFrm::RemPlayrBtn_Click);

    const auto header = [this](const char* text, int left) {
        return MakeLabel(this, QString::fromUtf8(text), TwipsRect(left, 720, 855, 255),
                         Qt::AlignHCenter | Qt::AlignTop);
    };
    SixLabel = header(ColumnHeaders[0], 2160);
    SevenLabel = header(ColumnHeaders[1], 3240);
    TotalLabel = header(ColumnHeaders[2], 2100);
    Line2 = MakeLine(this, 2160, 960, 3000);
    Line3 = MakeLine(this, 3240, 960, 4080);

    // Each row: its caption, its width, and a figure under each column header.
    const std::array<std::tuple<QLabel**, int, std::array<QLabel*, 2>*>, 6> rows{
        {{&Label2, 1455, &NumGamesLbl},
         {&Label3, 1575, &WinsLbl},
         {&Label4, 1695, &PctLbl},
         {&Label7, 2055, &MvsPerGmLbl},
         {&Label5, 1695, &BestLbl},
         {&Label6, 1455, &WrstLbl}}};
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const auto& [caption, width, figures] = rows[row];
        const int top = 1080 + 360 * static_cast<int>(row);
        *caption =
            MakeLabel(this, QString::fromUtf8(RowCaptions[row]), TwipsRect(120, top, width, 255));
        for (int k = 0; k < 2; ++k) {
            (*figures)[k] = MakeLabel(this, QStringLiteral("0"),
                                      TwipsRect(k == 0 ? 2280 : 3360, top, 615, 255));
        }
    }

    Frame1 = new QGroupBox(QStringLiteral("Select Game Type"), this);
    Frame1->setGeometry(TwipsRect(4200, 120, 2655, 2535));
    const std::array<QRect, ViewNames.size()> places{
        TwipsRect(120, 240, 2055, 375),  TwipsRect(120, 600, 2055, 375),
        TwipsRect(120, 960, 2295, 375),  TwipsRect(120, 1320, 2415, 375),
        TwipsRect(120, 1800, 2295, 315), TwipsRect(120, 2160, 2295, 255)};
    for (int i = 0; i < 6; ++i) {
        // "&&" shows as one ampersand, not as a mnemonic.
        auto* option = new QRadioButton(
            QString::fromUtf8(ViewNames[i]).replace(QLatin1Char('&'), QStringLiteral("&&")),
            Frame1);
        option->setGeometry(places[i]);
        connect(option, &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) GameTypeOpt_Click(i);
        });
        GameTypeOpt[i] = option;
    }
    Line1 = MakeLine(Frame1, 240, 1740, 2400);

    Command1 = new QPushButton(QStringLiteral("Cool"), this);
    Command1->setGeometry(TwipsRect(4200, 2760, 2655, 375));
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &StatsFrm::Command1_Click);
    setTabOrder(Combo1, RemPlayrBtn);
}

void StatsFrm::Paint() {
    QStringList players;
    for (const std::string& name : browser_.Players()) players << QString::fromStdString(name);
    {
        const QSignalBlocker quiet(Combo1);
        QStringList listed;
        for (int i = 0; i < Combo1->count(); ++i) listed << Combo1->itemText(i);
        if (listed != players) {
            Combo1->clear();
            Combo1->addItems(players);
        }
        Combo1->setCurrentIndex(browser_.Selected());
        QRadioButton* view = GameTypeOpt[browser_.View()];
        const QSignalBlocker still(view);
        view->setChecked(true);
        // A screen reader reads the figures with the view's button as it takes the focus.
        for (QRadioButton* option : GameTypeOpt) {
            option->setAccessibleDescription(
                option == view ? QString::fromStdString(browser_.FiguresSentence()) : QString());
        }
    }
    const StatsView& figures = browser_.Figures();
    for (int k = 0; k < 2; ++k) {
        const bool shown = k == 0 || !figures.GrandTotal;
        const auto texts = figures.Columns[k].Rows();
        const std::array<QLabel*, 6> cells{NumGamesLbl[k], WinsLbl[k], PctLbl[k],
                                           MvsPerGmLbl[k], BestLbl[k], WrstLbl[k]};
        for (std::size_t row = 0; row < cells.size(); ++row) {
            QLabel* label = cells[row];
            label->setVisible(shown);
            if (!shown) continue;
            label->setText(QString::fromStdString(*texts[row]));
            Rename(label, QStringLiteral("%1, %2: %3")
                              .arg(QString::fromUtf8(RowCaptions[row]),
                                   QString::fromUtf8(ColumnHeader(figures, k)), label->text()));
        }
    }
    SixLabel->setVisible(!figures.GrandTotal);
    SevenLabel->setVisible(!figures.GrandTotal);
    Line3->setVisible(!figures.GrandTotal);
    TotalLabel->setVisible(figures.GrandTotal);
}

void StatsFrm::Combo1_Click() {
    browser_.Select(Combo1->currentIndex());
    Paint();
}

void StatsFrm::GameTypeOpt_Click(int index) {
    browser_.ChooseView(index);
    Paint();
}

void StatsFrm::Command1_Click() {
    accept();
}

void StatsFrm::RemPlayrBtn_Click() {
    if (browser_.DeleteSelected()) {  // the only player: the file is gone, and so is this window
        accept();
        return;
    }
    Paint();
    Command1->setFocus();
}

}  // namespace vella

// The statistics window.
#include "ui/stats_frm.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "play/modal_host.h"
#include "play/player_deletion.h"
#include "stats/stats_figures.h"
#include "stats/stats_file.h"
#include "ui/accessible_names.h"
#include "ui/dialog_style.h"
#include "ui/pictures.h"
#include "ui/text_codec.h"
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

StatsFrm::StatsFrm(const std::string& playerName, StatsFile& stats, ModalHost& host, int gameType,
                   QWidget* parent)
    : QDialog(parent), playerName_(playerName), stats_(stats), host_(host) {
    setWindowTitle(QStringLiteral("Player Stats"));
    setWindowIcon(pictures::StatsIcon());
    FixDialog(this, 7065, 3225);
    BuildControls();
    Form_Load(gameType);
    PlaceClientArea(this, 1935, 2130);
}

void StatsFrm::BuildControls() {
    Label1 = MakeLabel(this, QStringLiteral("Select Player:"), TwipsRect(240, 165, 1095, 255));
    Combo1 = new QComboBox(this);
    Combo1->setGeometry(TwipsRect(1320, 120, 1575, 315));
    SetFont(Combo1, 8.25, true);
    connect(Combo1, &QComboBox::currentIndexChanged, this, &StatsFrm::Combo1_Click);
    Combo1->setAccessibleName(QStringLiteral("Select Player"));

    RemPlayrBtn = new QPushButton(QStringLiteral("Delete Player"), this);
    RemPlayrBtn->setGeometry(TwipsRect(240, 600, 1335, 270));
    connect(RemPlayrBtn, &QPushButton::clicked, this, &StatsFrm::RemPlayrBtn_Click);

    SixLabel = MakeLabel(this, QStringLiteral("6 Colors"), TwipsRect(2160, 720, 855, 255),
                         Qt::AlignHCenter | Qt::AlignTop);
    TotalLabel = MakeLabel(this, QStringLiteral("Totals"), TwipsRect(2100, 720, 855, 255),
                           Qt::AlignHCenter | Qt::AlignTop);
    SevenLabel = MakeLabel(this, QStringLiteral("7 Colors"), TwipsRect(3240, 720, 855, 255),
                           Qt::AlignHCenter | Qt::AlignTop);
    Line2 = MakeLine(this, 2160, 960, 3000);
    Line3 = MakeLine(this, 3240, 960, 4080);

    Label2 = MakeLabel(this, QStringLiteral("Games Played"), TwipsRect(120, 1080, 1455, 255));
    Label3 = MakeLabel(this, QStringLiteral("Games Won"), TwipsRect(120, 1440, 1575, 255));
    Label4 = MakeLabel(this, QStringLiteral("Percent Games Won"), TwipsRect(120, 1800, 1695, 255));
    Label7 =
        MakeLabel(this, QStringLiteral("Average Moves Per Game"), TwipsRect(120, 2160, 2055, 255));
    Label5 = MakeLabel(this, QStringLiteral("Best Game (won)"), TwipsRect(120, 2520, 1695, 255));
    Label6 = MakeLabel(this, QStringLiteral("Worst Game (won)"), TwipsRect(120, 2880, 1455, 255));

    const std::array<std::pair<std::array<QLabel*, 2>*, int>, 6> rows{{{&NumGamesLbl, 1080},
                                                                       {&WinsLbl, 1440},
                                                                       {&PctLbl, 1800},
                                                                       {&MvsPerGmLbl, 2160},
                                                                       {&BestLbl, 2520},
                                                                       {&WrstLbl, 2880}}};
    for (const auto& [labels, top] : rows) {
        for (int k = 0; k < 2; ++k) {
            (*labels)[k] = MakeLabel(this, QStringLiteral("0"),
                                     TwipsRect(k == 0 ? 2280 : 3360, top, 615, 255));
        }
    }

    Frame1 = new QGroupBox(QStringLiteral("Select Game Type"), this);
    Frame1->setGeometry(TwipsRect(4200, 120, 2655, 2535));
    const std::array<std::pair<const char*, QRect>, 6> options{{
        {"Standard Game", TwipsRect(120, 240, 2055, 375)},
        {"Blanks Allowed", TwipsRect(120, 600, 2055, 375)},
        {"Repeats Allowed", TwipsRect(120, 960, 2295, 375)},
        {"Blanks And Repeats Allowed", TwipsRect(120, 1320, 2415, 375)},
        {"Totals For 6 && 7 Colors", TwipsRect(120, 1800, 2295, 315)},
        {"Totals For All Game Types", TwipsRect(120, 2160, 2295, 255)},
    }};
    for (int i = 0; i < 6; ++i) {
        // "&&" shows as one ampersand, not as a mnemonic.
        auto* option = new QRadioButton(QString::fromUtf8(options[i].first), Frame1);
        option->setGeometry(options[i].second);
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

void StatsFrm::Form_Load(int gameType) {
    GameTypeOpt[0]->setChecked(true);
    FillPlayerList();
    GameTypeOpt[std::clamp(gameType, 0, 3)]->setChecked(true);
    ShowStats();
}

void StatsFrm::FillPlayerList() {
    auto names = stats_.ReadNames();
    loaded_ = names.Ok();
    if (!names.Ok()) {
        ReportFailure(host_, names.Error);
        return;
    }
    names_ = std::move(names.Value);
    int selection = 0;
    const QSignalBlocker quiet(Combo1);
    for (std::size_t i = 0; i < names_.size(); ++i) {
        if (names_[i] == playerName_) selection = static_cast<int>(i);
        Combo1->addItem(FromAnsi(names_[i]));
    }
    Combo1->setCurrentIndex(Combo1->count() > 0 ? selection : -1);
}

void StatsFrm::ClearPlayerList() {
    const QSignalBlocker quiet(Combo1);
    Combo1->clear();
    names_.clear();
}

// The figures of the player selected, found by place and checked by name: where another copy
// of the program has deleted a player meanwhile, the list is read again.
void StatsFrm::ShowStats(bool relisted) {
    const int selected = Combo1->currentIndex();
    if (selected < 0 || selected >= static_cast<int>(names_.size())) return;
    const auto record = stats_.ReadPlayer(selected + 1, names_[selected]);
    if (!record.Ok()) {
        ReportFailure(host_, record.Error);
        return;
    }
    if (!record.Value) {
        if (relisted) return;
        host_.Message(
            MessageRequest{stats_.ChangedSinceListed("the list now shows them as they are.")});
        playerName_ = names_[selected];
        ClearPlayerList();
        FillPlayerList();
        ShowStats(true);
        return;
    }
    int view = 0;
    for (int i = 0; i < 6; ++i) {
        if (GameTypeOpt[i]->isChecked()) view = i;
    }
    const StatsView figures = ComputeView(*record.Value, view);
    for (int k = 0; k < 2; ++k) {
        const ColumnFigures& column = figures.Columns[k];
        const bool shown = k == 0 || !figures.GrandTotal;
        const std::array<std::pair<QLabel*, const std::string*>, 6> cells{
            {{NumGamesLbl[k], &column.Games},
             {WinsLbl[k], &column.Wins},
             {PctLbl[k], &column.Percent},
             {MvsPerGmLbl[k], &column.Average},
             {BestLbl[k], &column.Best},
             {WrstLbl[k], &column.Worst}}};
        const QString header = figures.GrandTotal ? TotalLabel->text()
                               : k == 0           ? SixLabel->text()
                                                  : SevenLabel->text();
        const std::array<QLabel*, 6> captions{Label2, Label3, Label4, Label7, Label5, Label6};
        for (std::size_t row = 0; row < cells.size(); ++row) {
            const auto& [label, text] = cells[row];
            label->setVisible(shown);
            if (!shown) continue;
            label->setText(QString::fromStdString(*text));
            Rename(label, captions[row]->text() + QStringLiteral(", ") + header +
                              QStringLiteral(": ") + label->text());
        }
    }
    SixLabel->setVisible(!figures.GrandTotal);
    SevenLabel->setVisible(!figures.GrandTotal);
    Line3->setVisible(!figures.GrandTotal);
    TotalLabel->setVisible(figures.GrandTotal);
}

void StatsFrm::Combo1_Click() {
    ShowStats();
}

void StatsFrm::GameTypeOpt_Click(int) {
    ShowStats();
}

void StatsFrm::Command1_Click() {
    accept();
}

void StatsFrm::RemPlayrBtn_Click() {
    const int selected = Combo1->currentIndex();
    if (selected < 0) return;
    if (selected >= static_cast<int>(names_.size())) return;
    switch (DeletePlayer(host_, stats_, selected + 1, names_[selected])) {
        case Deletion::FileGone:  // the only player: the file is gone, and so is this window
            accept();
            return;
        case Deletion::Deleted:
            ClearPlayerList();
            FillPlayerList();
            ShowStats();
            break;
        case Deletion::Kept:
        case Deletion::Failed:
            break;
    }
    Command1->setFocus();
}

}  // namespace vella

// The statistics window.
#include "ui/statistics_dialog.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <tuple>

#include "play/captions.h"
#include "play/stats_browser.h"
#include "ui/accessible_names.h"
#include "ui/dialog_style.h"
#include "ui/language.h"
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
QFrame* MakeLine(QWidget* parent, const Layout& layout, int x1, int y, int x2) {
    auto* line = new QFrame(parent);
    line->setFrameStyle(QFrame::HLine | QFrame::Plain);
    line->setLineWidth(1);
    line->setGeometry(layout.Px(x1), layout.Px(y), layout.Px(x2) - layout.Px(x1) + 1, 1);
    return line;
}

// Shows `text` whole in `label`: wider than designed where it needs to be, up to `room` pixels
// from its left edge, and beyond that (a count of many millions, or a damaged file's) in a
// smaller font.
void ShowWhole(QLabel* label, const QString& text, int designedWidth, int room) {
    label->setFont(QFont());  // the window's
    label->setText(text);
    QFont font = label->font();
    while (label->fontMetrics().horizontalAdvance(text) > room && font.pointSizeF() > 4) {
        font.setPointSizeF(font.pointSizeF() - 0.25);
        label->setFont(font);
    }
    label->resize(std::clamp(label->fontMetrics().horizontalAdvance(text), designedWidth, room),
                  label->height());
}

}  // namespace

StatisticsDialog::StatisticsDialog(StatsBrowser& browser, const Layout& layout, QWidget* parent)
    : QDialog(parent), browser_(browser), layout_(layout) {
    setWindowTitle(Caption(StatisticsTitle));
    setWindowIcon(Pictures::StatsIcon());
    FixDialog(this, layout, 7065, 3225);
    BuildControls();
    Paint();
    ShowCaptionsWhole(this);
    PlaceClientArea(this, layout, 1935, 2130);
}

void StatisticsDialog::BuildControls() {
    playerPrompt = MakeLabel(this, Caption(SelectPlayerCaption), layout_.Rect(240, 165, 1095, 255));
    // Named by the player shown.
    playerBox = new NamedComboBox(this, [](const QComboBox& box) { return box.currentText(); });
    playerBox->setGeometry(layout_.Rect(1320, 120, 1575, 315));
    SetFont(playerBox, layout_, 8.25, true);
    connect(playerBox, &QComboBox::currentIndexChanged, this, &StatisticsDialog::onPlayerChosen);
    playerBox->setAccessibleDescription(Caption(SelectPlayerDescription));

    deleteButton = new QPushButton(Caption(DeletePlayerCaption), this);
    deleteButton->setGeometry(layout_.Rect(240, 600, 1335, 270));
    connect(deleteButton, &QPushButton::clicked, this, &StatisticsDialog::onDeletePlayer);

    const auto header = [this](const std::string& text, int left) {
        return MakeLabel(this, QString::fromStdString(text), layout_.Rect(left, 720, 855, 255),
                         Qt::AlignHCenter | Qt::AlignTop);
    };
    const StatsView columns{}, total{true, {}};
    sixColorsHeader = header(ColumnHeader(columns, 0), 2160);
    sevenColorsHeader = header(ColumnHeader(columns, 1), 3240);
    totalHeader = header(ColumnHeader(total, 0), 2100);
    sixColorsRule = MakeLine(this, layout_, 2160, 960, 3000);
    sevenColorsRule = MakeLine(this, layout_, 3240, 960, 4080);

    // Each row: its caption, its width, and a figure under each column header.
    const std::array<std::tuple<QLabel**, int, std::array<QLabel*, 2>*>, 6> rows{
        {{&gamesCaption, 1455, &gamesFigures},
         {&winsCaption, 1575, &winsFigures},
         {&percentCaption, 1695, &percentFigures},
         {&movesCaption, 2055, &movesFigures},
         {&bestCaption, 1695, &bestFigures},
         {&worstCaption, 1455, &worstFigures}}};
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const auto& [caption, width, figures] = rows[row];
        const int top = 1080 + 360 * static_cast<int>(row);
        *caption = MakeLabel(this, Caption(RowCaptions[row]), layout_.Rect(120, top, width, 255));
        for (int k = 0; k < 2; ++k) {
            (*figures)[k] = MakeLabel(this, QStringLiteral("0"),
                                      layout_.Rect(k == 0 ? 2280 : 3360, top, 615, 255));
        }
        // Each figure's name says its row and column, and a screen reader reads the figures as
        // the window opens: the caption, a name of no words, is not read again on its own.
        (*caption)->setAccessibleName(QStringLiteral(" "));
    }

    BuildViewChoice();

    coolButton = new QPushButton(Caption(CoolCaption), this);
    coolButton->setGeometry(layout_.Rect(4200, 2760, 2655, 375));
    coolButton->setDefault(true);
    connect(coolButton, &QPushButton::clicked, this, &StatisticsDialog::onCool);
    setTabOrder(playerBox, deleteButton);
}

// The six views to choose from: each game type, each colour count, and everything.
void StatisticsDialog::BuildViewChoice() {
    viewGroup = new QGroupBox(Caption(ViewChoiceCaption), this);
    viewGroup->setGeometry(layout_.Rect(4200, 120, 2655, 2535));
    const std::array<QRect, ViewNames.size()> places{
        layout_.Rect(120, 240, 2055, 375),  layout_.Rect(120, 600, 2055, 375),
        layout_.Rect(120, 960, 2295, 375),  layout_.Rect(120, 1320, 2415, 375),
        layout_.Rect(120, 1800, 2295, 315), layout_.Rect(120, 2160, 2295, 255)};
    for (int i = 0; i < 6; ++i) {
        // "&&" shows as one ampersand, not as a mnemonic.
        auto* option = new QRadioButton(
            Caption(ViewNames[i]).replace(QLatin1Char('&'), QStringLiteral("&&")), viewGroup);
        option->setGeometry(places[i]);
        connect(option, &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) onViewChosen(i);
        });
        viewButtons[i] = option;
    }
    viewRule = MakeLine(viewGroup, layout_, 240, 1740, 2400);
}

void StatisticsDialog::Paint() {
    QStringList players;
    for (const PlayerName& name : browser_.Players())
        players << QString::fromStdString(name.Text());
    {
        const QSignalBlocker quiet(playerBox);
        QStringList listed;
        for (int i = 0; i < playerBox->count(); ++i) listed << playerBox->itemText(i);
        if (listed != players) {
            playerBox->clear();
            playerBox->addItems(players);
            // Wider where a name needs it, up to the views' frame.
            FitToEntries(playerBox, layout_.Rect(1320, 120, 1575, 315), layout_.Px(4080));
        }
        playerBox->setCurrentIndex(browser_.Selected());
        QRadioButton* view = viewButtons[browser_.View()];
        const QSignalBlocker still(view);
        view->setChecked(true);
        // A screen reader reads the figures with the view's button as it takes the focus.
        for (QRadioButton* option : viewButtons) {
            option->setAccessibleDescription(
                option == view ? QString::fromStdString(browser_.FiguresSentence()) : QString());
        }
    }
    const StatsView& figures = browser_.Figures();
    for (int k = 0; k < 2; ++k) {
        const bool shown = k == 0 || !figures.GrandTotal;
        const auto texts = figures.Columns[k].Rows();
        const std::array<QLabel*, 6> cells{gamesFigures[k], winsFigures[k], percentFigures[k],
                                           movesFigures[k], bestFigures[k], worstFigures[k]};
        for (std::size_t row = 0; row < cells.size(); ++row) {
            QLabel* label = cells[row];
            label->setVisible(shown);
            if (!shown) continue;
            // Each figure has the room up to the next column, or to the views' frame.
            const int end = k == 0 && !figures.GrandTotal ? 3300 : 4140;
            ShowWhole(label, QString::fromStdString(*texts[row]), layout_.Px(615),
                      layout_.Px(end) - label->x());
            Rename(label, QString::fromStdString(browser_.FigureName(static_cast<int>(row), k)));
        }
    }
    sixColorsHeader->setVisible(!figures.GrandTotal);
    sevenColorsHeader->setVisible(!figures.GrandTotal);
    sevenColorsRule->setVisible(!figures.GrandTotal);
    totalHeader->setVisible(figures.GrandTotal);
}

void StatisticsDialog::onPlayerChosen() {
    browser_.Select(playerBox->currentIndex());
    Paint();
}

void StatisticsDialog::onViewChosen(int index) {
    browser_.ChooseView(index);
    Paint();
}

void StatisticsDialog::onCool() {
    accept();
}

void StatisticsDialog::onDeletePlayer() {
    if (browser_.DeleteSelected()) {  // the only player: the file is gone, and so is this window
        accept();
        return;
    }
    Paint();
    coolButton->setFocus();
}

}  // namespace vella

#include "ui/BetPage.h"

#include "app/BetCommands.h"
#include "app/CommandBoundary.h"
#include "app/Session.h"
#include "app/VotingFile.h"
#include "ui/BetGridView.h"
#include "ui/DisplayFonts.h"
#include "ui/QtText.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

#include <string_view>

namespace zefa {
namespace {

struct BetTab {
    BetType type;
    std::string_view caption;
    const char* grid;
};

// By BetType order, which is also the order of the tabs.
constexpr std::array<BetTab, 8> kBetTabs{{
    {BetType::Win, "単勝", "StringGrid3"},
    {BetType::Place, "複勝", "StringGrid5"},
    {BetType::BracketQuinella, "枠連", "StringGrid28"},
    {BetType::Quinella, "馬連", "StringGrid30"},
    {BetType::Wide, "ワイド", "StringGrid31"},
    {BetType::Exacta, "馬単", "StringGrid32"},
    {BetType::Trio, "三連複", "StringGrid33"},
    {BetType::Trifecta, "三連単", "StringGrid34"},
}};

struct SummaryColumn {
    std::string_view heading;
    const char* name; // the label's name after the bet type's prefix
};

// By SummaryLabel order.
constexpr std::array<SummaryColumn, kSummaryLabels> kSummaryColumns{{
    {"点数", "Tensu"},
    {"投票金額", "TohyoKingaku"},
    {"予想回収率", "YosoKaishuritsu"},
    {"回収金額", "KaishuKingaku"},
    {"勝負期待度", "ShobuKitaido"},
}};

constexpr std::array<std::string_view, 4> kHaibunItems{"均等", "比例", "均一", "期配"};
constexpr int kHaibunColumns = 2;
constexpr int kAmountDigits = 6;
constexpr int kSummaryLabelWidth = 70;

void paintLabel(QLabel* label, const BetLabel& content, Rgb background) {
    label->setText(qtText(content.text));
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, qtColour(background));
    palette.setColor(QPalette::WindowText, qtColour(content.colour));
    label->setPalette(palette);
}

std::string_view payoutOnShow(const Session& session) {
    const int slot = session.selectedRaceSlot;
    return slot >= 0 && slot < kRaceSlots ? std::string_view(session.store.slot(slot).payout) : std::string_view();
}

} // namespace

BetPage::BetPage(Session& session, QWidget* parent) : QWidget(parent), session_(session) {
    auto* top = new QHBoxLayout;
    top->addWidget(buildControls());
    top->addWidget(buildSummary());
    top->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addLayout(top);
    layout->addWidget(buildGrids(), 1);
    refresh();
}

QWidget* BetPage::buildControls() {
    auto* amount = new QHBoxLayout;
    amount->addWidget(new QLabel(qtText("入力投票金額")));
    SaNumEditExC1 = new QLineEdit;
    SaNumEditExC1->setObjectName("SaNumEditExC1");
    SaNumEditExC1->setMaxLength(kAmountDigits);
    SaNumEditExC1->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,%1}").arg(kAmountDigits)), this));
    SaNumEditExC1->setAlignment(Qt::AlignRight);
    SaNumEditExC1->setFixedWidth(70);
    connect(SaNumEditExC1, &QLineEdit::textEdited, this, [this](const QString& text) {
        runCommand(session_.port, [&] { saNumEditExC1Change(session_, coreText(text)); });
        showLists();
    });
    amount->addWidget(SaNumEditExC1);
    amount->addWidget(new QLabel(qtText("円")));

    auto* group = new QGroupBox(qtText("資金配分"));
    group->setObjectName("RadioGroup1");
    auto* items = new QGridLayout(group);
    items->setContentsMargins(4, 2, 4, 2);
    RadioGroup1 = new QButtonGroup(this);
    // Items run down the first column, then the second.
    const int perColumn = (int(kHaibunItems.size()) + kHaibunColumns - 1) / kHaibunColumns;
    for (int i = 0; i < int(kHaibunItems.size()); ++i) {
        auto* item = new QRadioButton(qtText(kHaibunItems[size_t(i)]));
        RadioGroup1->addButton(item, i);
        items->addWidget(item, i % perColumn, i / perColumn);
    }
    connect(RadioGroup1, &QButtonGroup::idClicked, this, [this](int mode) {
        runCommand(session_.port, [&] { radioGroup1Click(session_, mode); });
        showLists();
    });

    auto* vote = new QPushButton(qtText("ZPC2投票"));
    vote->setObjectName("TohyoCSVBtn");
    vote->setToolTip(qtText("ZPC投票プラグイン２経由で投票します"));
    vote->setStatusTip(vote->toolTip());
    connect(vote, &QPushButton::clicked, this, [this] {
        const int tab = PageControl4->currentIndex();
        if (tab < 0) return;
        runCommand(session_.port, [&] { tohyoCSVBtnClick(session_, kBetTabs[size_t(tab)].type); });
    });

    auto* controls = new QVBoxLayout;
    controls->setContentsMargins(0, 0, 0, 0);
    controls->addLayout(amount);
    controls->addWidget(group);
    controls->addWidget(vote);
    controls->addStretch(1);
    auto* result = new QWidget;
    result->setLayout(controls);
    return result;
}

QWidget* BetPage::buildSummary() {
    auto* labels = new QGridLayout;
    labels->setContentsMargins(0, 0, 0, 0);
    labels->setHorizontalSpacing(2);
    labels->setVerticalSpacing(1);
    for (size_t c = 0; c < kSummaryColumns.size(); ++c)
        labels->addWidget(new QLabel(qtText(kSummaryColumns[c].heading)), 0, int(c) + 1, Qt::AlignCenter);
    for (const BetTab& tab : kBetTabs) {
        const int row = int(tab.type) + 1;
        labels->addWidget(new QLabel(qtText(tab.caption)), row, 0);
        for (size_t c = 0; c < kSummaryColumns.size(); ++c) {
            auto* label = new QLabel;
            label->setObjectName(QString::fromLatin1(betTypeRow(tab.type).prefix.data(),
                                                     qsizetype(betTypeRow(tab.type).prefix.size())) +
                                 kSummaryColumns[c].name);
            label->setAutoFillBackground(true);
            label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            label->setMinimumWidth(kSummaryLabelWidth);
            summary_[size_t(tab.type)][c] = label;
            labels->addWidget(label, row, int(c) + 1);
        }
    }
    auto* result = new QWidget;
    result->setLayout(labels);
    return result;
}

QTabWidget* BetPage::buildGrids() {
    PageControl4 = new QTabWidget;
    PageControl4->setObjectName("PageControl4");
    for (const BetTab& tab : kBetTabs) {
        auto* grid = new BetGridView(tab.type);
        grid->setObjectName(tab.grid);
        const BetType type = tab.type;
        grid->onClick = [this, type](int row, int column) {
            runCommand(session_.port, [&] { betGridClick(session_, type, row, column); });
            showList(type);
            paintSummary();
        };
        grid->onHeaderPress = [this, type](int column) {
            runCommand(session_.port, [&] { betGridHeaderClick(session_, type, column); });
            showList(type);
        };
        grids_[size_t(type)] = grid;
        PageControl4->addTab(grid, qtText(tab.caption));
    }
    connect(PageControl4, &QTabWidget::currentChanged, this, [this] { paintSummary(); }); // PageControl4Change
    return PageControl4;
}

void BetPage::refresh() {
    const QString amount = QString::number(session_.kaimeAmount);
    if (SaNumEditExC1->text() != amount) SaNumEditExC1->setText(amount);
    if (QAbstractButton* item = RadioGroup1->button(session_.haibunSet)) item->setChecked(true);
    showLists();
}

void BetPage::showLists() {
    for (const BetTab& tab : kBetTabs) showList(tab.type);
    paintSummary();
}

void BetPage::showList(BetType type) {
    grids_[size_t(type)]->showList(session_.betLists[size_t(type)], payoutOnShow(session_));
}

void BetPage::paintSummary() {
    const int showing = PageControl4->currentIndex();
    for (const BetTab& tab : kBetTabs) {
        const Rgb background = int(tab.type) == showing ? kSummaryLabelActiveBackground : kSummaryLabelBackground;
        const auto& labels = session_.betLists[size_t(tab.type)].labels;
        for (size_t c = 0; c < kSummaryLabels; ++c) paintLabel(summary_[size_t(tab.type)][c], labels[c], background);
    }
}

} // namespace zefa

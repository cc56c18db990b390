#include "ui/TKaimeSetInputForm.h"

#include "app/CommandBoundary.h"
#include "app/Session.h"
#include "app/UserPort.h"
#include "app/UserRuleCommands.h"
#include "bets/UserRules.h"
#include "ui/QtText.h"
#include "ui/TUserFileMaintainForm.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zefa {
namespace {

constexpr std::array<std::string_view, 4> kCountCaptions{"上", "前", "後", "人"};
constexpr std::array<const char*, 4> kEvaluationNames{"Hup", "Hb4", "Hrr", "Hnn"};
constexpr std::array<const char*, 4> kPlaceNames{"Fup", "Fb4", "Frr", "Fnn"};
constexpr int kRowHeight = 18;
constexpr int kGridFontPixels = 12;

// Windows colour values hold red in the low byte and blue in the high one.
QColor windowsColor(int value) { return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF); }

QLabel* caption(std::string_view text) { return new QLabel(qtText(text)); }

} // namespace

TKaimeSetInputForm::TKaimeSetInputForm(Session& session, QWidget* parent) : QDialog(parent), session_(session) {
    setWindowTitle(qtText("買い目抽出ユーザー設定"));

    std::vector<std::string> venueNames;
    for (int i = 0; i < kRuleVenues; ++i) venueNames.push_back(ruleVenueName(i));
    const std::vector<std::string_view> venueTexts(venueNames.begin(), venueNames.end());
    VenueList = list("VenueList", venueTexts);
    CourseList = list("CourseList", kCourseCategories);
    PositionList = list("PositionList", kPositionPatterns);
    FJikuList = list("FJikuList", kFJikuPatterns);
    const RuleInput start;
    for (size_t i = 0; i < Hcounts.size(); ++i) Hcounts[i] = countField(kEvaluationNames[i], start.evaluation[i], i == kByOdds);
    for (size_t i = 0; i < Fcounts.size(); ++i) Fcounts[i] = countField(kPlaceNames[i], start.place[i], i == kByOdds);
    CommentEdit = new QLineEdit;
    CommentEdit->setObjectName("CommentEdit");
    CommentEdit->setMaxLength(int(kRuleCommentBytes));
    auto* record = new QPushButton(qtText("記録"));
    record->setObjectName("RecordButton");
    auto* files = new QPushButton(qtText("設定ﾌｧｲﾙ管理"));
    files->setObjectName("FileButton");
    for (QPushButton* button : {record, files}) button->setAutoDefault(false);

    RuleGrid = new QTableWidget(0, int(kRuleGridColumns.size()));
    RuleGrid->setObjectName("RuleGrid");
    RuleGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    RuleGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    RuleGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    RuleGrid->verticalHeader()->hide();
    RuleGrid->setWordWrap(false);
    RuleGrid->setTextElideMode(Qt::ElideNone);
    QFont small = RuleGrid->font();
    small.setPixelSize(kGridFontPixels);
    RuleGrid->setFont(small);
    RuleGrid->horizontalHeader()->setFont(small);
    RuleGrid->verticalHeader()->setDefaultSectionSize(kRowHeight);
    RuleGrid->horizontalHeader()->setHighlightSections(false);
    const QColor header = windowsColor(kRuleGridHeaderColour);
    RuleGrid->horizontalHeader()->setStyleSheet(QString("QHeaderView::section { background-color: %1; border: 1px solid gray; }")
                                                    .arg(header.name()));
    RuleGrid->setStyleSheet(QString("QTableWidget::item { padding-top: %1px; }").arg(kRuleGridTextTop));
    for (size_t c = 0; c < kRuleGridColumns.size(); ++c) {
        RuleGrid->setHorizontalHeaderItem(int(c), new QTableWidgetItem(qtText(kRuleGridColumns[c].header)));
        RuleGrid->setColumnWidth(int(c), kRuleGridColumns[c].width);
    }
    RuleGrid->setContextMenuPolicy(Qt::CustomContextMenu);

    auto* keys = new QHBoxLayout;
    for (const auto& [text, box] : {std::pair{"場所", VenueList}, {"コース", CourseList}, {"位置", PositionList}}) {
        keys->addWidget(caption(text));
        keys->addWidget(box);
    }
    keys->addStretch();

    auto* counts = new QGridLayout;
    counts->addWidget(caption("評価馬ﾓｰﾄﾞ"), 1, 0);
    counts->addWidget(caption("複勝軸"), 0, 6);
    counts->addWidget(FJikuList, 1, 6);
    counts->addWidget(caption("複勝馬ﾓｰﾄﾞ"), 1, 7);
    for (size_t i = 0; i < kCountCaptions.size(); ++i) {
        counts->addWidget(caption(kCountCaptions[i]), 0, int(1 + i), Qt::AlignHCenter);
        counts->addWidget(Hcounts[i], 1, int(1 + i));
        counts->addWidget(caption(kCountCaptions[i]), 0, int(8 + i), Qt::AlignHCenter);
        counts->addWidget(Fcounts[i], 1, int(8 + i));
    }
    counts->setColumnMinimumWidth(5, 16);
    counts->setColumnStretch(12, 1);

    auto* comment = new QHBoxLayout;
    comment->addWidget(caption("コメント"));
    comment->addWidget(CommentEdit, 1);
    comment->addWidget(record);
    comment->addWidget(files);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(keys);
    layout->addLayout(counts);
    layout->addLayout(comment);
    layout->addWidget(RuleGrid, 1);

    // Enter moves on through the controls in this order; the buttons keep Enter for pressing.
    std::vector<QWidget*> order{VenueList, CourseList, PositionList};
    order.insert(order.end(), Hcounts.begin(), Hcounts.end());
    order.push_back(FJikuList);
    order.insert(order.end(), Fcounts.begin(), Fcounts.end());
    order.insert(order.end(), {CommentEdit, record, files, RuleGrid});
    for (size_t i = 0; i + 1 < order.size(); ++i) setTabOrder(order[i], order[i + 1]);
    for (QWidget* control : order)
        if (control != record && control != files) control->installEventFilter(this);

    for (size_t i = 0; i < kByOdds; ++i) {
        connect(Hcounts[i], &QSpinBox::valueChanged, this, &TKaimeSetInputForm::evaluationChanged);
        connect(Fcounts[i], &QSpinBox::valueChanged, this, &TKaimeSetInputForm::placeChanged);
    }
    connect(FJikuList, &QComboBox::currentIndexChanged, this, &TKaimeSetInputForm::fJikuChanged);
    connect(record, &QPushButton::clicked, this, &TKaimeSetInputForm::recordClick);
    connect(files, &QPushButton::clicked, this, &TKaimeSetInputForm::fileButtonClick);
    connect(RuleGrid, &QTableWidget::cellPressed, this, [this](int row, int) { rowPressed(row); });
    connect(RuleGrid, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QMenu menu;
        QAction* remove = menu.addAction(qtText("削除"));
        remove->setEnabled(pressedRow_ >= 0);
        connect(remove, &QAction::triggered, this, &TKaimeSetInputForm::deleteClick);
        menu.exec(RuleGrid->viewport()->mapToGlobal(at));
    });

    refillGrid();
    resize(640, 560);
}

QComboBox* TKaimeSetInputForm::list(const char* name, std::span<const std::string_view> texts) {
    auto* box = new QComboBox;
    box->setObjectName(name);
    for (const auto text : texts) box->addItem(qtText(text));
    box->setCurrentIndex(-1);
    return box;
}

QSpinBox* TKaimeSetInputForm::countField(const char* name, int start, bool automatic) {
    auto* field = new QSpinBox;
    field->setObjectName(name);
    field->setRange(0, 9);
    field->setValue(start);
    field->setReadOnly(automatic);
    if (automatic) {
        field->setButtonSymbols(QAbstractSpinBox::NoButtons);
        field->setFocusPolicy(Qt::NoFocus);
    }
    return field;
}

RuleInput TKaimeSetInputForm::input() const {
    const auto chosen = [](const QComboBox* box) {
        return box->currentIndex() < 0 ? std::nullopt : std::optional<int>(box->currentIndex());
    };
    RuleInput in;
    in.venue = chosen(VenueList);
    in.course = chosen(CourseList);
    in.position = chosen(PositionList);
    in.fJiku = chosen(FJikuList);
    for (size_t i = 0; i < Hcounts.size(); ++i) {
        in.evaluation[i] = Hcounts[i]->value();
        in.place[i] = Fcounts[i]->value();
    }
    in.comment = coreText(CommentEdit->text());
    return in;
}

void TKaimeSetInputForm::showInput(const RuleInput& in) {
    // Shown as a whole: the automatic fields take the values given, not ones of their own.
    showingInput_ = true;
    const auto choose = [](QComboBox* box, std::optional<int> index) { box->setCurrentIndex(index.value_or(-1)); };
    choose(VenueList, in.venue);
    choose(CourseList, in.course);
    choose(PositionList, in.position);
    choose(FJikuList, in.fJiku);
    for (size_t i = 0; i < Hcounts.size(); ++i) {
        Hcounts[i]->setValue(in.evaluation[i]);
        Fcounts[i]->setValue(in.place[i]);
    }
    CommentEdit->setText(qtText(in.comment));
    CommentEdit->setCursorPosition(0);
    showingInput_ = false;
}

void TKaimeSetInputForm::evaluationChanged() {
    if (showingInput_) return;
    RuleInput in = input();
    evaluationCountChanged(in);
    Hcounts[kByOdds]->setValue(in.evaluation[kByOdds]);
}

void TKaimeSetInputForm::placeChanged() {
    if (showingInput_) return;
    RuleInput in = input();
    placeCountChanged(in, session_.port);
    Fcounts[kByOdds]->setValue(in.place[kByOdds]);
}

void TKaimeSetInputForm::fJikuChanged() {
    if (showingInput_) return;
    RuleInput in = input();
    zefa::fJikuChanged(in);
    Fcounts[kByOdds]->setValue(in.place[kByOdds]);
}

void TKaimeSetInputForm::recordClick() {
    const RuleInput in = input();
    runCommand(session_.port, [&] { recordUserRule(session_.userRules, in, session_.folder.userRuleFile(), session_.port); });
    refillGrid();
}

void TKaimeSetInputForm::deleteClick() {
    if (pressedRow_ < 0 || pressedRow_ >= int(rows_.size())) return;
    const RuleGridRow row = rows_[size_t(pressedRow_)];
    bool deleted = false;
    runCommand(session_.port,
               [&] { deleted = deleteUserRule(session_.userRules, row, session_.folder.userRuleFile(), session_.port); });
    if (deleted) pressedRow_ = -1;
    refillGrid();
}

void TKaimeSetInputForm::fileButtonClick() {
    TUserFileMaintainForm(session_, this).exec();
    refillGrid();
}

void TKaimeSetInputForm::rowPressed(int row) {
    if (row < 0 || row >= int(rows_.size())) return;
    pressedRow_ = row;
    showInput(ruleInputOfRow(rows_[size_t(row)]));
}

void TKaimeSetInputForm::refillGrid() {
    rows_ = ruleGridRows(session_.userRules);
    RuleGrid->setRowCount(int(rows_.size()));
    for (size_t r = 0; r < rows_.size(); ++r) {
        for (size_t c = 0; c < kRuleGridColumns.size(); ++c) {
            const RuleGridColumn& column = kRuleGridColumns[c];
            auto* item = new QTableWidgetItem(qtText(rows_[r].cells[c]));
            item->setBackground(windowsColor(column.colour));
            item->setTextAlignment(Qt::AlignTop | (column.leftAligned ? Qt::AlignLeft : Qt::AlignHCenter));
            RuleGrid->setItem(int(r), int(c), item);
        }
    }
}

void TKaimeSetInputForm::done(int result) {
    runCommand(session_.port, [&] { kaimeSetInputFormClose(session_); });
    QDialog::done(result);
}

bool TKaimeSetInputForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            focusNextChild();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace zefa

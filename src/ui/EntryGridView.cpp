#include "ui/EntryGridView.h"

#include "display/DisplayColours.h"
#include "ui/DisplayFonts.h"
#include "ui/QtText.h"

#include <QButtonGroup>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <span>

namespace zefa {
namespace {

constexpr int kCellRole = Qt::UserRole + 1; // the EntryCell of a data cell, by its address
constexpr int kPadding = 2;
constexpr int kCaptionSize = 8;

// Paints an EntryCell: its background, its texts where the model places them, its separator.
class EntryCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const auto* cell = static_cast<const EntryCell*>(index.data(kCellRole).value<const void*>());
        if (!cell) return QStyledItemDelegate::paint(painter, option, index);
        const QRect rect = option.rect;
        painter->save();
        painter->fillRect(rect, qtColour(cell->background));
        const int lineHeight = rect.height() / kEntryLines;
        for (const EntryText& text : cell->texts) {
            painter->setFont(displayFont(text.pointSize, text.bold));
            painter->setPen(qtColour(text.colour));
            const QString shown = qtText(text.text);
            if (text.placement == Placement::Centre) {
                painter->drawText(rect, Qt::AlignCenter, shown);
                continue;
            }
            const QRect line(rect.left() + kPadding, rect.top() + (text.line - 1) * lineHeight, rect.width() - 2 * kPadding,
                             lineHeight);
            QRect place = line;
            if (text.placement == Placement::Left) place.setLeft(rect.left() + kPadding + text.x);
            if (text.placement == Placement::FromRight) place.setLeft(rect.right() - text.x);
            const Qt::Alignment horizontal = text.placement == Placement::RightEdge ? Qt::AlignRight : Qt::AlignLeft;
            painter->drawText(place, horizontal | Qt::AlignVCenter | Qt::TextDontClip, shown);
        }
        if (cell->separator) {
            painter->setPen(Qt::black);
            painter->drawLine(rect.bottomLeft(), rect.bottomRight());
        }
        painter->restore();
    }
};

QButtonGroup* filterButtons(QWidget* owner, QHBoxLayout* layout, std::span<const std::string_view> captions) {
    auto* group = new QButtonGroup(owner);
    for (int i = 0; i < int(captions.size()); ++i) {
        auto* button = new QToolButton;
        button->setText(qtText(captions[size_t(i)]));
        button->setCheckable(true);
        group->addButton(button, i);
        layout->addWidget(button);
    }
    group->button(0)->setChecked(true);
    return group;
}

} // namespace

EntryGridView::EntryGridView(QWidget* parent) : QWidget(parent) {
    auto* filters = new QHBoxLayout;
    filters->addWidget(new QLabel(qtText("馬場選択")));
    surfaceButtons_ = filterButtons(this, filters, kSurfaceFilterCaptions);
    filters->addWidget(new QLabel(qtText("距離選択")));
    distanceButtons_ = filterButtons(this, filters, kDistanceFilterCaptions);
    filters->addStretch(1);
    for (QButtonGroup* group : {surfaceButtons_, distanceButtons_})
        connect(group, &QButtonGroup::idClicked, this, [this] { refill(); });
    auto* filterPanel = new QFrame;
    filterPanel->setObjectName("FilterPanel");
    filterPanel->setLayout(filters);

    table_ = new QTableWidget(this);
    table_->setObjectName("StringGrid2");
    table_->setItemDelegate(new EntryCellDelegate(table_));
    table_->setShowGrid(true);
    table_->horizontalHeader()->hide();
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setMinimumSectionSize(1);
    table_->verticalHeader()->setDefaultSectionSize(kEntryRowHeight);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setColumnCount(kEntryColumns);
    for (int c = 0; c < kEntryColumns; ++c) {
        table_->setColumnWidth(c, kEntryWidths[size_t(c)]);
        table_->setColumnHidden(c, kEntryWidths[size_t(c)] == 0);
    }
    table_->viewport()->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(filterPanel);
    layout->addWidget(table_, 1);
}

EntryFilters EntryGridView::filters() const {
    return {SurfaceFilter(surfaceButtons_->checkedId()), DistanceFilter(distanceButtons_->checkedId())};
}

void EntryGridView::showGrid(Builder build) {
    build_ = std::move(build);
    refill();
}

void EntryGridView::refill() {
    grid_ = build_ ? build_(filters()) : EntryGrid{};
    table_->clearContents();
    table_->setRowCount(int(grid_.rows.size()) + 1);
    table_->setRowHeight(0, kEntryHeaderHeight);
    for (int c = 0; c < kEntryColumns; ++c) {
        auto* caption = new QTableWidgetItem(qtText(kEntryCaptions[size_t(c)]));
        caption->setFont(displayFont(kCaptionSize));
        caption->setTextAlignment(Qt::AlignCenter);
        caption->setBackground(qtColour(colour::kHeaderGreen));
        table_->setItem(0, c, caption);
    }
    for (int r = 0; r < int(grid_.rows.size()); ++r) {
        for (int c = 0; c < kEntryColumns; ++c) {
            auto* item = new QTableWidgetItem;
            item->setData(kCellRole, QVariant::fromValue(static_cast<const void*>(&grid_.rows[size_t(r)].cells[size_t(c)])));
            table_->setItem(r + 1, c, item);
        }
    }
}

bool EntryGridView::eventFilter(QObject* watched, QEvent* event) {
    if (watched != table_->viewport() || event->type() != QEvent::MouseButtonPress) return QWidget::eventFilter(watched, event);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const int row = table_->rowAt(int(mouse->position().y()));
    if (row < 1 || row > int(grid_.rows.size())) return false;
    const RunnerPopup runner = grid_.rows[size_t(row - 1)].popup;
    emit runnerPressed(runner);
    if (mouse->button() != Qt::RightButton) return false;
    QMenu menu(this);
    menu.setObjectName("PopupMenu1");
    const std::pair<RunnerMenuItem, const std::string*> items[] = {
        {RunnerMenuItem::Track, &runner.R1}, {RunnerMenuItem::Horse, &runner.UmaMenu},
        {RunnerMenuItem::Jockey, &runner.KishuMenu}, {RunnerMenuItem::Trainer, &runner.ChokMenu}};
    for (const auto& [choice, caption] : items) {
        QAction* action = menu.addAction(qtText(*caption));
        connect(action, &QAction::triggered, this, [this, choice, runner] { emit runnerMenuChosen(choice, runner); });
        if (choice == RunnerMenuItem::Track) menu.addSeparator();
    }
    menu.exec(mouse->globalPosition().toPoint());
    return true;
}

} // namespace zefa

#include "ui/IndexTableView.h"

#include "display/DisplayColours.h"
#include "ui/DisplayFonts.h"
#include "ui/QtText.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace zefa {
namespace {

constexpr int kRestLineRole = Qt::UserRole + 1;
constexpr int kRestLineWidth = 3;
constexpr int kTextSize = 8;

// Paints the cell, then the blue line of a run after a long rest.
class RestLineDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyledItemDelegate::paint(painter, option, index);
        if (index.data(kRestLineRole).toBool())
            painter->fillRect(QRect(option.rect.left(), option.rect.top(), kRestLineWidth, option.rect.height()), Qt::blue);
    }
};

QTableWidgetItem* item(const QString& text, Rgb background, Rgb colour, bool bold, Qt::Alignment alignment) {
    auto* result = new QTableWidgetItem(text);
    result->setBackground(qtColour(background));
    result->setForeground(qtColour(colour));
    result->setFont(displayFont(kTextSize, bold));
    result->setTextAlignment(alignment | Qt::AlignVCenter);
    result->setFlags(Qt::ItemIsEnabled);
    return result;
}

} // namespace

IndexTableView::IndexTableView(QWidget* parent) : QWidget(parent) {
    auto* buttons = new QHBoxLayout;
    auto* sortBox = new QGroupBox(qtText("並べ替え"));
    auto* sortLayout = new QHBoxLayout(sortBox);
    sortLayout->setContentsMargins(4, 2, 4, 2);
    sortButtons_ = new QButtonGroup(this);
    for (const IndexSortRow& row : kIndexSorts) {
        auto* button = new QToolButton;
        button->setText(qtText(row.caption));
        button->setCheckable(true);
        sortButtons_->addButton(button, int(row.sort));
        sortLayout->addWidget(button);
    }
    sortButtons_->button(int(IndexSort::HorseNumber))->setChecked(true);
    connect(sortButtons_, &QButtonGroup::idClicked, this, [this](int id) { sortBy(IndexSort(id)); });
    buttons->addWidget(sortBox);

    auto* copy = new QToolButton;
    copy->setObjectName("ClipBtn1");
    copy->setText(qtText("ｸﾘｯﾌﾟﾎﾞｰﾄﾞへｺﾋﾟｰ"));
    copy->setToolTip(qtText("指数表の内容をｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰします"));
    connect(copy, &QToolButton::clicked, this, [this] { emit copyRequested(qtText(indexTableCopyText(header_, table_))); });
    buttons->addWidget(copy);
    buttons->addStretch(1);

    grid_ = new QTableWidget(this);
    grid_->setObjectName("StringGrid26");
    grid_->setItemDelegate(new RestLineDelegate(grid_));
    grid_->horizontalHeader()->hide();
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setMinimumSectionSize(1);
    grid_->verticalHeader()->setDefaultSectionSize(kIndexRowHeight);
    grid_->setSelectionMode(QAbstractItemView::NoSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setColumnCount(kIndexColumns);
    for (int c = 0; c < kIndexColumns; ++c) {
        grid_->setColumnWidth(c, kIndexWidths[size_t(c)]);
        grid_->setColumnHidden(c, kIndexWidths[size_t(c)] == 0);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(buttons);
    layout->addWidget(grid_, 1);
}

void IndexTableView::showTable(const IndexTable& table, const RaceHeader& header) {
    table_ = table;
    header_ = header;
    sortButtons_->button(int(IndexSort::HorseNumber))->setChecked(true);
    sortBy(IndexSort::HorseNumber);
}

IndexSort IndexTableView::sort() const { return IndexSort(sortButtons_->checkedId()); }

void IndexTableView::sortBy(IndexSort sort) {
    sortIndexTable(table_, sort);
    paint();
}

void IndexTableView::paint() {
    grid_->clearContents();
    grid_->setRowCount(int(table_.rows.size()) + 1);
    grid_->setRowHeight(0, kIndexHeaderHeight);
    for (int c = 0; c < kIndexColumns; ++c) {
        const IndexCaption& caption = kIndexCaptions[size_t(c)];
        const QString text = caption.lower.empty() ? qtText(caption.upper) : qtText(caption.upper) + "\n" + qtText(caption.lower);
        grid_->setItem(0, c, item(text, colour::kHeaderGreen, colour::kBlack, false, Qt::AlignHCenter));
    }
    for (int r = 0; r < int(table_.rows.size()); ++r) {
        for (int c = 0; c < kIndexColumns; ++c) {
            const IndexCell& cell = table_.rows[size_t(r)][size_t(c)];
            auto* shown = item(qtText(cell.text), cell.background, cell.colour, cell.bold,
                               cell.alignLeft ? Qt::AlignLeft : Qt::AlignHCenter);
            shown->setData(kRestLineRole, cell.restLine);
            grid_->setItem(r + 1, c, shown);
        }
    }
}

} // namespace zefa

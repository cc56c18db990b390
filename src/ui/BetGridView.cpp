#include "ui/BetGridView.h"

#include "bets/BetHits.h"
#include "ui/DisplayFonts.h"
#include "ui/QtText.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

#include <vector>

namespace zefa {

// The cells of the list, row 0 of the list being the view's header.
class BetGridModel : public QAbstractTableModel {
public:
    BetGridModel(BetType type, QObject* parent) : QAbstractTableModel(parent), list_(emptyBetList(type)) {}

    void setList(const BetList& list, std::string_view payoutRecord) {
        beginResetModel();
        list_ = list;
        paid_.assign(list_.rows.size(), false);
        for (int row = 1; row <= list_.dataRows(); ++row)
            paid_[size_t(row)] = isPaidCombination(list_.type, payoutRecord, list_.cell(row, BetColumn::Combination));
        endResetModel();
    }

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : list_.dataRows(); }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : list_.columnCount(); }

    QVariant data(const QModelIndex& index, int role) const override {
        const int row = index.row() + 1;
        switch (role) {
        case Qt::DisplayRole: return qtText(list_.rows[size_t(row)][size_t(index.column())]);
        case Qt::BackgroundRole: return qtColour(betCellBackground(list_.type, row, index.column(), paid_[size_t(row)]));
        default: return {};
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
        return qtText(list_.rows[0][size_t(section)]);
    }

private:
    BetList list_;
    std::vector<bool> paid_; // by list row
};

namespace {

// Fills the cell with its colour and draws its text centred, a little below the top of the cell.
class BetCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        painter->fillRect(option.rect, index.data(Qt::BackgroundRole).value<QColor>());
        painter->setFont(option.font);
        painter->setPen(Qt::black);
        painter->drawText(option.rect.adjusted(0, kBetGridTextTop, 0, 0), Qt::AlignHCenter | Qt::AlignTop,
                          index.data().toString());
    }
};

// "ＭＳ ゴシック" is a Windows font; IPAGothic is the same kind of fixed-pitch Japanese face.
QFont betGridFont() {
    QFont font(QStringLiteral("IPAGothic"));
    font.setPixelSize(kBetGridFontPixels);
    font.setBold(true);
    return font;
}

QString rgbText(Rgb colour) { return QStringLiteral("rgb(%1,%2,%3)").arg(colour.r).arg(colour.g).arg(colour.b); }

} // namespace

BetGridView::BetGridView(BetType type, QWidget* parent)
    : QTableView(parent), type_(type), model_(new BetGridModel(type, this)) {
    setModel(model_);
    setItemDelegate(new BetCellDelegate(this));
    setFont(betGridFont());
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setFocusPolicy(Qt::NoFocus);
    setStyleSheet("QTableView { background-color: " + rgbText(kBetGridBackground) + "; }");
    setMouseTracking(true);

    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(kBetGridRowHeight);
    verticalHeader()->setDefaultSectionSize(kBetGridRowHeight);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);

    QHeaderView* header = horizontalHeader();
    header->setFont(betGridFont());
    header->setFixedHeight(kBetGridRowHeight);
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setMinimumSectionSize(0);
    header->setHighlightSections(false);
    header->setSectionsClickable(true);
    header->setCursor(Qt::PointingHandCursor);
    header->setStyleSheet("QHeaderView::section { background-color: " + rgbText(kBetHeaderBackground) +
                          "; color: black; border: 0px; border-right: 1px solid gray; padding: 0px; }");
    const auto columns = betColumns(type);
    for (size_t c = 0; c < columns.size(); ++c) {
        setColumnWidth(int(c), columns[c].width);
        setColumnHidden(int(c), columns[c].width == kHiddenColumn);
    }

    connect(this, &QTableView::clicked, this, [this](const QModelIndex& index) {
        if (onClick) onClick(index.row() + 1, index.column());
    });
    connect(header, &QHeaderView::sectionPressed, this, [this](int column) {
        if (onHeaderPress) onHeaderPress(column);
    });
}

BetGridView::~BetGridView() = default;

// A list that was never built (no header row) or is of another type shows as an empty grid.
void BetGridView::showList(const BetList& list, std::string_view payoutRecord) {
    const bool fits = list.type == type_ && !list.rows.empty();
    model_->setList(fits ? list : emptyBetList(type_), payoutRecord);
}

void BetGridView::mouseMoveEvent(QMouseEvent* event) {
    viewport()->setCursor(columnAt(event->position().toPoint().x()) == 0 ? Qt::PointingHandCursor : Qt::ArrowCursor);
    QTableView::mouseMoveEvent(event);
}

} // namespace zefa

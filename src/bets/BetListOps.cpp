#include "bets/BetListOps.h"

#include "bets/BetHits.h"

#include <algorithm>

namespace zefa {

void clickBetRow(BetList& list, int row, int column, const Distribution& distribution,
                 std::string_view payoutRecord) {
    if (row < 1 || row > list.dataRows()) return;
    if (column == betColumn(list.type, BetColumn::Strike)) {
        std::string& mark = list.cell(row, BetColumn::Strike);
        mark = mark == kStrikeMark ? std::string() : std::string(kStrikeMark);
    }
    for (const SummaryLabel label :
         {SummaryLabel::Count, SummaryLabel::Stake, SummaryLabel::ExpectedReturn, SummaryLabel::Returned})
        list.label(label).text.clear();
    distributeFunds(list, distribution);
    checkHits(list, payoutRecord);
}

void sortBetList(BetList& list, int column) {
    if (column <= 0 || column >= list.columnCount() || list.rows.empty()) return;
    const bool descending = list.sortDescending[size_t(column)] = !list.sortDescending[size_t(column)];
    list.lastSortColumn = column;
    const size_t sortColumn = size_t(column);
    const size_t tieColumn = size_t(betColumn(list.type, column == betColumn(list.type, BetColumn::Number)
                                                             ? BetColumn::Combination
                                                             : BetColumn::Number));
    // Texts compare byte by byte; numbers are right-aligned, so that is numeric order too.
    std::stable_sort(list.rows.begin() + 1, list.rows.end(), [&](const BetRow& a, const BetRow& b) {
        const int order = a[sortColumn].compare(b[sortColumn]);
        if (order != 0) return descending ? order > 0 : order < 0;
        return a[tieColumn] < b[tieColumn];
    });
}

} // namespace zefa

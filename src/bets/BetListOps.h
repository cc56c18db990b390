#pragma once

#include "bets/FundDistribution.h"

#include <string_view>

namespace zefa {

// A click in a bet grid. In a data row, a click in column 0 strikes the bet out ("消") or back in;
// any click in a data row then empties 点数, 投票金額, 予想回収率 and 回収金額 and works out the
// stakes and hits of the list afresh. A click in the header row, or outside the list, does nothing.
void clickBetRow(BetList& list, int row, int column, const Distribution& distribution,
                 std::string_view payoutRecord);

// A mouse press on the header of a column 1..last: the column's direction flag is inverted and the
// bets are sorted by the column's text, descending when the flag is set, ascending when not; bets
// with equal texts stay in "No." order (in 買い目 order when sorting by "No."). Column 0 and
// columns outside the grid do nothing. Stakes and totals are kept.
void sortBetList(BetList& list, int column);

} // namespace zefa

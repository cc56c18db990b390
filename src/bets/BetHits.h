#pragma once

#include "bets/BetList.h"

#include <string>
#include <string_view>
#include <vector>

namespace zefa {

// One paid combination of a bet type in the race's HR record.
struct PaidEntry {
    std::string combination; // ComboText, in the order the record stores it
    int payout = 0;          // 払戻金, yen per 100 yen
    int popularity = 0;      // 人気順
};

// The paid entries of the bet type, several for dead heats. Entries that are blank, or whose
// numbers are not digits or form no valid combination, pay nothing; so does a record that is not
// one HR record.
std::vector<PaidEntry> paidEntries(BetType type, std::string_view payoutRecord);

// Whether the combination is among the paid ones: drawn magenta in the grids.
bool isPaidCombination(BetType type, std::string_view payoutRecord, std::string_view combination);

// CheckHits: the result columns of every row that was paid, and the 回収金額 label from their sum
// (black, red when below the 投票金額 label; empty when nothing came back). Other rows keep their
// result cells.
void checkHits(BetList& list, std::string_view payoutRecord);

} // namespace zefa

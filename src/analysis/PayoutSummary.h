#pragma once

#include "jvdata/BetType.h"
#include "store/RaceDayStore.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace zefa {

// One paid entry of a race's payouts. Unpaid entries hold zeros and an empty text.
struct PayoutRow {
    int horseNumber = 0;     // win and place
    std::string combination; // the other bet types: " 3- 6", " 3-12", " 1- 7-15"
    int popularity = 0;
    int payout = 0;          // yen per 100 yen
    bool operator==(const PayoutRow&) const = default;
};

// The payouts of one race: for each bet type, in BetType order, as many rows as its HR block has
// entries (3, 5, 3, 3, 7, 6, 3, 6).
struct PayoutSummaryEntry {
    std::array<std::vector<PayoutRow>, kBetTypes.size()> rows;

    const std::vector<PayoutRow>& of(BetType type) const { return rows[size_t(type)]; }
};

// The payouts of an HR record; a blank record gives a summary without payouts.
PayoutSummaryEntry payoutSummaryOf(std::string_view payoutRecord);

// The payouts of every race slot of the day, by race slot.
std::vector<PayoutSummaryEntry> payoutSummary(const RaceDayStore& store);

} // namespace zefa

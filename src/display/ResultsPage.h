#pragma once

#include "analysis/PayoutSummary.h"

#include <array>
#include <string>
#include <vector>

namespace zefa {

// One payout line of the results page; all blank for an unpaid entry.
struct ResultLine {
    std::string combination; // "%2d" horse number (win, place) or the combination text
    std::string popularity;  // "%2d"
    std::string payout;      // "%8d", yen per 100 yen
    bool operator==(const ResultLine&) const = default;
};

// The payout labels of the results page: for each bet type, in BetType order, as many lines as
// its payouts have entries (3, 5, 3, 3, 7, 6, 3, 6).
struct ResultsPage {
    std::array<std::vector<ResultLine>, kBetTypes.size()> lines;
};

ResultsPage resultsPage(const PayoutSummaryEntry& payouts);

} // namespace zefa

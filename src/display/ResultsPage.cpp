#include "display/ResultsPage.h"

#include "jvdata/NumberFormat.h"
#include "jvdata/RecordView.h"

namespace zefa {

ResultsPage resultsPage(const PayoutSummaryEntry& payouts) {
    ResultsPage page;
    for (const BetTypeRow& type : kBetTypes) {
        for (const PayoutRow& row : payouts.of(type.type)) {
            const std::string combination =
                type.size == 1 ? (row.horseNumber != 0 ? rightAligned(row.horseNumber, 2) : "") : row.combination;
            if (trimmed(combination).empty())
                page.lines[size_t(type.type)].emplace_back();
            else
                page.lines[size_t(type.type)].push_back({combination, rightAligned(row.popularity, 2), rightAligned(row.payout, 8)});
        }
    }
    return page;
}

} // namespace zefa
